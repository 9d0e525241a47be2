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

// Gives `path` the contents `text`, deciding once how, so that what the user sees of the file
// stays as it was:
// - Replaced: a new file, or an ordinary file of the saver's own with one link, is written to a
//   temporary file beside it, flushed to disk and renamed over it. Readers see the old or the
//   new contents, never a mix; a failure at any step leaves the old file whole and no temporary
//   file behind. The new file gets `mode` (a negative mode keeps an existing file's permissions,
//   and gives a new one 0666 less the umask) and the old file's group where the saver may set it.
// - Written in place, as a shell redirection would: a FIFO, device or other special file, a
//   file with other hard links, a file owned by someone else, and a file whose folder takes no
//   new file (or whose group the saver cannot give a new one). The file keeps its kind, owner,
//   group, permissions and links. A file that a plain write may not open is never replaced:
//   the save fails at Create. Before the first byte is written the new size is checked against
//   the file-size limit and the disk space is reserved, so the usual failures leave the old
//   contents whole; a write that still fails leaves what was written.
// Extended attributes and access lists are carried over only in place. A link is written through
// to its target. A write past the file-size limit fails with EFBIG instead of raising SIGXFSZ.
FileReplacement ReplaceFileContents(const std::string& path, std::string_view text, int mode = -1);

// The same for the file `name` inside the open folder `folder`, where a link named `name` is
// replaced itself and never written through.
FileReplacement ReplaceFileInFolder(int folder, const std::string& name, std::string_view text,
                                    int mode);

// The process's file creation mask. Read without changing it: umask() can only be read by
// setting it, which would race with other threads creating files.
mode_t ProcessUmask();

}  // namespace pendara
