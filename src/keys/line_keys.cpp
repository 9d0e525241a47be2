#include "keys/line_keys.h"

#include "keys/key_number.h"
#include "keys/key_text.h"
#include "list/line_order.h"
#include "text/utf8.h"

namespace pendara {

namespace {

// Appends `bytes` so that the result orders like them and is no prefix of another such result:
// 0 and 1 become 1 1 and 1 2, and a 0 ends it.
void AppendEscaped(std::string_view bytes, std::string& out) {
    for (const char c : bytes) {
        if (c == '\0' || c == '\1') {
            out.push_back('\1');
            out.push_back(static_cast<char>(c + 1));
        } else {
            out.push_back(c);
        }
    }
    out.push_back('\0');
}

}  // namespace

LineKeys::LineKeys(KeyOptions options, const LineCollator& collator)
    : options_(std::move(options)),
      collator_(collator),
      digitsQuick_(collator.hasQuickKey("0123456789")) {
    if (options_.keys.empty()) options_.keys.push_back(KeySpec{});
    for (const KeySpec& keyForm : options_.keys) {
        Key key{keyForm, keyForm.ownFlags ? keyForm.flags : options_.global};
        if (key.flags.natural && !digitsQuick_) key.form = KeyForm::Full;
        keys_.push_back(key);
    }
}

std::string_view LineKeys::weighedText(std::string_view line, const Key& key,
                                       Scratch& scratch) const {
    const std::string_view text = KeyTextOf(line, key.keyForm, options_.separator);
    return NormalizeKey(text, options_.trim, options_.squeeze, scratch.normal);
}

bool LineKeys::mayBeQuick() const {
    for (const Key& key : keys_) {
        if (key.form == KeyForm::Quick && !key.flags.numeric && !key.flags.matchCase) return true;
    }
    return false;
}

void LineKeys::fitLine(std::string_view line) {
    thread_local Scratch scratch;
    for (Key& key : keys_) {
        if (key.form == KeyForm::Full || key.flags.numeric || key.flags.matchCase) continue;
        // The natural form only adds digits, which were checked once.
        if (!collator_.hasQuickKey(weighedText(line, key, scratch))) key.form = KeyForm::Full;
    }
}

void LineKeys::append(std::string_view line, const LineCollator& collator, std::string& out) const {
    // One set per thread: the two halves of a long list are keyed at once.
    thread_local Scratch scratch;
    const char point = options_.decimalComma ? ',' : '.';
    for (const Key& key : keys_) {
        const std::size_t start = out.size();
        if (key.flags.numeric) {
            AppendNumberKey(KeyTextOf(line, key.keyForm, options_.separator), point, out);
        } else {
            std::string_view text = weighedText(line, key, scratch);
            if (key.flags.byLength) AppendCount(CharCount(text), out);
            if (key.flags.natural) {
                NaturalForm(text, scratch.natural, scratch.zeros);
                text = scratch.natural;
            }
            if (key.flags.matchCase) {
                AppendEscaped(text, out);
            } else {
                collator.appendSortKey(text, out, key.form);
            }
            if (key.flags.natural) AppendEscaped(scratch.zeros, out);
        }
        if (key.flags.reverse) {
            for (std::size_t b = start; b < out.size(); ++b) out[b] = static_cast<char>(~out[b]);
        }
    }
}

std::vector<std::uint32_t> SortOrder(const TextLines& lines, const KeyOptions& options, bool unique,
                                     const LineCollator& collator) {
    const KeyFlags& flags = options.global;
    if (options.keys.empty() && !options.trim && !options.squeeze && !flags.numeric &&
        !flags.matchCase && !unique) {
        return SortedPositions(lines, {flags.reverse, flags.natural, flags.byLength}, collator);
    }
    return SortedPositionsByKeys(lines, options, collator, unique);
}

ComparedPositions CompareLines(const TextLines& first, const TextLines& second,
                               const KeyOptions& options, const LineCollator& collator) {
    KeyFlags flags = options.global;
    flags.reverse = false;  // no part in equality
    if (options.keys.empty() && !flags.any() && !options.trim && !options.squeeze) {
        return CompareLinePositions(first, second, collator);
    }
    return CompareByKeys(first, second, options, collator);
}

}  // namespace pendara
