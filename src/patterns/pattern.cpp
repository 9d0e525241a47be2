#include "patterns/pattern.h"

#include <re2/re2.h>

#include <algorithm>
#include <atomic>
#include <cassert>
#include <thread>

#include "os/helper_thread.h"
#include "text/ascii.h"
#include "text/utf8.h"

namespace pendara {

namespace {

// A stray byte B becomes U+10FF00 + B: F4 8F BE or BF, then the low six bits of B.
constexpr unsigned char kStrayLead[3] = {0xF4, 0x8F, 0xBC};

// Byte length of the character that starts with `lead` in valid UTF-8.
std::size_t ValidCharLength(unsigned char lead) {
    return lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
}

// Where the character before `at` starts, in valid UTF-8 (at > 0).
std::size_t PreviousCharStart(std::string_view text, std::size_t at) {
    do {
        --at;
    } while (at > 0 && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80);
    return at;
}

re2::StringPiece Piece(std::string_view text) { return {text.data(), text.size()}; }

[[noreturn]] void Refuse(std::string_view pattern, const std::string& problem) {
    throw PatternError("bad pattern \"" + std::string(pattern) + "\": " + problem, problem);
}

// What RE2 reported, in the words the user needs to fix the pattern.
std::string ProblemText(const re2::RE2& re) {
    const std::string& arg = re.error_arg();
    switch (re.error_code()) {
        case re2::RE2::ErrorMissingParen:
            return "missing )";
        case re2::RE2::ErrorUnexpectedParen:
            return "unexpected )";
        case re2::RE2::ErrorMissingBracket:
            return "missing ]";
        case re2::RE2::ErrorRepeatArgument:
            return "invalid repetition: nothing to repeat before " + arg;
        case re2::RE2::ErrorRepeatOp:
            return "invalid repetition " + arg;
        case re2::RE2::ErrorRepeatSize:
            return "invalid repetition " + arg + " (counts go up to 1000)";
        case re2::RE2::ErrorBadEscape:
            if (arg.size() == 2 && arg[1] >= '1' && arg[1] <= '9') {
                return "back-references such as " + arg + " are not supported";
            }
            return "invalid escape " + arg;
        case re2::RE2::ErrorTrailingBackslash:
            return "trailing \\";
        case re2::RE2::ErrorBadCharClass:
            return "invalid character class " + arg;
        case re2::RE2::ErrorBadCharRange:
            return "invalid character range " + arg;
        case re2::RE2::ErrorBadPerlOp:
            return "invalid group " + arg;
        case re2::RE2::ErrorBadNamedCapture:
            return "invalid group name " + arg;
        case re2::RE2::ErrorPatternTooLarge:
            return "the pattern needs more than 64 MiB of memory";
        default:
            return re.error();
    }
}

// The user's pattern as RE2 takes it: stray bytes as the characters lines have for them, and
// a \Q left open closed again, so that wrapping it in a group cannot swallow the group's end.
// Refuses what RE2 would only report misleadingly.
std::string PrepareSource(std::string_view pattern) {
    bool quoted = false, inClass = false;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        const std::string_view rest = pattern.substr(i);
        if (quoted) {
            if (rest.starts_with("\\E")) quoted = false, ++i;
            continue;
        }
        if (c == '\\') {
            if (rest.starts_with("\\Q")) quoted = true;
            if (!inClass && rest.starts_with("\\C")) Refuse(pattern, "invalid escape \\C");
            ++i;
            continue;
        }
        if (inClass) {
            if (rest.starts_with("[:")) {
                const std::size_t close = pattern.find(":]", i + 2);
                if (close != std::string_view::npos) i = close + 1;
            } else if (c == ']') {
                inClass = false;
            }
            continue;
        }
        if (c == '[') {
            inClass = true;
            if (i + 1 < pattern.size() && pattern[i + 1] == '^') ++i;
            if (i + 1 < pattern.size() && pattern[i + 1] == ']') ++i;  // a ] right after [ is one
        } else if (rest.starts_with("(?=") || rest.starts_with("(?!") || rest.starts_with("(?<=") ||
                   rest.starts_with("(?<!")) {
            Refuse(pattern, "look-around " + std::string(rest.substr(0, rest[2] == '<' ? 4 : 3)) +
                                " is not supported");
        }
    }
    std::string source;
    ToSearchText(pattern, source, nullptr);
    if (quoted) source += "\\E";
    return source;
}

re2::RE2::Options EngineOptions(const PatternOptions& options) {
    re2::RE2::Options engine;
    engine.set_log_errors(false);
    engine.set_case_sensitive(!options.ignoreCase);
    engine.set_dot_nl(true);  // a line is what `.` works in; with NUL records it may hold LF
    // RE2 gives two thirds of its budget to the program.
    engine.set_max_mem(static_cast<int64_t>(Pattern::kMemoryLimit) * 3 / 2);
    return engine;
}

// The words of patterns made of plain words and | only, such as "apple|car", or none. A word
// that is empty, holds a line break (found as bytes, it would join two lines) or is not valid
// UTF-8 leaves the pattern to the engine.
std::vector<std::string> PlainAlternatives(const std::vector<std::string>& alternatives) {
    std::vector<std::string> words;
    for (const std::string& alternative : alternatives) {
        std::size_t start = 0;
        for (std::size_t bar; start <= alternative.size(); start = bar + 1) {
            bar = std::min(alternative.find('|', start), alternative.size());
            const std::string_view word = std::string_view(alternative).substr(start, bar - start);
            if (word.empty() || word.find_first_of("\\.^$?*+()[]{}\r\n") != word.npos ||
                FirstStrayByte(word) != word.npos) {
                return {};
            }
            words.emplace_back(word);
        }
    }
    return words;
}

// Where the first of `words` occurs in `text`, or npos. The words are looked for in a window
// that doubles, so that a rare one is not sought to the end of the text each time.
std::size_t FindAnyLiteral(std::string_view text, const std::vector<std::string>& words) {
    std::size_t from = 0;
    for (std::size_t window = 128;; window *= 2) {
        const std::size_t end = std::min(text.size(), from + window);
        std::size_t first = std::string_view::npos;
        for (const std::string& word : words) {
            // Every place before `end` where the word may start.
            const std::string_view part =
                text.substr(0, std::min(text.size(), end + word.size() - 1));
            first = std::min(first, part.find(word, from));
        }
        if (first != std::string_view::npos || end == text.size()) return first;
        from = end;
    }
}

// `source` for a search across lines ended by LF or CR LF that finds what a search of each
// line would: ^ and $ at every line end, $ and \z before a CR LF too, \A at every line start,
// and a stop at every lone CR. False when the pattern turns multi-line mode off itself.
bool AcrossLinesSource(std::string_view source, std::string& out) {
    constexpr std::string_view kLineEnd = "(?:\\r?$)";
    out = "(?m:";
    bool quoted = false, inClass = false;
    for (std::size_t i = 0; i < source.size(); ++i) {
        const std::string_view rest = source.substr(i);
        const char c = source[i];
        if (quoted) {
            if (rest.starts_with("\\E")) quoted = false;
        } else if (c == '\\' && i + 1 < source.size()) {
            const char next = source[++i];
            if (!inClass && next == 'A') {
                out += '^';
            } else if (!inClass && next == 'z') {
                out += kLineEnd;
            } else {
                quoted = next == 'Q';
                out += c;
                out += next;
            }
            continue;
        } else if (inClass) {
            if (rest.starts_with("[:")) {
                const std::size_t close = source.find(":]", i + 2);
                if (close != std::string_view::npos) {
                    out += source.substr(i, close + 2 - i);
                    i = close + 1;
                    continue;
                }
            }
            inClass = c != ']';
        } else if (c == '[') {
            inClass = true;
            out += c;
            if (i + 1 < source.size() && source[i + 1] == '^') out += source[++i];
            if (i + 1 < source.size() && source[i + 1] == ']') out += source[++i];
            continue;
        } else if (c == '$') {
            out += kLineEnd;
            continue;
        } else if (rest.starts_with("(?")) {
            const std::size_t flagsEnd = rest.find_first_of(":)");
            if (rest.substr(0, flagsEnd).find('m') != std::string_view::npos) return false;
        }
        out += c;
    }
    // Lone CRs break lines as well: the search stops at them, for the line to be asked alone.
    out += ")|\\r(?:[^\\n]|\\z)";
    return true;
}

// A letter, digit, mark or _ is part of a word; stray bytes and everything else are not.
constexpr std::string_view kNotWordChar = "[^\\pL\\pN\\pM_]";

}  // namespace

