#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pendara {

// One table row: its fields from column 0 on. A row may hold fewer fields than the table has
// columns (the rest are empty); it never holds more.
using TableRow = std::vector<std::string>;

struct TableTextFormat {
    int columns = 1;        // fields past the last column are dropped
    char separator = '\t';  // ends a field, except between an odd number of double quotes
    int skip = 0;           // lines before this one (from 0) give no row
    char lineBreak = '|';   // stands for a line break (CR LF) inside a field
};

// The rows of a tab-separated table file, given its bytes.
//
// A file that begins with FF FE is UTF-16 little-endian text after those two bytes. Any other
// file is 8-bit text: valid UTF-8 stays as it is, and every byte that is not part of a valid
// UTF-8 sequence is read as the Latin-1 character with that code, so the result is always UTF-8.
//
// Every line gives one row (an empty line an empty row). CR is ignored; LF ends the row. Double
// quotes around a field are dropped, a doubled quote inside them gives one quote, and a quote
// after other text stays in the field. Example:
//   "\"a\tb\"\tc|d\r\n"  ->  {{"a\tb", "c\r\nd"}}
// The last line needs no line break; an empty field left open at the end of the file is dropped.
std::vector<TableRow> ParseTableText(std::string_view bytes, const TableTextFormat& format);

// `lines` as a table file: each line in UTF-8 followed by CR LF.
std::string TableFileBytes(const std::vector<std::string>& lines);

// `lines` as a UTF-16 little-endian table file: the byte-order mark FF FE, then each line
// followed by CR LF. Bytes that are not valid UTF-8 are taken as Latin-1, as the reader does.
std::string Utf16TableFileBytes(const std::vector<std::string>& lines);

}  // namespace pendara
