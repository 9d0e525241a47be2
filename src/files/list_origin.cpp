#include "files/list_origin.h"

#include "files/list_file.h"

namespace pendara {

ListOrigin ListOrigin::FromFile(std::string bytes, std::string& text) {
    using Encoding = FileForm::Encoding;
    ListOrigin origin;
    const Encoding encoding = EncodingOfBytes(bytes);
    const bool utf16 = encoding == Encoding::Utf16Le || encoding == Encoding::Utf16Be;
    const std::size_t mark = utf16 ? 2 : encoding == Encoding::Utf8Mark ? 3 : 0;
    std::string decoded;
    bool clean = true;
    if (utf16) {
        const std::string_view units = std::string_view(bytes).substr(mark);
        decoded = Utf16ToUtf8(units, encoding == Encoding::Utf16Be);
        // Only a U+FFFD may stand for units that did not decode; see whether it really does.
        clean =
            units.size() % 2 == 0 && (decoded.find("\xEF\xBF\xBD") == std::string::npos ||
                                      Utf8ToUtf16(decoded, encoding == Encoding::Utf16Be) == units);
    } else {
        decoded = std::move(bytes);
    }
    const std::string_view view = std::string_view(decoded).substr(utf16 ? 0 : mark);
    bool uniform = false;
    origin.form_ = FormOfText(encoding, view, &uniform);
    origin.loadedForm_ = origin.form_;
    const bool asHeld = uniform && origin.form_.lineEnd == FileForm::LineEnd::CrLf;
    if (!uniform || !clean) {
        // Irregular files are rare; their text is built from a copy, the bytes kept.
        text = EncodeListText(view, FileForm{});
        origin.bytes_ = utf16 ? std::move(bytes) : std::move(decoded);
    } else if (asHeld) {
        // The common case, a file already in the Main List's own breaks, costs no copy.
        if (!utf16) decoded.erase(0, mark);
        text = std::move(decoded);
    } else {
        text = EncodeListText(view, FileForm{});
    }
    return origin;
}

std::string ListOrigin::fileBytes(std::string_view text) const {
    if (!bytes_.empty() && form_ == loadedForm_ && MainListTextOf(bytes_) == text) return bytes_;
    return EncodeListText(text, form_);
}

}  // namespace pendara
