// The table text parser. The first bytes choose the format, the rest is the file.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz_check.h"
#include "support/table_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) return 0;
    pendara::TableTextFormat format;
    format.columns = 1 + data[0] % 8;
    format.separator = "\t,; "[data[1] % 4];
    format.lineBreak = "|~\t"[(data[1] >> 2) % 3];
    format.skip = data[2] % 4;
    const std::string_view file(reinterpret_cast<const char*>(data) + 3, size - 3);

    const std::vector<pendara::TableRow> rows = pendara::ParseTableText(file, format);
    // Every line gives at most one row, and the lines skipped none.
    std::size_t lines = 1;
    for (const char c : file) lines += c == '\n' ? 1 : 0;
    FUZZ_CHECK(rows.size() <= lines);
    for (const pendara::TableRow& row : rows) {
        FUZZ_CHECK(row.size() <= static_cast<std::size_t>(format.columns));
        for (const std::string& field : row) FUZZ_CHECK(IsValidUtf8(field.data(), field.size()));
    }
    return 0;
}
