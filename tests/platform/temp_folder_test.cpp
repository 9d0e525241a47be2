#include "platform/temp_folder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "text/failure.h"

namespace pendara {
namespace {

namespace fs = std::filesystem;

class TempFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "pendara-temp-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        root_ = pattern;
    }
    void TearDown() override {
        std::error_code ec;
        fs::permissions(root_, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(root_, ec);
    }
    static std::string contents(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    static mode_t modeOf(const fs::path& path) {
        struct stat info {};
        ::lstat(path.c_str(), &info);
        return info.st_mode & 07777;
    }
    std::string failureOf(const std::function<void()>& action) {
        try {
            action();
        } catch (const Failure& failure) {
            return failure.what();
        }
        return "(no failure)";
    }
    fs::path root_;
};

TEST_F(TempFolderTest, CreatesMissingFoldersOwnerOnlyAndReplacesFiles) {
    const fs::path folder = root_ / "cache" / "pendara";
    auto temp = MakeLinuxTempFolder(folder.string() + "/");
    EXPECT_EQ(temp->path(), folder.string() + "/");

    temp->writeFile("more.txt", "first");
    temp->writeFile("more.txt", "second\r\n");
    EXPECT_EQ(contents(folder / "more.txt"), "second\r\n");
    EXPECT_EQ(temp->readFile("more.txt"), "second\r\n");
    EXPECT_EQ(modeOf(folder), 0700u);
    EXPECT_EQ(modeOf(root_ / "cache"), 0700u);
    EXPECT_EQ(modeOf(folder / "more.txt"), 0600u);
    // No temporary files are left behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

TEST_F(TempFolderTest, NarrowsAnOpenFolderOfOurOwn) {
    fs::create_directory(root_ / "open");
    fs::permissions(root_ / "open", fs::perms::all);
    MakeLinuxTempFolder((root_ / "open").string())->writeFile("Contributor.txt", "x");
    EXPECT_EQ(modeOf(root_ / "open"), 0700u);
}

TEST_F(TempFolderTest, NeverWritesOrReadsThroughALink) {
    const fs::path folder = root_ / "pendara";
    fs::create_directory(folder);
    std::ofstream(root_ / "victim") << "keep";
    fs::create_symlink(root_ / "victim", folder / "more.txt");
    auto temp = MakeLinuxTempFolder(folder.string());

    EXPECT_NE(failureOf([&] { temp->readFile("more.txt"); }).find("Cannot open file"),
              std::string::npos);
    temp->writeFile("more.txt", "table");
    EXPECT_EQ(contents(root_ / "victim"), "keep");
    EXPECT_FALSE(fs::is_symlink(folder / "more.txt"));
    EXPECT_EQ(contents(folder / "more.txt"), "table");
}

TEST_F(TempFolderTest, RefusesAFolderThatIsALink) {
    fs::create_directory(root_ / "elsewhere");
    fs::create_directory_symlink(root_ / "elsewhere", root_ / "pendara");
    auto temp = MakeLinuxTempFolder((root_ / "pendara").string());
    const std::string path = (root_ / "pendara" / "more.txt").string();
    EXPECT_EQ(failureOf([&] { temp->writeFile("more.txt", "x"); }),
              "Cannot create file \"" + path + "\". Not a directory");
    EXPECT_FALSE(fs::exists(root_ / "elsewhere" / "more.txt"));
}

TEST_F(TempFolderTest, FolderThatCannotBeMadeFailsWithTheFilesPath) {
    std::ofstream(root_ / "file") << "not a folder";
    auto temp = MakeLinuxTempFolder((root_ / "file" / "pendara").string());
    const std::string path = (root_ / "file" / "pendara" / "more.txt").string();
    EXPECT_EQ(failureOf([&] { temp->writeFile("more.txt", "x"); }),
              "Cannot create file \"" + path + "\". Not a directory");
    EXPECT_EQ(failureOf([&] { temp->readFile("more.txt"); }),
              "Cannot open file \"" + path + "\". Not a directory");
}

TEST(DefaultTempFolder, PrefersRuntimeThenCacheThenHome) {
    const auto keep = [](const char* name) {
        const char* value = std::getenv(name);
        return std::make_pair(std::string(name),
                              value ? std::optional<std::string>(value) : std::nullopt);
    };
    const auto saved = {keep("XDG_RUNTIME_DIR"), keep("XDG_CACHE_HOME"), keep("HOME")};
    ::setenv("XDG_RUNTIME_DIR", "/run/user/7/", 1);
    ::setenv("XDG_CACHE_HOME", "/c", 1);
    ::setenv("HOME", "/h", 1);
    EXPECT_EQ(DefaultTempFolderPath(), "/run/user/7/pendara");
    ::unsetenv("XDG_RUNTIME_DIR");
    EXPECT_EQ(DefaultTempFolderPath(), "/c/pendara");
    ::setenv("XDG_CACHE_HOME", "relative", 1);
    EXPECT_EQ(DefaultTempFolderPath(), "/h/.cache/pendara");
    for (const auto& [name, value] : saved) {
        if (value) {
            ::setenv(name.c_str(), value->c_str(), 1);
        } else {
            ::unsetenv(name.c_str());
        }
    }
}

}  // namespace
}  // namespace pendara
