#include "files/list_file.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <unistd.h>

#include <gtest/gtest.h>
#include <filesystem>
#include <fstream>
#include <future>
#include <random>

#include "files/list_origin.h"
#include "list/line_list.h"
#include "os/system_reason.h"
#include "text/failure.h"

namespace pendara {
namespace {

namespace fs = std::filesystem;

class ListFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "pendara-test-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
    }
    void TearDown() override {
        fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(folder_);
    }
    std::string path(const std::string& name) const { return (folder_ / name).string(); }
    static std::string slurp(const std::string& p) {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    static void spit(const std::string& p, const std::string& bytes) {
        std::ofstream(p, std::ios::binary) << bytes;
    }
    fs::path folder_;
};

TEST_F(ListFileTest, ReadKeepsEveryByte) {
    const std::string bytes("a\r\n\xFF\xFE\x80z\rb\0c", 11);
    spit(path("raw.txt"), bytes);
    EXPECT_EQ(ReadListFile(path("raw.txt")), bytes);
}

TEST_F(ListFileTest, ByteOrderMarks) {
    EXPECT_EQ(DecodeListText("\xEF\xBB\xBF"
                             "abc"),
              "abc");
    EXPECT_EQ(DecodeListText(std::string("\xFF\xFE"
                                         "a\0\xE4\0\r\0\n\0",
                                         10)),
              "a\xC3\xA4\r\n");
    EXPECT_EQ(DecodeListText(std::string("\xFE\xFF\0a\xD8\x3D\xDE\x00", 8)), "a\xF0\x9F\x98\x80");
    EXPECT_EQ(DecodeListText(std::string("\xFF\xFE\x00\xD8", 4)),
              "\xEF\xBF\xBD");  // lone surrogate
    EXPECT_EQ(DecodeListText("\xFF"), "\xFF");
    // A last byte without its pair is not dropped silently.
    EXPECT_EQ(DecodeListText(std::string("\xFE\xFF\0a\x62", 5)), "a\xEF\xBF\xBD");
}

TEST_F(ListFileTest, MissingFileNamesFullPathAndReason) {
    try {
        ReadListFile(path("missing.txt"));
        FAIL() << "no failure";
    } catch (const Failure& failure) {
        EXPECT_EQ(std::string(failure.what()),
                  "Cannot open file \"" + path("missing.txt") + "\". No such file or directory");
    }
    EXPECT_THROW(ReadListFile(folder_.string()), Failure);  // a folder is no list file
}

TEST_F(ListFileTest, WriteReplacesWholeFileAndKeepsLinks) {
    spit(path("list.txt"), "old old old old");
    WriteListFile(path("list.txt"), "new\r\n");
    EXPECT_EQ(slurp(path("list.txt")), "new\r\n");

    fs::create_symlink(path("list.txt"), path("link.txt"));
    WriteListFile(path("link.txt"), "via link\r\n");
    EXPECT_TRUE(fs::is_symlink(path("link.txt")));
    EXPECT_EQ(slurp(path("list.txt")), "via link\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 2)
        << "no temporary file is left behind";

    // Guards against a dangling link being replaced by the file instead of getting its target.
    fs::create_directory(path("sub"));
    fs::create_symlink("sub/hop.txt", path("dangling.txt"));
    fs::create_symlink("made.txt", path("sub/hop.txt"));
    WriteListFile(path("dangling.txt"), "through\r\n");
    EXPECT_TRUE(fs::is_symlink(path("dangling.txt")));
    EXPECT_TRUE(fs::is_symlink(path("sub/hop.txt")));
    EXPECT_EQ(slurp(path("sub/made.txt")), "through\r\n");
}

// Guards the window against hanging in open() on a FIFO without a writer, and against reading
// an endless or oversized source into memory.
TEST_F(ListFileTest, ReadsOnlyRegularFilesWithinTheMainListsCapacity) {
    const std::string fifo = path("fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const auto failureOf = [](const std::string& file) {
        try {
            ReadListFileBytes(file);
            return std::string("read");
        } catch (const Failure& failure) {
            return std::string(failure.what());
        }
    };
    auto reading = std::async(std::launch::async, failureOf, fifo);
    if (reading.wait_for(std::chrono::seconds(5)) == std::future_status::timeout) {
        ADD_FAILURE() << "reading a FIFO blocks";
        ::close(::open(fifo.c_str(), O_WRONLY));  // lets the stuck open return
    }
    EXPECT_EQ(reading.get(), "Cannot open file \"" + fifo + "\". It is not a regular file");
    EXPECT_EQ(failureOf("/dev/zero"), "Cannot open file \"/dev/zero\". It is not a regular file");

    // Refused before a byte is read: the file is sparse.
    const std::string huge = path("huge.txt");
    spit(huge, "");
    ASSERT_EQ(::truncate(huge.c_str(), static_cast<off_t>(kMainListCapacity) + 1), 0);
    EXPECT_EQ(failureOf(huge), "Text exceeds memo capacity");
}

TEST_F(ListFileTest, SaveIntoMissingFolderFailsWithCreateMessage) {
    try {
        WriteListFile(path("no/such/list.txt"), "x");
        FAIL() << "no failure";
    } catch (const Failure& failure) {
        EXPECT_EQ(std::string(failure.what())
                      .rfind("Cannot create file \"" + path("no/such/list.txt") + "\". ", 0),
                  0u)
            << failure.what();
    }
}

TEST_F(ListFileTest, NewFileGetsTheUmasksModeAndASavedFileKeepsItsOwn) {
    const mode_t mask = ::umask(027);  // the process's mask is read once, so this one is ignored
    ::umask(mask);
    const auto modeOf = [&](const std::string& name) {
        struct stat info {};
        EXPECT_EQ(::stat(path(name).c_str(), &info), 0);
        return info.st_mode & 07777;
    };
    WriteListFile(path("new.txt"), "a\n");
    EXPECT_EQ(modeOf("new.txt"), 0666 & ~mask);
    fs::permissions(path("new.txt"), fs::perms::owner_read | fs::perms::owner_write);
    WriteListFile(path("new.txt"), "b\n");
    EXPECT_EQ(modeOf("new.txt"), 0600u);
}

using Encoding = FileForm::Encoding;
using LineEnd = FileForm::LineEnd;
using FinalBreak = FileForm::FinalBreak;

constexpr Encoding kEncodings[] = {Encoding::Plain, Encoding::Utf8Mark, Encoding::Utf16Le,
                                   Encoding::Utf16Be};

std::string MarkOf(Encoding encoding) {
    return EncodeListText("", FileForm{encoding, LineEnd::CrLf, FinalBreak::AsHeld, {}});
}

TEST(ListFileForm, UnchangedListSavesTheBytesItCameFrom) {
    // Any bytes at all after the mark: mixed and lone breaks, NULs, odd UTF-16, lone surrogates.
    std::mt19937 random(11);
    const std::string often(
        "\r\n\0\xD8\xDC\xFF\xC3"
        "a",
        9);
    for (const Encoding encoding : kEncodings) {
        for (int round = 0; round < 400; ++round) {
            std::string bytes = MarkOf(encoding);
            const int length = static_cast<int>(random() % 24);
            for (int i = 0; i < length; ++i) {
                bytes += random() % 2 ? often[random() % often.size()]
                                      : static_cast<char>(random() % 256);
            }
            SCOPED_TRACE(::testing::PrintToString(bytes));
            std::string text;
            const ListOrigin origin = ListOrigin::FromFile(bytes, text);
            EXPECT_EQ(origin.fileBytes(text), bytes);
        }
    }
}

TEST(ListFileForm, WellFormedFilesRoundTripThroughTheirFormAlone) {
    // Decoding to the Main List's text and encoding that in the detected form gives the file
    // back, so an edited list is written in the same form.
    std::mt19937 random(14);
    const auto character = [&](Encoding encoding) -> std::string {
        if (encoding == Encoding::Plain || encoding == Encoding::Utf8Mark) {
            char c = 0;
            while (c == 0 || c == '\r' || c == '\n') c = static_cast<char>(random() % 256);
            return std::string(1, c);
        }
        constexpr const char* kPicks[] = {"a", "\xC3\xA4", "\xE2\x82\xAC", "\xF0\x9F\x98\x80",
                                          "\xEF\xBF\xBD"};
        return kPicks[random() % std::size(kPicks)];
    };
    for (const Encoding encoding : kEncodings) {
        for (const LineEnd lineEnd : {LineEnd::CrLf, LineEnd::Lf, LineEnd::Cr}) {
            for (const FinalBreak finalBreak : {FinalBreak::Yes, FinalBreak::No}) {
                for (int round = 0; round < 30; ++round) {
                    std::string mainText;
                    const int lines = 2 + static_cast<int>(random() % 5);
                    for (int line = 0; line < lines; ++line) {
                        // The first byte is a letter, so a plain file never starts like a mark.
                        mainText += line == 0 ? "w" : "";
                        for (int i = 1 + static_cast<int>(random() % 5); i > 0; --i) {
                            mainText += character(encoding);
                        }
                        if (line + 1 < lines || finalBreak == FinalBreak::Yes) mainText += "\r\n";
                    }
                    const FileForm form{encoding, lineEnd, finalBreak, {}};
                    const std::string file = EncodeListText(mainText, form);
                    SCOPED_TRACE(::testing::PrintToString(file));
                    std::string text;
                    // Without a code page, stray bytes stay as they are.
                    const ListOrigin origin = ListOrigin::FromFile(file, text, "");
                    EXPECT_EQ(text, mainText);
                    EXPECT_EQ(origin.form(), form);
                    EXPECT_EQ(EncodeListText(text, origin.form()), file);
                }
            }
        }
    }
}

// Guards against saving losing lines: text after a NUL, and an empty last line in a form without a
// final break, which reloaded one line short.
TEST(ListFileForm, EveryFormHoldsEveryList) {
    std::mt19937 random(5);
    const std::string pieces[] = {"a", std::string(1, '\0'), "\xC3\xA4", ""};
    for (const Encoding encoding : kEncodings) {
        for (const LineEnd lineEnd : {LineEnd::CrLf, LineEnd::Lf, LineEnd::Cr}) {
            for (const FinalBreak finalBreak :
                 {FinalBreak::Yes, FinalBreak::No, FinalBreak::AsHeld}) {
                for (int round = 0; round < 40; ++round) {
                    std::vector<std::string> lines(random() % 4);
                    for (std::string& line : lines) {
                        for (int i = static_cast<int>(random() % 3); i > 0; --i)
                            line += pieces[random() % std::size(pieces)];
                    }
                    const std::string file =
                        EncodeListText(JoinLines(lines), {encoding, lineEnd, finalBreak, {}});
                    SCOPED_TRACE(::testing::PrintToString(file));
                    EXPECT_EQ(SplitLines(MainListTextOf(file)), lines);
                }
            }
        }
    }
    std::string text;
    const std::string nuls("b\0a\nc\0", 6);
    const ListOrigin origin = ListOrigin::FromFile(nuls, text);
    EXPECT_EQ(text, std::string("b\0a\r\nc\0", 7));
    EXPECT_EQ(origin.fileBytes(text), nuls);
    EXPECT_EQ(ListOrigin::FromFile("a\nb", text).fileBytes("a\r\nb\r\n\r\n"), "a\nb\n\n");
}

TEST(ListFileForm, EditedOrChangedListsAreWrittenInTheirForm) {
    std::string text;
    ListOrigin lf = ListOrigin::FromFile("b\na", text);
    EXPECT_EQ(text, "b\r\na");
    EXPECT_EQ(lf.fileBytes("a\r\nb\r\n"), "a\nb") << "sorted: still LF, no final break";

    ListOrigin mixed = ListOrigin::FromFile("a\r\nb\nc\n", text);
    EXPECT_EQ(mixed.form(), (FileForm{Encoding::Plain, LineEnd::Lf, FinalBreak::Yes, {}}));
    EXPECT_EQ(mixed.fileBytes(text + "d\r\n"), "a\nb\nc\nd\n") << "the most frequent break";
    mixed.setForm({Encoding::Utf16Be, LineEnd::CrLf, FinalBreak::Yes, {}});
    EXPECT_EQ(mixed.fileBytes(text), std::string("\xFE\xFF\0a\0\r\0\n\0b\0\r\0\n\0c\0\r\0\n", 20))
        << "a form the user chose wins over the loaded bytes";

    // A list from no file: CR LF, no mark, its own final break; stray bytes go to UTF-16 as
    // Latin-1.
    EXPECT_EQ(ListOrigin().fileBytes("x\ny"), "x\r\ny");
    ListOrigin none;
    none.setForm({Encoding::Utf16Le, LineEnd::Lf, FinalBreak::AsHeld, {}});
    EXPECT_EQ(none.fileBytes("\xFF\r\n"), std::string("\xFF\xFE\xFF\0\n\0", 6));
    EXPECT_EQ(ListOrigin::FromFile("\xEF\xBB\xBF", text).fileBytes("new"), "\xEF\xBB\xBFnew");
}

TEST(SystemReason, DropsTrailingFullStopsAndBlanks) {
    EXPECT_EQ(SystemReason(ENOENT), "No such file or directory");
    EXPECT_FALSE(SystemReason(EACCES).ends_with("."));
}

}  // namespace
}  // namespace pendara
