#include "files/file_form.h"

namespace pendara {

FileForm::Encoding EncodingOfBytes(std::string_view bytes) {
    if (bytes.starts_with("\xFF\xFE")) return FileForm::Encoding::Utf16Le;
    if (bytes.starts_with("\xFE\xFF")) return FileForm::Encoding::Utf16Be;
    if (bytes.starts_with("\xEF\xBB\xBF")) return FileForm::Encoding::Utf8Mark;
    return FileForm::Encoding::Plain;
}

FileForm FormOfText(FileForm::Encoding encoding, std::string_view text, bool* uniform) {
    std::size_t crLf = 0;
    std::size_t lf = 0;
    std::size_t cr = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            ++crLf;
            ++i;
        } else if (text[i] == '\r') {
            ++cr;
        } else if (text[i] == '\n') {
            ++lf;
        }
    }
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
    if (!text.empty()) {
        const bool ends = text.back() == '\r' || text.back() == '\n';
        form.finalBreak = ends ? FileForm::FinalBreak::Yes : FileForm::FinalBreak::No;
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
