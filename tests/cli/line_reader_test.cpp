#include "cli/line_reader.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "batch/keyword_filter.h"
#include "batch/keyword_sieve.h"
#include "batch/text_primitives.h"
#include "cli/cli_runner.h"
#include "files/list_file.h"
#include "list/line_list.h"

namespace pendara::testing {
namespace {

std::vector<std::string> ReadInBlocks(const std::string& bytes, std::size_t blockSize) {
    cli::LineReader reader(TempFile("blocks.txt", bytes), blockSize);
    std::vector<std::string> lines;
    for (std::string_view line; reader.next(line);) lines.emplace_back(line);
    return lines;
}

std::vector<std::string> ReadHoldingInBlocks(const std::string& bytes, std::size_t blockSize,
                                             std::string_view needle) {
    cli::LineReader reader(TempFile("blocks.txt", bytes), blockSize);
    std::vector<std::string> lines;
    // A text said to continue is the tail of the last one, with the same bytes there.
    std::string last;
    const char* lastEnd = nullptr;
    const auto find = [&](std::string_view text, bool continues) {
        if (continues) {
            EXPECT_EQ(text.data() + text.size(), lastEnd);
            EXPECT_TRUE(last.ends_with(text));
        }
        last.assign(text);
        lastEnd = text.data() + text.size();
        return FindWhole(text, needle);
    };
    for (std::string_view line; reader.nextHolding(line, find);) lines.emplace_back(line);
    return lines;
}

// Guards the block reader against ending lines differently from reading the whole file: breaks,
// marks, surrogates and a NUL cut across block edges at every place; and the lines passed over
// for lacking a text against taking a line that holds it with them.
TEST(LineReader, GivesTheWholeFileLinesWhereverBlocksEnd) {
    std::vector<std::string> inputs = {
        "",
        "\n",
        "a",
        "a\n",
        "a\r\nb",
        "a\rb\r",
        "\r\n\r\n",
        "a\r",
        "\r",
        "\n\r",
        "a\0b\nc",
        std::string("\0", 1),
        "\xEF\xBB\xBF"
        "a\r\nb",
        "\xEF\xBB",
        "\xEF",
        "\xFF",
        std::string("\xFF\xFE"
                    "a\0\r\0\n\0b\0\r\0",
                    12),
        std::string("\xFE\xFF\0a\0\n\xD8\x3D\xDE\x00\0\n\xD8\x3D", 15),  // pair, lone high half
        std::string("\xFF\xFE"
                    "a\0\0\0b\0",
                    8),  // a UTF-16 NUL
        std::string("\xFF\xFE"
                    "a\0b",
                    5),  // odd last byte
    };
    std::mt19937 random(7);
    const std::string alphabet = std::string("ab\r\n\r\n \xC3\xA9", 9);
    for (int i = 0; i < 60; ++i) {
        std::string text;
        for (int n = static_cast<int>(random() % 40); n > 0; --n) {
            text.push_back(alphabet[random() % alphabet.size()]);
        }
        inputs.push_back(text);
    }
    for (const std::string& bytes : inputs) {
        const std::vector<std::string> whole = SplitLines(DecodeListText(bytes));
        for (const std::size_t block : {1u, 2u, 3u, 5u, 8u, 64u}) {
            SCOPED_TRACE("input of " + std::to_string(bytes.size()) + " bytes, block " +
                         std::to_string(block));
            EXPECT_EQ(ReadInBlocks(bytes, block), whole);
            for (const std::string_view needle : {"a", "ab", "\xA9"}) {
                std::vector<std::string> holding;
                for (const std::string& line : whole) {
                    if (FindWhole(line, needle) != std::string_view::npos) holding.push_back(line);
                }
                EXPECT_EQ(ReadHoldingInBlocks(bytes, block, needle), holding);
            }
        }
    }
}

// Guards against a keyword matching where a block's end cuts a character short: `x\xC3` in
// `x\xC3\xA9` kept a line that the whole-list rule drops. Any bytes, any keywords, any block size.
TEST(LineReader, FilterKeepsWhatTheWholeListRuleKeepsWhereverBlocksEnd) {
    std::mt19937 random(20);
    const std::string often("\r\n \xC3\xA9\xE2\x82\xAC\xF0\x9F\x98xXa", 15);
    const auto bytes = [&](std::string made, std::size_t most) {
        for (std::size_t n = random() % (most + 1); n > 0; --n) {
            made += random() % 4 != 0 ? often[random() % often.size()]
                                      : static_cast<char>(random() % 256);
        }
        return made;
    };
    int judged = 0;
    for (int round = 0; round < 400; ++round) {
        const std::string include = bytes("", 5);
        // The include text itself, several times, for block edges to cut at every place.
        std::string text = bytes("x", 10);  // never a byte-order mark
        for (int copy = 0; copy < 4; ++copy) text = bytes(text + include, 8);
        const KeywordFilter filter{include, random() % 2 ? KeywordMatch::All : KeywordMatch::Any,
                                   "", KeywordMatch::Any,
                                   random() % 2 ? LetterCase::Match : LetterCase::Ignore};
        const KeywordSieve sieve(filter);
        if (!sieve.hasRequired()) continue;  // the reader's search serves only this case
        ++judged;
        LineList whole(SplitLines(text));
        FilterByKeywords(whole, filter);
        for (const std::size_t block : {1u, 2u, 3u, 5u, 16u}) {
            SCOPED_TRACE(::testing::PrintToString(text) + " include " +
                         ::testing::PrintToString(include) + " block " + std::to_string(block));
            cli::LineReader reader(TempFile("blocks.txt", text), block);
            std::vector<std::string> kept;
            const auto find = [&](std::string_view t, bool) { return sieve.findRequired(t); };
            for (std::string_view line; reader.nextHolding(line, find);) {
                if (sieve.requiredDecides() || sieve.keeps(line)) kept.emplace_back(line);
            }
            EXPECT_EQ(kept, whole.lines());
        }
    }
    EXPECT_GT(judged, 150) << "too few filters with a keyword every kept line holds";
}

// Guards against the unfinished line being searched again after every read: one 80 MB line
// took 31 s from a pipe, 0.39 s from a file. A pipe delivers at most 64 KiB a read, and UTF-16
// is decoded a block at a time.
TEST(LineReader, SearchesALongLineOnceFromAPipeOrInUtf16) {
    const std::size_t length = 4 << 20;
    const std::string fifo = TempFile("long.fifo", "");
    std::remove(fifo.c_str());
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::thread writer([&] {
        const int out = ::open(fifo.c_str(), O_WRONLY);
        const std::string chunk(4096, 'a');
        for (std::size_t put = 0; put < length; put += chunk.size()) {
            if (::write(out, chunk.data(), chunk.size()) < 0) break;
        }
        ::close(out);
    });
    std::string utf16(2 + 2 * length, '\0');  // "\xFF\xFE" and "a\0" a character
    utf16[0] = '\xFF';
    utf16[1] = '\xFE';
    for (std::size_t i = 0; i < length; ++i) utf16[2 + 2 * i] = 'a';
    for (const std::string& path : {fifo, TempFile("long16.txt", utf16)}) {
        SCOPED_TRACE(path);
        cli::LineReader reader(path);
        std::size_t searched = 0;
        const auto find = [&](std::string_view text, bool) {
            searched += text.size();
            return FindWhole(text, "zz");
        };
        for (std::string_view line; reader.nextHolding(line, find);) {}
        EXPECT_EQ(searched, length);
    }
    writer.join();
}

TEST(LineReader, MissingFileFailsWithTheListFileMessage) {
    try {
        cli::LineReader reader(TempFile("x", "") + "-missing");
        ADD_FAILURE() << "no failure";
    } catch (const std::exception& error) {
        EXPECT_EQ(std::string(error.what()).rfind("Cannot open file \"", 0), 0u) << error.what();
    }
}

// Reads from `fd` until a line end arrives or five seconds pass.
std::string ReadLineWithin5s(int fd) {
    std::string got;
    char c;
    while (got.empty() || got.back() != '\n') {
        pollfd ready{fd, POLLIN, 0};
        if (::poll(&ready, 1, 5000) != 1 || ::read(fd, &c, 1) != 1) break;
        got.push_back(c);
    }
    return got;
}

// Guards `tail -f log | pendara-cli filter` against holding lines back until the input ends.
TEST(LineReader, StreamedCommandsAnswerEachLineBeforeTheInputEnds) {
    for (const std::vector<std::string>& command :
         {std::vector<std::string>{"filter", "--include", "error"},
          std::vector<std::string>{"number"}}) {
        int in[2], out[2];
        ASSERT_EQ(::pipe(in), 0);
        ASSERT_EQ(::pipe(out), 0);
        const pid_t child = ::fork();
        if (child == 0) {
            ::dup2(in[0], STDIN_FILENO);
            ::dup2(out[1], STDOUT_FILENO);
            ::close(in[1]);
            ::close(out[0]);
            std::vector<char*> argv{const_cast<char*>(PENDARA_CLI)};
            for (const std::string& arg : command) argv.push_back(const_cast<char*>(arg.c_str()));
            argv.push_back(nullptr);
            ::execv(PENDARA_CLI, argv.data());
            ::_exit(127);
        }
        ::close(in[0]);
        ::close(out[1]);
        SCOPED_TRACE(command[0]);
        ASSERT_EQ(::write(in[1], "an error\nfine\n", 14), 14);
        EXPECT_EQ(ReadLineWithin5s(out[0]),
                  command[0] == "number" ? "1. an error\n" : "an error\n");
        ASSERT_EQ(::write(in[1], "ERROR two\r", 10), 10);  // a CR alone ends the line at once
        EXPECT_EQ(ReadLineWithin5s(out[0]), command[0] == "number" ? "2. fine\n" : "ERROR two\n");
        ::close(in[1]);
        ::close(out[0]);
        int status = 0;
        ::waitpid(child, &status, 0);
    }
}

}  // namespace
}  // namespace pendara::testing
