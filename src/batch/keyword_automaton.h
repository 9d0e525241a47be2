#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace pendara {

// Finds which of many keywords a line holds in one pass over it, however many there are: the
// keywords' Aho–Corasick automaton as a table of next states per byte class. A match counts
// only on whole characters, as FindWhole has it.
//
// Testing a line uses scratch inside the instance: one instance must not test lines on two
// threads at once.
class KeywordAutomaton {
public:
    // `keywords` are not empty. With `fold` the keywords are folded and the bytes A to Z of a
    // line match a to z.
    KeywordAutomaton(const std::vector<std::string>& keywords, bool fold);

    // False when the table would be too large to be worth it (very many long keywords with
    // many different bytes); the caller then searches one keyword at a time.
    bool usable() const { return usable_; }

    bool holdsAny(std::string_view line) const;
    bool holdsAll(std::string_view line) const;

private:
    template <typename Found>
    void scan(std::string_view line, Found found) const;

    static constexpr std::uint32_t kOutput = 0x80000000u;  // in a table entry: a match ends here
    static constexpr std::int32_t kNone = -1;

    bool usable_ = false;
    std::size_t classes_ = 1;
    std::uint16_t classOf_[256] = {};
    std::vector<std::uint32_t> table_;         // [state * classes_ + class]: next state * classes_
    std::vector<std::int32_t> keywordOf_;      // per state: the keyword that ends there, or kNone
    std::vector<std::int32_t> nextMatch_;      // per state: nearest shorter suffix state with one
    std::vector<std::uint32_t> lengths_;       // per keyword
    mutable std::vector<std::uint32_t> seen_;  // per keyword: the round it was last found in
    mutable std::uint32_t round_ = 0;
};

}  // namespace pendara
