#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "text/line_breaks.h"

namespace pendara {

// How a list file stores its text: the encoding form its first bytes announce (or the legacy
// code page it is in), the line break it uses and whether its last line ends with one. The Main
// List itself always holds UTF-8 with CR LF breaks; the form is what Save List turns that back
// into.
struct FileForm {
    enum class Encoding { Plain, Utf8Mark, Utf16Le, Utf16Be, CodePage };
    enum class LineEnd { CrLf, Lf, Cr };
    // AsHeld writes the list's own final break, whatever it is; a file's form says Yes or No.
    enum class FinalBreak { AsHeld, Yes, No };

    Encoding encoding = Encoding::Plain;
    LineEnd lineEnd = LineEnd::CrLf;
    FinalBreak finalBreak = FinalBreak::AsHeld;
    // The code page's name, for Encoding::CodePage only.
    std::string codePage;

    friend bool operator==(const FileForm&, const FileForm&) = default;
};

// The encoding form that a file's first bytes announce by their byte-order mark.
FileForm::Encoding EncodingOfBytes(std::string_view bytes);

// The form of a file in `encoding` whose decoded text is `text`: its most frequent break (CR LF
// before LF before CR on a tie, CR LF when there is none) and its final break. An empty text
// leaves the final break AsHeld. `uniform`, when given, says whether the text holds only that
// one kind of break, so that the form alone gives the text back.
FileForm FormOfText(FileForm::Encoding encoding, std::string_view text, bool* uniform = nullptr);

// FormOfText for a text whose breaks are already counted.
FileForm FormOfBreaks(FileForm::Encoding encoding, const BreakCounts& breaks,
                      bool* uniform = nullptr);

// "UTF-16 LE, LF", with ", no final break" where the form says so.
std::string DescribeFileForm(const FileForm& form);
// A code page is named by its own name.
std::string DescribeEncoding(FileForm::Encoding encoding, const std::string& codePage = {});
std::string DescribeLineEnd(FileForm::LineEnd lineEnd);

}  // namespace pendara