std::size_t FirstStrayByte(std::string_view text) {
    const auto* const begin = reinterpret_cast<const unsigned char*>(text.data());
    const auto* const end = begin + text.size();
    for (const auto* p = begin; p < end;) {
        if (end - p >= 8 && !HasNonAscii(LoadWord(reinterpret_cast<const char*>(p)))) {
            p += 8;
        } else if (*p < 0x80) {
            ++p;
        } else {
            char32_t cp;
            const int length = DecodeUtf8(p, end, cp);
            if (length == 0) return static_cast<std::size_t>(p - begin);
            p += length;
        }
    }
    return std::string_view::npos;
}

void ToSearchText(std::string_view text, std::string& out, std::vector<std::size_t>* offsets) {
    out.clear();
    if (offsets != nullptr) offsets->clear();
    std::size_t at = 0;  // in text
    WalkUtf8(
        text,
        [&](char32_t, std::string_view bytes) {
            if (offsets != nullptr) {
                for (std::size_t i = 0; i < bytes.size(); ++i) offsets->push_back(at + i);
            }
            out += bytes;
            at += bytes.size();
        },
        [&](unsigned char stray) {
            if (offsets != nullptr) offsets->insert(offsets->end(), 4, at);
            out += static_cast<char>(kStrayLead[0]);
            out += static_cast<char>(kStrayLead[1]);
            out += static_cast<char>(kStrayLead[2] | (stray >> 6));
            out += static_cast<char>(0x80 | (stray & 0x3F));
            ++at;
        });
    if (offsets != nullptr) offsets->push_back(text.size());
}

