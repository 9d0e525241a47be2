#include "files/list_origin.h"

#include "files/code_page.h"

#include <optional>

namespace pendara {

ListOrigin ListOrigin::FromFile(std::string bytes, std::string& text, std::string_view encoding) {
    using Encoding = FileForm::Encoding;
    ListOrigin origin;
    Encoding form = EncodingOfBytes(bytes);
    std::string page;
    if (encoding == kGuessEncoding) {
        if (form == Encoding::Plain) page = GuessListEncoding(bytes);
    } else if (!encoding.empty() && CodePage::Named(encoding).name() != "UTF-8") {
        // A chosen encoding reads every byte, a mark's too.
        page = CodePage::Named(encoding).name();
    }
    if (!page.empty()) {
        page = CodePage::Named(page).name();
        form = Encoding::CodePage;
    }
    const bool utf16 = form == Encoding::Utf16Le || form == Encoding::Utf16Be;
    const std::size_t mark = utf16 ? 2 : form == Encoding::Utf8Mark ? 3 : 0;
    std::string decoded;
    bool clean = true;
    // Breaks counted while decoding, which spares a pass over the text.
    std::optional<BreakCounts> counted;
    if (utf16) {
        const std::string_view units = std::string_view(bytes).substr(mark);
        decoded = Utf16ToUtf8(units, form == Encoding::Utf16Be);
        // Only a U+FFFD may stand for units that did not decode; see whether it really does.
        clean = units.size() % 2 == 0 && (decoded.find("\xEF\xBF\xBD") == std::string::npos ||
                                          Utf8ToUtf16(decoded, form == Encoding::Utf16Be) == units);
    } else if (form == Encoding::CodePage) {
        const CodePage& codePage = CodePage::Named(page);
        if (codePage.keepsAscii()) counted.emplace();
        decoded = codePage.decode(bytes, counted ? &*counted : nullptr);
        // A single-byte table gives any bytes back; a multi-byte converter may not.
        if (!codePage.singleByte()) {
            std::string again;
            clean = !codePage.encode(decoded, again) && again == bytes;
        }
    } else {
        decoded = std::move(bytes);
    }
    const std::string_view view = std::string_view(decoded).substr(utf16 ? 0 : mark);
    bool uniform = false;
    origin.form_ =
        counted ? FormOfBreaks(form, *counted, &uniform) : FormOfText(form, view, &uniform);
    origin.form_.codePage = page;
    origin.loadedForm_ = origin.form_;
    const bool asHeld = uniform && origin.form_.lineEnd == FileForm::LineEnd::CrLf;
    if (!uniform || !clean) {
        // Irregular files are rare; their text is built from a copy, the bytes kept.
        text = EncodeListText(view, FileForm{});
        origin.bytes_ = utf16 || form == Encoding::CodePage ? std::move(bytes) : std::move(decoded);
    } else if (asHeld) {
        // The common case, a file already in the Main List's own breaks, costs no copy.
        if (!utf16) decoded.erase(0, mark);
        text = std::move(decoded);
    } else {
        text = EncodeListText(view, FileForm{});
    }
    return origin;
}

std::string ListOrigin::textOfBytes() const {
    if (loadedForm_.encoding != FileForm::Encoding::CodePage) return MainListTextOf(bytes_);
    return EncodeListText(CodePage::Named(loadedForm_.codePage).decode(bytes_), FileForm{});
}

std::string ListOrigin::fileBytes(std::string_view text) const {
    if (!bytes_.empty() && form_ == loadedForm_ && textOfBytes() == text) return bytes_;
    return EncodeListText(text, form_);
}

}  // namespace pendara
