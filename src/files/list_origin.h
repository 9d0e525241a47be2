#pragma once

#include <string>
#include <string_view>
#include <utility>

#include "files/file_form.h"
#include "files/list_file.h"

namespace pendara {

// What the Main List remembers of the file it was loaded from, so that Save List gives the file
// back as it was: the form to write the list in and, for a file that its form alone would not
// give back byte for byte (mixed breaks, UTF-16 that does not decode cleanly), the bytes
// it came from.
class ListOrigin {
public:
    // A list that came from no file: CR LF breaks, no mark, the list's own final break.
    ListOrigin() = default;
    // The origin of a file's `bytes`; `text` receives the Main List's text for them. A file
    // without a byte-order mark is read in `encoding`: a code page's name, or kGuessEncoding for
    // the window's rule (UTF-8 when valid, else a guess). Fails for an unknown name.
    static ListOrigin FromFile(std::string bytes, std::string& text,
                               std::string_view encoding = kGuessEncoding);

    // Where the list was last loaded from or saved to, in the system's encoding; empty for a
    // list that came from no file.
    const std::string& path() const { return path_; }
    void setPath(std::string path) { path_ = std::move(path); }

    const FileForm& form() const { return form_; }
    void setForm(const FileForm& form) { form_ = form; }

    // What Save List writes for the Main List's `text`: the file's own bytes while the text and
    // the form are as loaded, else the text in the form. Fails with UnmappableCharacter where
    // the form's code page cannot hold a character, before anything is written.
    std::string fileBytes(std::string_view text) const;

private:
    std::string path_;
    FileForm form_;
    FileForm loadedForm_;
    // Empty when the form gives the file back by itself.
    std::string bytes_;
    // The Main List's text for bytes_.
    std::string textOfBytes() const;
};

}  // namespace pendara