std::string QuotedPattern(std::string_view text) { return re2::RE2::QuoteMeta(Piece(text)); }

namespace {

// A place in a text where a line may match, and whether it does for certain.
struct Candidate {
    std::size_t at;
    bool sure;
};

}  // namespace

struct Pattern::Engine {
    std::string source;  // what `re` was compiled from
    re2::RE2::Options options;
    std::unique_ptr<re2::RE2> re;
    // When the pattern is plain words and | only, the words: found as bytes, which is faster.
    std::vector<std::string> literals;
    // The pattern over many lines at once, made when first asked for (see findCandidate).
    std::unique_ptr<re2::RE2> acrossLines;
    bool acrossLinesSure = true;  // whether a match it finds can make a line sure
    // The second part of a long text, searched whole on the helper thread while this thread
    // searches the first part line by line; see findCandidate.
    struct SecondPart {
        const char* from = nullptr;   // the text it was split from, for as long as it continues
        const char* start = nullptr;  // the second part in that text
        const char* end = nullptr;
        // The helper's own copy, taken before a place in the first part goes back to the
        // caller, who may then change the text: by the helper, or here if it has not yet.
        std::string copy;
        enum CopyState { kNotCopied, kCopying, kCopied };
        std::atomic<int> copyState{kNotCopied};
        // Whoever comes first copies; the other waits the few microseconds that takes, spinning:
        // a thread put to sleep may take a millisecond to wake.
        void takeCopy() {
            int state = kNotCopied;
            if (copyState.compare_exchange_strong(state, kCopying, std::memory_order_acquire)) {
                try {
                    copy.assign(start, end);
                } catch (...) {
                    copyState.store(kNotCopied, std::memory_order_release);
                    throw;
                }
                copyState.store(kCopied, std::memory_order_release);
                return;
            }
            while (state != kCopied) {
                if (state == kNotCopied) return takeCopy();  // the other's copy failed
                std::this_thread::yield();
                state = copyState.load(std::memory_order_acquire);
            }
        }
        std::vector<Candidate> found;
        std::size_t next = 0;  // the first of `found` not yet handed out
        bool searching = false;
    } second;
    std::unique_ptr<HelperThread> helper;
    // For the word test past the start of a line: with ^ left out, as a search that starts one
    // character back at the line's start would otherwise find ^ there.
    std::unique_ptr<re2::RE2> reAfterStart;
    int shift = 0;  // groups of the word test's own before the user's
    std::vector<re2::StringPiece> pieces;
};

