#include "shaping/field_picker.h"

#include <algorithm>
#include <charconv>
#include <climits>

#include "text/utf8.h"

namespace pendara {

namespace {

bool IsBlankByte(char c) { return static_cast<unsigned char>(c) <= 32; }

// A whole number, optionally negative, not 0; nullopt otherwise.
std::optional<int> FieldNumber(std::string_view text) {
    int value = 0;
    const char* const end = text.data() + text.size();
    const auto [at, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || at != end || value == 0 || text[0] == '+') {
        return std::nullopt;
    }
    return value;
}

// The separator at or after `from` on character boundaries, or npos.
std::size_t FindSeparator(std::string_view line, std::string_view separator, std::size_t from) {
    for (;;) {
        const std::size_t at = line.find(separator, from);
        if (at == std::string_view::npos) return at;
        if (IsCharBoundary(line, at) && IsCharBoundary(line, at + separator.size())) return at;
        from = at + 1;
    }
}

}  // namespace

std::optional<std::vector<FieldItem>> ParseFieldList(std::string_view text, std::string& problem) {
    std::vector<FieldItem> items;
    const auto refuse = [&](std::string_view item, const char* why) {
        problem = "bad field list item \"" + std::string(item) + "\": " + why;
        return std::nullopt;
    };
    while (true) {
        const std::size_t comma = text.find(',');
        const std::string_view item = text.substr(0, comma);
        // The range's dash is the first one after the first character (which may be a sign).
        const std::size_t dash = item.size() > 1 ? item.find('-', 1) : std::string_view::npos;
        if (dash == std::string_view::npos) {
            const auto number = FieldNumber(item);
            if (!number) return refuse(item, "not a field number (they count from 1, or from -1)");
            items.push_back({*number, *number, true});
        } else {
            const auto first = FieldNumber(item.substr(0, dash));
            const std::string_view lastText = item.substr(dash + 1);
            const auto last = lastText.empty() ? std::optional<int>(-1) : FieldNumber(lastText);
            if (!first || !last) return refuse(item, "not a range of field numbers");
            if (*first > 0 && *last > 0 && *first > *last) return refuse(item, "runs backwards");
            items.push_back({*first, *last, false});
        }
        if (comma == std::string_view::npos) break;
        text.remove_prefix(comma + 1);
    }
    return items;
}

FieldPicker::FieldPicker(std::vector<FieldItem> items, FieldsOptions options)
    : items_(std::move(items)), options_(std::move(options)) {
    outputSeparator_ =
        options_.outputSeparator.value_or(options_.blanks ? " " : options_.separator);
    needed_ = 0;
    for (const FieldItem& item : items_) {
        if (item.first < 0 || item.last < 0) {
            needed_ = 0;
            break;
        }
        needed_ = std::max(needed_, item.last);
    }
}

void FieldPicker::findFields(std::string_view line) const {
    fields_.clear();
    const auto enough = [&] { return needed_ > 0 && fields_.size() >= std::size_t(needed_); };
    if (options_.blanks) {
        std::size_t at = 0;
        while (!enough()) {
            while (at < line.size() && IsBlankByte(line[at])) ++at;
            if (at == line.size()) break;
            const std::size_t start = at;
            while (at < line.size() && !IsBlankByte(line[at])) ++at;
            fields_.emplace_back(start, at);
        }
        return;
    }
    std::size_t start = 0;
    while (!enough()) {
        const std::size_t at = FindSeparator(line, options_.separator, start);
        if (at == std::string_view::npos) {
            fields_.emplace_back(start, line.size());
            break;
        }
        fields_.emplace_back(start, at);
        start = at + options_.separator.size();
    }
}

void FieldPicker::append(std::string& out, std::string_view line) const {
    findFields(line);
    const long count = static_cast<long>(fields_.size());
    // Fields were only found up to needed_ when no item counts from the end, so positions
    // past them are absent on this line, as they should be.
    const auto position = [&](int number) { return number > 0 ? number : count + 1 + number; };
    bool first = true;
    const auto field = [&](long number) {
        if (!first) out += outputSeparator_;
        first = false;
        if (number >= 1 && number <= count) {
            const auto& [begin, end] = fields_[static_cast<std::size_t>(number - 1)];
            out.append(line, begin, end - begin);
        }
    };
    for (const FieldItem& item : items_) {
        if (item.single) {
            field(position(item.first));
            continue;
        }
        const long from = std::max(position(item.first), 1L);
        const long to = std::min(position(item.last), count);
        for (long number = from; number <= to; ++number) field(number);
    }
}

}  // namespace pendara
