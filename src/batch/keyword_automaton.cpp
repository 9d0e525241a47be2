#include "batch/keyword_automaton.h"

#include <algorithm>
#include <cassert>
#include <map>

#include "text/ascii.h"
#include "text/utf8.h"

namespace pendara {

namespace {

// Past this many table entries a one-keyword-at-a-time search is the better deal.
constexpr std::size_t kMaxEntries = std::size_t{1} << 21;

}  // namespace

KeywordAutomaton::KeywordAutomaton(const std::vector<std::string>& keywords, bool fold) {
    // The same keyword twice is one keyword.
    std::map<std::string, std::int32_t> ids;
    std::vector<std::string> distinct;
    for (const std::string& keyword : keywords) {
        assert(!keyword.empty());
        std::string key = fold ? LowerAscii(keyword) : keyword;
        if (ids.emplace(key, static_cast<std::int32_t>(distinct.size())).second) {
            distinct.push_back(std::move(key));
        }
    }
    // Bytes that occur in no keyword share class 0.
    std::size_t trieStates = 1;
    for (const std::string& keyword : distinct) {
        trieStates += keyword.size();
        for (const char c : keyword) {
            std::uint16_t& cls = classOf_[static_cast<unsigned char>(c)];
            if (cls == 0) cls = static_cast<std::uint16_t>(classes_++);
        }
    }
    if (fold) {
        for (char c = 'A'; c <= 'Z'; ++c) {
            classOf_[static_cast<unsigned char>(c)] =
                classOf_[static_cast<unsigned char>(FoldAscii(c))];
        }
    }
    if (trieStates * classes_ > kMaxEntries) return;
    usable_ = true;

    // The trie; a 0 entry is a missing edge (the root is never a child).
    std::vector<std::uint32_t> child(classes_);
    keywordOf_.assign(1, kNone);
    for (std::size_t k = 0; k < distinct.size(); ++k) {
        std::size_t state = 0;
        for (const char c : distinct[k]) {
            std::uint32_t& next = child[state * classes_ + classOf_[static_cast<unsigned char>(c)]];
            if (next == 0) {
                next = static_cast<std::uint32_t>(keywordOf_.size());
                keywordOf_.push_back(kNone);
                child.resize(child.size() + classes_);
            }
            state = child[state * classes_ + classOf_[static_cast<unsigned char>(c)]];
        }
        keywordOf_[state] = static_cast<std::int32_t>(k);
        lengths_.push_back(static_cast<std::uint32_t>(distinct[k].size()));
    }
    seen_.assign(distinct.size(), 0);

    // Breadth first: a state's failure state is shallower, so its row is complete when needed.
    const std::size_t states = keywordOf_.size();
    std::vector<std::uint32_t> fail(states, 0), order;
    order.reserve(states);
    nextMatch_.assign(states, kNone);
    table_.assign(states * classes_, 0);
    for (std::size_t c = 0; c < classes_; ++c) {
        if (const std::uint32_t next = child[c]; next != 0) order.push_back(next);
        table_[c] = child[c];
    }
    for (std::size_t i = 0; i < order.size(); ++i) {
        const std::uint32_t state = order[i];
        const std::uint32_t f = fail[state];
        nextMatch_[state] = keywordOf_[f] != kNone ? static_cast<std::int32_t>(f) : nextMatch_[f];
        for (std::size_t c = 0; c < classes_; ++c) {
            const std::uint32_t next = child[state * classes_ + c];
            if (next != 0) {
                fail[next] = table_[f * classes_ + c];
                order.push_back(next);
                table_[state * classes_ + c] = next;
            } else {
                table_[state * classes_ + c] = table_[f * classes_ + c];
            }
        }
    }
    // Entries hold the next state's row offset, flagged where some keyword ends in it.
    for (std::uint32_t& entry : table_) {
        const bool output = keywordOf_[entry] != kNone || nextMatch_[entry] != kNone;
        entry = static_cast<std::uint32_t>(entry * classes_) | (output ? kOutput : 0);
    }
}

template <typename Found>
void KeywordAutomaton::scan(std::string_view line, Found found) const {
    std::uint32_t row = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const std::uint32_t entry = table_[row + classOf_[static_cast<unsigned char>(line[i])]];
        row = entry & ~kOutput;
        if ((entry & kOutput) == 0) continue;
        auto state = static_cast<std::int32_t>(row / classes_);
        if (keywordOf_[static_cast<std::size_t>(state)] == kNone) {
            state = nextMatch_[static_cast<std::size_t>(state)];
        }
        for (; state != kNone; state = nextMatch_[static_cast<std::size_t>(state)]) {
            const auto keyword =
                static_cast<std::size_t>(keywordOf_[static_cast<std::size_t>(state)]);
            const std::size_t end = i + 1;
            if (IsCharBoundary(line, end - lengths_[keyword]) && IsCharBoundary(line, end) &&
                found(keyword)) {
                return;
            }
        }
    }
}

bool KeywordAutomaton::holdsAny(std::string_view line) const {
    bool any = false;
    scan(line, [&](std::size_t) { return any = true; });
    return any;
}

bool KeywordAutomaton::holdsAll(std::string_view line) const {
    if (++round_ == 0) {  // the rounds wrapped: old marks could pass for new ones
        std::fill(seen_.begin(), seen_.end(), 0);
        round_ = 1;
    }
    std::size_t missing = seen_.size();
    scan(line, [&](std::size_t keyword) {
        if (seen_[keyword] != round_) {
            seen_[keyword] = round_;
            --missing;
        }
        return missing == 0;
    });
    return missing == 0;
}

}  // namespace pendara
