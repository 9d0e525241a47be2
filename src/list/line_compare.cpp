#include "list/line_compare.h"

#include <unicode/ucol.h>
#include <unicode/uset.h>
#include <cassert>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <map>
#include <span>

#include "text/failure.h"
#include "text/utf8.h"

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace pendara {

namespace {

// A stray byte becomes a lone low surrogate, U+DC00 + byte. Valid UTF-8 never decodes to a
// surrogate and a character past U+FFFF always gives a whole pair, so no valid text can produce
// one: a stray byte never compares equal to a real character. ICU weighs a lone surrogate by its
// code point, so stray bytes sort after letters and in the order of their values.
constexpr char16_t kStrayByteBase = 0xDC00;

// The locale whose order the C library would use: the first of LC_ALL, LC_COLLATE and LANG that
// is set. ICU's own default follows LC_MESSAGES, which says nothing about order.
std::string UserCollationLocale() {
    for (const char* variable : {"LC_ALL", "LC_COLLATE", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value == nullptr || *value == '\0') continue;
        // "sv_SE.UTF-8@euro": the code set and modifier do not change the order.
        const std::string_view name(value);
        const std::string locale(name.substr(0, name.find_first_of(".@")));
        // C and POSIX would order by code point and so tell capitals from small letters; the
        // root collation is the neutral choice there.
        if (locale == "C" || locale == "POSIX") return "";
        return locale;
    }
    return "";
}

}  // namespace

void DecodeForCollation(std::string_view text, std::u16string& out) {
    out.clear();
    out.reserve(text.size());
    WalkUtf8(
        text,
        [&](char32_t cp, std::string_view) {
            if (cp < 0x10000) {
                out.push_back(static_cast<char16_t>(cp));
            } else {
                cp -= 0x10000;
                out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
                out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
            }
        },
        [&](unsigned char stray) { out.push_back(static_cast<char16_t>(kStrayByteBase + stray)); });
}

namespace {

UCollator* OpenCollator(const char* locale) {
    UErrorCode status = U_ZERO_ERROR;
    UCollator* collator = ucol_open(locale, &status);
    if (U_FAILURE(status)) {
        status = U_ZERO_ERROR;
        collator = ucol_open("", &status);
    }
    if (U_FAILURE(status) || collator == nullptr) throw Failure("Cannot open the line comparison");
    ucol_setStrength(collator, UCOL_SECONDARY);
    return collator;
}

bool IsAscii(UChar32 c) { return c >= 0 && c < 0x80; }

// The ASCII characters that take part in a contraction (or a prefix rule) all of whose characters
// are ASCII, or that expand to more than one weight: in such a character's company an ASCII line
// no longer weighs one character at a time. Contractions with other characters cannot match in a
// line of ASCII only. False when the collator cannot tell.
bool MarkJoinedCharacters(const UCollator* collator, std::array<bool, 128>& joined) {
    UErrorCode status = U_ZERO_ERROR;
    USet* contractions = uset_openEmpty();
    USet* expansions = uset_openEmpty();
    ucol_getContractionsAndExpansions(collator, contractions, expansions, true, &status);
    std::u16string text(16, u'\0');
    for (int32_t i = 0; U_SUCCESS(status) && i < uset_getItemCount(contractions); ++i) {
        UChar32 start = 0, end = 0;
        int32_t length =
            uset_getItem(contractions, i, &start, &end, reinterpret_cast<UChar*>(text.data()),
                         static_cast<int32_t>(text.size()), &status);
        if (status == U_BUFFER_OVERFLOW_ERROR) {
            status = U_ZERO_ERROR;
            text.resize(static_cast<std::size_t>(length));
            length =
                uset_getItem(contractions, i, &start, &end, reinterpret_cast<UChar*>(text.data()),
                             static_cast<int32_t>(text.size()), &status);
        }
        if (U_FAILURE(status)) break;
        if (length == 0) {  // a range of single characters
            for (UChar32 c = start; c <= end && c < 0x80; ++c)
                joined[static_cast<std::size_t>(c)] = true;
            continue;
        }
        const std::u16string_view item(text.data(), static_cast<std::size_t>(length));
        if (std::all_of(item.begin(), item.end(), [](char16_t c) { return IsAscii(c); })) {
            for (const char16_t c : item) joined[c] = true;
        }
    }
    for (UChar32 c = 0; U_SUCCESS(status) && c < 0x80; ++c) {
        if (uset_contains(expansions, c)) joined[static_cast<std::size_t>(c)] = true;
    }
    uset_close(contractions);
    uset_close(expansions);
    return U_SUCCESS(status);
}

UColAttributeValue Attribute(const UCollator* collator, UColAttribute attribute) {
    UErrorCode status = U_ZERO_ERROR;
    const UColAttributeValue value = ucol_getAttribute(collator, attribute, &status);
    return U_SUCCESS(status) ? value : UCOL_DEFAULT;
}

}  // namespace

LineCollator::LineCollator(const char* locale) : locale_(locale), collator_(OpenCollator(locale)) {
    makeQuickRanks();
}

LineCollator::LineCollator(const LineCollator& other, ForAnotherThread)
    : locale_(other.locale_),
      collator_(OpenCollator(locale_.c_str())),
      quickRank_(other.quickRank_),
      printableQuick_(other.printableQuick_) {}

// A character qualifies when its key is one primary weight and the secondary weight all the
// others share. Then two lines of such characters compare at the first level weight by weight and
// tie at the second exactly when the first ties, so the primaries' places, one byte each, order
// them like the full keys. Settings that weigh characters by their neighbours (numbers as
// values, ignorable punctuation, a case level) leave no quick keys at all.
void LineCollator::makeQuickRanks() {
    if (Attribute(collator_, UCOL_ALTERNATE_HANDLING) != UCOL_NON_IGNORABLE ||
        Attribute(collator_, UCOL_NUMERIC_COLLATION) != UCOL_OFF ||
        Attribute(collator_, UCOL_CASE_LEVEL) != UCOL_OFF) {
        return;
    }
    std::array<bool, 128> joined{};
    if (!MarkJoinedCharacters(collator_, joined)) return;
    struct Weights {
        std::string primary, secondary;
    };
    std::map<unsigned char, Weights> candidates;
    std::map<std::string, int> secondaryCounts;
    for (unsigned char c = 1; c < 0x80; ++c) {
        if (joined[c]) continue;
        const UChar text = c;
        uint8_t key[64];
        const int32_t length = ucol_getSortKey(collator_, &text, 1, key, sizeof key);
        const std::string_view bytes(reinterpret_cast<const char*>(key),
                                     static_cast<std::size_t>(std::min<int32_t>(length, 64)));
        const std::size_t level = bytes.find('\x01');
        if (length > 64 || level == 0 || level == std::string_view::npos) continue;
        Weights weights{std::string(bytes.substr(0, level)), std::string(bytes.substr(level + 1))};
        ++secondaryCounts[weights.secondary];
        candidates.emplace(c, std::move(weights));
    }
    if (candidates.empty()) return;
    const std::string common =
        std::max_element(secondaryCounts.begin(), secondaryCounts.end(),
                         [](const auto& a, const auto& b) { return a.second < b.second; })
            ->first;
    std::map<std::string, std::vector<unsigned char>> byPrimary;  // ordered like the weights
    for (const auto& [c, weights] : candidates) {
        if (weights.secondary == common) byPrimary[weights.primary].push_back(c);
    }
    unsigned char rank = 0;
    for (const auto& [primary, characters] : byPrimary) {
        ++rank;
        for (const unsigned char c : characters) quickRank_[c] = rank;
    }
    constexpr std::size_t kSpace = 0x20, kTilde = 0x7E;
    printableQuick_ = std::all_of(quickRank_.begin() + kSpace, quickRank_.begin() + kTilde + 1,
                                  [](unsigned char r) { return r != 0; });
}

bool LineCollator::hasQuickKey(std::string_view line) const {
    std::size_t i = 0;
#ifdef __SSE2__
    if (printableQuick_) {
        // Sixteen bytes at a time while they are all printable ASCII.
        const __m128i belowSpace = _mm_set1_epi8(' ' - 1), aboveTilde = _mm_set1_epi8('~' + 1);
        for (; i + 16 <= line.size(); i += 16) {
            const __m128i bytes =
                _mm_loadu_si128(reinterpret_cast<const __m128i*>(line.data() + i));
            const __m128i printable =
                _mm_and_si128(_mm_cmpgt_epi8(bytes, belowSpace), _mm_cmplt_epi8(bytes, aboveTilde));
            if (_mm_movemask_epi8(printable) != 0xFFFF) break;
        }
    }
#endif
    for (; i < line.size(); ++i) {
        const auto c = static_cast<unsigned char>(line[i]);
        if (c >= 0x80 || quickRank_[c] == 0) return false;
    }
    return true;
}

LineCollator::~LineCollator() { ucol_close(collator_); }

const LineCollator& LineCollator::forUserLocale() {
    static const LineCollator collator(UserCollationLocale().c_str());
    return collator;
}

void LineCollator::appendSortKey(std::string_view line, std::string& out, KeyForm form) const {
    if (form == KeyForm::Quick) {
        assert(hasQuickKey(line));
        const std::size_t start = out.size();
        out.resize(start + line.size() + 1);
        char* key = out.data() + start;
        for (const char c : line)
            *key++ = static_cast<char>(quickRank_[static_cast<unsigned char>(c)]);
        *key = '\0';
        return;
    }
    DecodeForCollation(line, utf16_);
    // ICU counts text and key in int32_t; a line past that has no key, and an empty one would
    // make it equal to every other such line.
    constexpr std::size_t kMost = std::numeric_limits<int32_t>::max();
    if (utf16_.size() > kMost) throw Failure("Line too long to compare");
    const auto* src = reinterpret_cast<const UChar*>(utf16_.data());
    const auto srcLength = static_cast<int32_t>(utf16_.size());
    const std::size_t start = out.size();
    // Keys run about twice the text's length at secondary strength; grow once if that is short.
    std::size_t room = std::min(utf16_.size() * 3 + 16, kMost);
    out.resize(start + room);
    int32_t needed =
        ucol_getSortKey(collator_, src, srcLength, reinterpret_cast<uint8_t*>(out.data() + start),
                        static_cast<int32_t>(room));
    if (needed > 0 && static_cast<std::size_t>(needed) > room) {
        room = static_cast<std::size_t>(needed);
        out.resize(start + room);
        needed = ucol_getSortKey(collator_, src, srcLength,
                                 reinterpret_cast<uint8_t*>(out.data() + start),
                                 static_cast<int32_t>(room));
    }
    if (needed <= 0 || static_cast<std::size_t>(needed) > room) {
        out.resize(start);
        throw Failure("Line too long to compare");
    }
    out.resize(start + static_cast<std::size_t>(needed));
    assert(out.size() > start && out.back() == '\0');  // a key ends with a 0 byte
}

std::string LineCollator::sortKey(std::string_view line) const {
    std::string key;
    appendSortKey(line, key);
    return key;
}

int LineCollator::compare(std::string_view a, std::string_view b) const {
    return sortKey(a).compare(sortKey(b));
}

}  // namespace pendara
