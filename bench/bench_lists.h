#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace pendara::bench {

// A generated list like the ones users rework: about 30 characters a line, words from a small
// vocabulary so that repeats and case variants occur, some lines with spaces at the ends.
inline std::vector<std::string> GeneratedLines(std::size_t count, std::uint64_t seed = 1) {
    static const char* const words[] = {"red",   "Green", "blue",  "apple", "CAR",
                                        "house", "key",   "value", "list",  "word",
                                        "Mail",  "item",  "stock", "north"};
    std::mt19937_64 random(seed);
    std::uniform_int_distribution<int> pick(0, 13), number(0, 99999);
    std::vector<std::string> lines;
    lines.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        std::string line = words[pick(random)];
        line += ' ';
        line += words[pick(random)];
        line += '-';
        line += std::to_string(number(random));
        line += ' ';
        line += words[pick(random)];
        line += '=';
        line += words[pick(random)];
        if (i % 7 == 0) line = "  " + line + " ";
        lines.push_back(std::move(line));
    }
    return lines;
}

// The same lines as one text, every line followed by CR LF.
inline std::string GeneratedText(std::size_t count, std::uint64_t seed = 1) {
    std::string text;
    for (const std::string& line : GeneratedLines(count, seed)) text += line + "\r\n";
    return text;
}

}  // namespace pendara::bench
