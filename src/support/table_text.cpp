#include "support/table_text.h"

#include <algorithm>
#include <cassert>

#include "files/list_file.h"
#include "list/line_list.h"
#include "text/utf8.h"

namespace pendara {

namespace {

// Valid UTF-8 as it is; every other byte as the Latin-1 character with its code.
std::string EightBitToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    WalkUtf8(
        bytes, [&](char32_t, std::string_view character) { out.append(character); },
        [&](unsigned char stray) {
            out.push_back(static_cast<char>(0xC0 | (stray >> 6)));
            out.push_back(static_cast<char>(0x80 | (stray & 0x3F)));
        });
    return out;
}

// Builds the rows as the scanner meets field ends.
class RowBuilder {
public:
    RowBuilder(const TableTextFormat& format, std::vector<TableRow>& rows)
        : format_(format), rows_(rows) {}

    void endField(std::string&& field) {
        if (column_ == 0) {
            keep_ = line_ >= format_.skip;
            if (keep_) rows_.emplace_back();
        }
        if (keep_ && column_ < format_.columns) rows_.back().push_back(std::move(field));
        ++column_;
    }

    void endLine() {
        ++line_;
        column_ = 0;
    }

private:
    const TableTextFormat& format_;
    std::vector<TableRow>& rows_;
    long long line_ = 0;
    long long column_ = 0;
    bool keep_ = false;
};

}  // namespace

std::vector<TableRow> ParseTableText(std::string_view bytes, const TableTextFormat& format) {
    const std::string text = bytes.size() > 1 && bytes.starts_with("\xFF\xFE")
                                 ? Utf16ToUtf8(bytes.substr(2), false)
                                 : EightBitToUtf8(bytes);
    std::vector<TableRow> rows;
    RowBuilder builder(format, rows);
    std::string field;
    int quotes = 0;
    const auto endField = [&] {
        builder.endField(std::move(field));
        field.clear();
        quotes = 0;
    };
    // Every character the scanner looks for is ASCII, and no byte of a multi-byte UTF-8
    // sequence is, so scanning bytes is scanning characters.
    bool special[256] = {};
    for (const char c : {format.separator, format.lineBreak, '"', '\r', '\n'}) {
        special[static_cast<unsigned char>(c)] = true;
    }
    const char* p = text.data();
    const char* const end = p + text.size();
    while (p < end) {
        const char* run = p;
        while (run < end && !special[static_cast<unsigned char>(*run)]) ++run;
        field.append(p, run);
        if (run == end) break;
        p = run + 1;
        const char c = *run;
        if (c == format.separator) {
            if (quotes % 2 == 1) {
                field.push_back(c);
            } else {
                endField();
            }
        } else if (c == format.lineBreak) {
            field += "\r\n";
        } else if (c == '"') {
            ++quotes;
            if (quotes % 2 == 1 && (!field.empty() || quotes == 3)) field.push_back(c);
        } else if (c == '\n') {
            endField();
            builder.endLine();
        }
        // A carriage return is dropped.
    }
    // A last line without a line break still gives its own row.
    if (!field.empty()) endField();
    assert(std::all_of(rows.begin(), rows.end(), [&](const TableRow& row) {
        return static_cast<long long>(row.size()) <= format.columns;
    }));
    return rows;
}

std::string TableFileBytes(const std::vector<std::string>& lines) {
    return JoinLines(lines, "\r\n");
}

std::string Utf16TableFileBytes(const std::vector<std::string>& lines) {
    // A stray byte is the Latin-1 character with its code.
    return "\xFF\xFE" + Utf8ToUtf16(JoinLines(lines, "\r\n"), false);
}

}  // namespace pendara
