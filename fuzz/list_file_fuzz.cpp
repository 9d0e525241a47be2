// The list-file reader: decoding the byte-order marks and splitting the text into lines.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "files/list_file.h"
#include "fuzz_check.h"
#include "list/line_list.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::string text = pendara::DecodeListText(bytes);
    const std::string_view view(bytes);
    if (view.starts_with("\xFF\xFE") || view.starts_with("\xFE\xFF")) {
        FUZZ_CHECK(IsValidUtf8(text.data(), text.size()));
    } else if (view.starts_with("\xEF\xBB\xBF")) {
        FUZZ_CHECK(text == view.substr(3));
    } else {
        FUZZ_CHECK(text == bytes);  // every other file is read byte for byte
    }

    // Lines written back with CR LF read as the same lines.
    const std::vector<std::string> lines = pendara::SplitLines(text);
    FUZZ_CHECK(pendara::SplitLines(pendara::JoinLines(lines)) == lines);
    for (const std::string& line : lines) {
        FUZZ_CHECK(line.find_first_of("\r\n") == std::string::npos);
    }
    return 0;
}