Pattern::Pattern(const std::vector<std::string>& alternatives, PatternOptions options)
    : engine_(std::make_unique<Engine>()) {
    assert(!alternatives.empty());
    const re2::RE2::Options engineOptions = EngineOptions(options);
    std::vector<std::string> sources;
    for (const std::string& alternative : alternatives) {
        sources.push_back(PrepareSource(alternative));
        // Each on its own first: in a combined source a ")" of one could close another's group.
        auto alone = std::make_unique<re2::RE2>(sources.back(), engineOptions);
        if (!alone->ok()) Refuse(alternative, ProblemText(*alone));
        if (alternatives.size() == 1 && !options.word && !options.line) {
            engine_->source = sources.back();
            engine_->re = std::move(alone);
        }
    }
    engine_->options = engineOptions;
    if (!options.ignoreCase && !options.word && !options.line) {
        engine_->literals = PlainAlternatives(alternatives);
    }
    if (!engine_->re) {
        std::string body;
        for (const std::string& source : sources) {
            if (!body.empty()) body += '|';
            body += "(?:" + source + ")";
        }
        std::string combined;
        if (options.line) {
            combined = "^(?:" + body + ")$";
        } else if (options.word) {
            const std::string rest = "(" + body + ")(?:$|" + std::string(kNotWordChar) + ")";
            combined = "(?:^|" + std::string(kNotWordChar) + ")" + rest;
            engine_->reAfterStart =
                std::make_unique<re2::RE2>(std::string(kNotWordChar) + rest, engineOptions);
            engine_->shift = 1;
        } else {
            combined = body;
        }
        engine_->re = std::make_unique<re2::RE2>(combined, engineOptions);
        engine_->source = combined;
        if (!engine_->re->ok()) {
            std::string all;
            for (const std::string& alternative : alternatives) {
                all += (all.empty() ? "" : " | ") + alternative;
            }
            Refuse(all, ProblemText(*engine_->re));
        }
    }
    groups_ = engine_->re->NumberOfCapturingGroups() - engine_->shift;
    engine_->pieces.resize(static_cast<std::size_t>(engine_->re->NumberOfCapturingGroups()) + 1);
}

Pattern::~Pattern() = default;

std::string_view Pattern::searchText(std::string_view line) const {
    if (FirstStrayByte(line) == std::string_view::npos) return line;
    ToSearchText(line, translated_, &lineOffsets_);
    return translated_;
}

bool Pattern::matches(std::string_view line) const {
    if (!engine_->literals.empty()) return FindAnyLiteral(line, engine_->literals) != line.npos;
    const std::string_view text = searchText(line);
    return engine_->re->Match(Piece(text), 0, text.size(), re2::RE2::UNANCHORED, nullptr, 0);
}

