#include "list/list_file.h"

#include <sys/resource.h>
#include <sys/stat.h>

#include <unistd.h>
#include <csignal>

#include <gtest/gtest.h>
#include <filesystem>
#include <fstream>

#include "list/failure.h"
#include "os/system_reason.h"

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
}

TEST_F(ListFileTest, FailedSaveLeavesOldFile) {
    // A file-size limit makes the write fail part-way, even for root.
    spit(path("keep.txt"), "precious\r\n");
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    rlimit tiny = saved;
    tiny.rlim_cur = 4;
    ::setrlimit(RLIMIT_FSIZE, &tiny);
    EXPECT_THROW(WriteListFile(path("keep.txt"), std::string(100, 'x')), Failure);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_EQ(slurp(path("keep.txt")), "precious\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
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

TEST(SystemReason, DropsTrailingFullStopsAndBlanks) {
    EXPECT_EQ(SystemReason(ENOENT), "No such file or directory");
    EXPECT_FALSE(SystemReason(EACCES).ends_with("."));
}

}  // namespace
}  // namespace pendara
