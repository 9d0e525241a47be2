#include "files/file_form.h"

#include "text/line_breaks.h"

namespace pendara {

FileForm::Encoding EncodingOfBytes(std::string_view bytes) {
    if (bytes.starts_with("\xFF\xFE")) return FileForm::Encoding::Utf16Le;
    if (bytes.starts_with("\xFE\xFF")) return FileForm::Encoding::Utf16Be;
    if (bytes.starts_with("\xEF\xBB\xBF")) return FileForm::Encoding::Utf8Mark;
    return FileForm::Encoding::Plain;
}

FileForm FormOfText(FileForm::Encoding encoding, std::string_view text, bool* uniform) {
    return FormOfBreaks(encoding, CountBreaks(text), uniform);
}

FileForm FormOfBreaks(FileForm::Encoding encoding, const BreakCounts& breaks, bool* uniform) {
    const std::size_t crLf = breaks.crLf, lf = breaks.lf, cr = breaks.cr;
    FileForm form;
    form.encoding = encoding;
    if (lf > crLf && lf >= cr) {
        form.lineEnd = FileForm::LineEnd::Lf;
    } else if (cr > crLf && cr > lf) {
        form.lineEnd = FileForm::LineEnd::Cr;
    }
    if (uniform != nullptr) {
        const std::size_t kinds = (crLf > 0 ? 1 : 0) + (lf > 0 ? 1 : 0) + (cr > 0 ? 1 : 0);
        *uniform = kinds <= 1;
    }
    if (!breaks.empty) {
        form.finalBreak =
            breaks.endsWithBreak ? FileForm::FinalBreak::Yes : FileForm::FinalBreak::No;
    }
    return form;
}

std::string DescribeEncoding(FileForm::Encoding encoding, const std::string& codePage) {
    switch (encoding) {
        case FileForm::Encoding::Plain:
            return "Plain bytes";
        case FileForm::Encoding::Utf8Mark:
            return "UTF-8 with mark";
        case FileForm::Encoding::Utf16Le:
            return "UTF-16 LE";
        case FileForm::Encoding::Utf16Be:
            return "UTF-16 BE";
        case FileForm::Encoding::CodePage:
            return codePage;
    }
    return {};
}

std::string DescribeLineEnd(FileForm::LineEnd lineEnd) {
    switch (lineEnd) {
        case FileForm::LineEnd::CrLf:
            return "CR LF";
        case FileForm::LineEnd::Lf:
            return "LF";
        case FileForm::LineEnd::Cr:
            return "CR";
    }
    return {};
}

std::string DescribeFileForm(const FileForm& form) {
    std::string text =
        DescribeEncoding(form.encoding, form.codePage) + ", " + DescribeLineEnd(form.lineEnd);
    if (form.finalBreak == FileForm::FinalBreak::No) text += ", no final break";
    return text;
}

}  // namespace pendara