namespace {

// Pattern::findCandidate's search of `text` with its across-lines pattern `re`; `canBeSure`
// tells whether a match of `re` can make a line sure.
std::size_t FindCandidateIn(const re2::RE2& re, bool canBeSure, std::string_view text, bool& sure) {
    sure = false;
    re2::StringPiece match;
    const bool found = re.Match(Piece(text), 0, text.size(), re2::RE2::UNANCHORED, &match, 1);
    const std::size_t at =
        found ? static_cast<std::size_t>(match.data() - text.data()) : text.size();
    std::size_t lineStart = at;
    while (lineStart > 0 && text[lineStart - 1] != '\n') --lineStart;
    // Before `at` the search saw only lines ended by LF or CR LF, unless a stray byte hid a
    // match or a lone CR (the stop at one needs a character after it): the first stray byte
    // comes first, to be asked about on its own, or the line a CR before it ends.
    const std::size_t stray = FirstStrayByte(text.substr(0, at));
    if (stray != std::string_view::npos)
        return stray > 0 && text[stray - 1] == '\r' ? stray - 1 : stray;
    if (!found) return std::string_view::npos;
    // Sure when the line is valid UTF-8 ended by LF or CR LF and the match leaves its CR alone.
    const std::size_t lineEnd = text.find('\n', lineStart);
    if (lineEnd != std::string_view::npos && canBeSure) {
        std::string_view line = text.substr(lineStart, lineEnd - lineStart);
        if (line.ends_with('\r')) line.remove_suffix(1);
        sure = line.find('\r') == std::string_view::npos &&
               FirstStrayByte(line) == std::string_view::npos &&
               at + match.size() <= lineStart + line.size();
    }
    return at;
}

// Texts at least this long are searched in two parts at once.
constexpr std::size_t kTwoPartsFrom = 64 * 1024;

// Every candidate FindCandidateIn leads to in `text`, each searched for from the line after
// the last one's, as a reader that splits at CR LF, lone CR and lone LF asks on.
void FindAllCandidatesIn(const re2::RE2& re, bool canBeSure, std::string_view text,
                         std::vector<Candidate>& found) {
    std::size_t from = 0;
    while (from < text.size()) {
        bool sure = false;
        const std::size_t at = FindCandidateIn(re, canBeSure, text.substr(from), sure);
        if (at == std::string_view::npos) return;
        found.push_back({from + at, sure});
        const std::size_t brk = text.find_first_of("\r\n", from + at);
        if (brk == std::string_view::npos) return;
        from = brk + (text.substr(brk, 2) == "\r\n" ? 2 : 1);
    }
}

}  // namespace

std::size_t Pattern::findCandidate(std::string_view text, bool& sure, bool continues) const {
    if (!engine_->literals.empty()) {
        // A word of valid UTF-8 found as bytes lies on whole characters, and holds no break.
        sure = true;
        return FindAnyLiteral(text, engine_->literals);
    }
    if (!engine_->acrossLines) {
        std::string source;
        re2::RE2::Options options = engine_->options;
        options.set_never_nl(true);
        if (AcrossLinesSource(engine_->source, source)) {
            engine_->acrossLines = std::make_unique<re2::RE2>(source, options);
        }
        if (!engine_->acrossLines || !engine_->acrossLines->ok()) {
            // Then every line is asked about on its own: the empty match at its start is never
            // sure.
            engine_->acrossLines = std::make_unique<re2::RE2>("", options);
            engine_->acrossLinesSure = false;
        }
    }
    const re2::RE2& re = *engine_->acrossLines;
    const bool canBeSure = engine_->acrossLinesSure;
    Engine::SecondPart& second = engine_->second;
    const char* const end = text.data() + text.size();
    const auto waitForSecond = [&] {
        if (!second.searching) return;
        second.searching = false;
        engine_->helper->wait();
    };
    // A long text is searched in two parts at once: the second, after a LF, whole on another
    // core, for every line it may keep; the first here, a line at a time as the caller asks.
    // A line never reaches past a LF, so each part finds what the whole would find there.
    // While the caller asks on into the same text, it is answered from both.
    if (!continues || second.start == nullptr || second.end != end || text.data() < second.from) {
        waitForSecond();
        second.start = nullptr;
        const std::size_t middle = text.size() >= kTwoPartsFrom && HelperThread::Worthwhile()
                                       ? text.find('\n', text.size() / 2)
                                       : std::string_view::npos;
        if (middle == std::string_view::npos || middle + 1 == text.size()) {
            return FindCandidateIn(re, canBeSure, text, sure);
        }
        second.from = text.data();
        second.start = text.data() + middle + 1;
        second.end = end;
        second.found.clear();
        second.next = 0;
        second.copyState.store(Engine::SecondPart::kNotCopied, std::memory_order_relaxed);
        if (!engine_->helper) engine_->helper = std::make_unique<HelperThread>();
        // The helper copies its part itself, so this thread starts on its own part at once.
        engine_->helper->start([&re, canBeSure, &second] {
            second.takeCopy();
            FindAllCandidatesIn(re, canBeSure, second.copy, second.found);
        });
        second.searching = true;
    }
    if (text.data() < second.start) {
        const std::size_t at = FindCandidateIn(
            re, canBeSure,
            std::string_view(text.data(), static_cast<std::size_t>(second.start - text.data())),
            sure);
        if (at != std::string_view::npos) {
            if (second.searching) {
                try {
                    second.takeCopy();
                } catch (...) {
                    waitForSecond();  // the helper must be off the text before it goes
                    throw;
                }
            }
            return at;
        }
    }
    waitForSecond();
    const auto before =
        static_cast<std::size_t>(std::max(text.data(), second.start) - second.start);
    while (second.next < second.found.size() && second.found[second.next].at < before)
        ++second.next;
    if (second.next == second.found.size()) {
        second.start = nullptr;
        return std::string_view::npos;
    }
    sure = second.found[second.next].sure;
    return static_cast<std::size_t>(second.start + second.found[second.next].at - text.data());
}

