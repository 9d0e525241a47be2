#include "list/list_origin.h"

#include "list/list_file.h"

namespace pendara {

ListOrigin ListOrigin::FromFile(std::string bytes, std::string& text) {
    ListOrigin origin;
    const std::string decoded = DecodeListText(bytes);
    origin.form_ = FormOfText(EncodingOfBytes(bytes), decoded);
    text = EncodeListText(decoded, FileForm{});
    origin.loadedForm_ = origin.form_;
    if (EncodeListText(text, origin.form_) != bytes) origin.bytes_ = std::move(bytes);
    return origin;
}

std::string ListOrigin::fileBytes(std::string_view text) const {
    if (!bytes_.empty() && form_ == loadedForm_ && MainListTextOf(bytes_) == text) return bytes_;
    return EncodeListText(text, form_);
}

}  // namespace pendara
