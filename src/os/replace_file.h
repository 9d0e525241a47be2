#pragma once

#include <sys/types.h>

#include <string>
#include <string_view>

namespace pendara {

// How replacing a file's contents ended: which step failed, with its errno value.
struct FileReplacement {
    enum Step { Done, Create, Write, Rename } failedAt = Done;
    int error = 0;
    // The path that was written: a link is followed to the file it names.
    std::string target;
};

// Writes `text` to a new file beside `path`, flushes it to disk and only then renames it over
// `path`, so a failure at any step leaves the old file whole and no temporary file behind.
// A link is written through to its target. The new file gets `mode`; a negative mode keeps an
// existing file's permissions and gives a new one the usual permissions (0666 less the umask).
FileReplacement ReplaceFileContents(const std::string& path, std::string_view text, int mode = -1);

// The same for the file `name` inside the open folder `folder`, where a link named `name` is
// replaced itself and never written through.
FileReplacement ReplaceFileInFolder(int folder, const std::string& name, std::string_view text,
                                    int mode);

// The process's file creation mask. Read without changing it: umask() can only be read by
// setting it, which would race with other threads creating files.
mode_t ProcessUmask();

}  // namespace pendara