LineMatches::LineMatches(const Pattern& pattern, std::string_view line, int groups)
    : pattern_(pattern), groups_(std::max(groups, 1)) {
    if (line.data() == nullptr) line = std::string_view("", 0);
    text_ = pattern.searchText(line);
    translated_ = text_.data() != line.data();
    if (pattern.submatches_.size() < static_cast<std::size_t>(groups_)) {
        pattern.submatches_.resize(static_cast<std::size_t>(groups_));
    }
}

bool LineMatches::next() {
    Pattern::Engine& engine = *pattern_.engine_;
    const int wanted = std::min(engine.shift + groups_, static_cast<int>(engine.pieces.size()));
    while (!done_ && from_ <= text_.size()) {
        // The word test looks at the character before the match, so it starts one back.
        const bool back = engine.shift != 0 && from_ > 0;
        const re2::RE2& re = back ? *engine.reAfterStart : *engine.re;
        const std::size_t start = back ? PreviousCharStart(text_, from_) : from_;
        if (!re.Match(Piece(text_), start, text_.size(), re2::RE2::UNANCHORED, engine.pieces.data(),
                      wanted)) {
            break;
        }
        const re2::StringPiece& match = engine.pieces[static_cast<std::size_t>(engine.shift)];
        const auto begin = static_cast<std::size_t>(match.data() - text_.data());
        const std::size_t end = begin + match.size();
        assert(begin >= from_);
        if (begin == end && begin == lastEnd_) {
            if (begin == text_.size()) break;
            from_ = begin + ValidCharLength(static_cast<unsigned char>(text_[begin]));
            continue;
        }
        for (int n = 0; n < groups_; ++n) {
            Submatch& group = pattern_.submatches_[static_cast<std::size_t>(n)];
            const int piece = engine.shift + n;
            if (piece >= wanted ||
                engine.pieces[static_cast<std::size_t>(piece)].data() == nullptr) {
                group = Submatch{};
                continue;
            }
            const re2::StringPiece& found = engine.pieces[static_cast<std::size_t>(piece)];
            group.begin = static_cast<std::size_t>(found.data() - text_.data());
            group.end = group.begin + found.size();
            if (translated_) {
                group.begin = pattern_.lineOffset(group.begin);
                group.end = pattern_.lineOffset(group.end);
            }
        }
        from_ = lastEnd_ = end;
        return true;
    }
    done_ = true;
    return false;
}

}  // namespace pendara
