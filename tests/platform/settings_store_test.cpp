#include "platform/settings_store.h"

#include <sys/stat.h>
#include <unistd.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "platform/linux_settings_store.h"
#include "platform/scratch_folder.h"
#include "text/failure.h"

namespace pendara {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing::ScratchFolder;

constexpr SettingsRoot kUser = SettingsRoot::CurrentUser;
constexpr SettingsRoot kMachine = SettingsRoot::LocalMachine;

std::string MessageOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const Failure& failure) {
        return failure.what();
    }
    return "(no failure)";
}

// The file and reason shown below the message.
std::string DetailOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const Failure& failure) {
        return failure.detail();
    }
    return "(no failure)";
}

class SettingsStoreTest : public ::testing::Test {
protected:
    XdgEnvironment environment() const {
        XdgEnvironment env;
        env.home = folder_ / "home";
        env.configHome = folder_ / "config";
        return env;
    }
    std::string file() const { return folder_ / "config/pendara/settings.ini"; }
    std::unique_ptr<SettingsStore> open() const {
        return MakeLinuxSettingsStore(file(), environment());
    }

    ScratchFolder folder_;
};

TEST_F(SettingsStoreTest, MissingKeysAndValuesReadEmpty) {
    auto store = open();
    EXPECT_EQ(ReadRegText(*store, kUser, "Software\\Brantor\\Support", "07"), "");
    std::vector<std::string> names{"left over"};
    ListRegValueNames(*store, kUser, "Software\\Nothing", names);
    EXPECT_THAT(names, IsEmpty());
    EXPECT_FALSE(std::filesystem::exists(file())) << "reading must not create the store";
}

TEST_F(SettingsStoreTest, WrittenTextsReadBackInCreationOrderWhateverTheirNames) {
    auto store = open();
    const std::string odd = "a=b\\c \xC3\xA9\t\"q\"";
    WriteRegText(*store, "Software\\Brantor\\Support", "07", "1");
    SetRegText(*store, kUser, "Software\\Brantor", "07", "/usr/bin/pendara");
    WriteRegText(*store, "Software\\Brantor", odd, "line\nbreak \xFF");
    WriteRegText(*store, "Software\\Brantor", "", "default");
    WriteRegText(*store, "Software\\Brantor", "07", "/opt/pendara");  // keeps its place
    WriteRegText(*store,
                 "Software\\\xC3\x9C"
                 "ber=[x]",
                 "v", "w");

    auto again = open();
    std::vector<std::string> names;
    ListRegValueNames(*again, kUser, "software\\BRANTOR", names);
    EXPECT_THAT(names, ElementsAre("07", odd, ""));
    EXPECT_EQ(ReadRegText(*again, kUser, "Software\\Brantor", "07"), "/opt/pendara");
    EXPECT_EQ(ReadRegText(*again, kUser, "Software\\Brantor", odd), "line\nbreak \xFF");
    EXPECT_EQ(ReadRegText(*again, kUser, "Software\\Brantor\\Support", "07"), "1");
    EXPECT_EQ(ReadRegText(*again, kUser,
                          "Software\\\xC3\x9C"
                          "ber=[x]",
                          "v"),
              "w");
    // The file stays readable text: one line per value.
    EXPECT_THAT(folder_.read("config/pendara/settings.ini"),
                ::testing::HasSubstr("[Software\\Brantor]\n\"07\" = text \"/opt/pendara\"\n"));
}

TEST_F(SettingsStoreTest, TextStopsAtNulAndOtherTypesFail) {
    folder_.write("config/pendara/settings.ini",
                  "[K]\n\"nul\" = text \"ab\\x00cd\"\n\"env\" = expandable \"$HOME/x\"\n"
                  "\"07\" = binary 01ff\n\"none\" = binary\n");
    auto store = open();
    EXPECT_EQ(ReadRegText(*store, kUser, "K", "nul"), "ab");
    EXPECT_EQ(ReadRegText(*store, kUser, "K", "env"), "$HOME/x");
    EXPECT_EQ(ReadRegText(*store, kUser, "K", "none"), "");
    EXPECT_EQ(MessageOf([&] { ReadRegText(*store, kUser, "K", "07"); }),
              "Invalid data type for '07'");
}

TEST_F(SettingsStoreTest, EnsureKeyCreatesParentsAndKeepsExistingKeys) {
    auto store = open();
    WriteRegText(*store, "Software\\Brantor", "07", "x");
    EnsureRegKey(*store, kUser, "Software\\Brantor");
    EnsureRegKey(*store, kUser, "Software\\Brantor\\Support");
    EXPECT_EQ(ReadRegText(*store, kUser, "Software\\Brantor", "07"), "x");
    EXPECT_TRUE(store->valueNames(kUser, "Software\\Brantor\\Support").has_value());
    EXPECT_TRUE(store->valueNames(kUser, "Software").has_value());
    EXPECT_EQ(MessageOf([&] { EnsureRegKey(*store, kUser, "Bad\\\\Path"); }),
              "Failed to create key Bad\\\\Path");
}

TEST_F(SettingsStoreTest, MachineRootIsReadOnly) {
    auto store = open();
    EXPECT_EQ(MessageOf([&] { SetRegText(*store, kMachine, "Software\\Brantor", "07", "x"); }),
              "Error creating system registry entry");
    EXPECT_EQ(MessageOf([&] { EnsureRegKey(*store, kMachine, "Software\\Brantor"); }),
              "Failed to create key Software\\Brantor");
    EXPECT_NO_THROW(EnsureRegKey(*store, kMachine, std::string(kShellFoldersKey)));
    EXPECT_EQ(MessageOf([&] { WriteRegText(*store, kShellFoldersKey, "Desktop", "/x"); }),
              "Failed to set data for 'Desktop'");
}

// Each damaged store: reads come back empty, changes fail, and the file is left as it was.
TEST_F(SettingsStoreTest, DamagedFileIsNeverWrittenOver) {
    const std::string big(kMaxSettingsFileSize + 1, ';');
    for (const std::string& damaged :
         {std::string("[Software\\Brantor]\n\"07\" = text \"/usr/b"),  // cut short
          std::string("\x7F"
                      "ELF\x02\x01\x01\0\0\0",
                      10),
          std::string("\"07\" = text \"1\"\n"),
          std::string("[K]\n\"a\" = text \"1\"\n\"A\" = text \"2\"\n"), big}) {
        SCOPED_TRACE(damaged.size() > 64 ? "a file too large" : damaged);
        folder_.write("config/pendara/settings.ini", damaged);
        auto store = open();
        EXPECT_EQ(ReadRegText(*store, kUser, "Software\\Brantor", "07"), "");
        EXPECT_FALSE(store->valueNames(kUser, "K").has_value());
        EXPECT_EQ(MessageOf([&] { SetRegText(*store, kUser, "Software\\Brantor", "07", "x"); }),
                  "Error creating system registry entry");
        EXPECT_THAT(DetailOf([&] { SetRegText(*store, kUser, "Software\\Brantor", "07", "x"); }),
                    ::testing::StartsWith(file() + ": "));
        EXPECT_EQ(MessageOf([&] { WriteRegText(*store, "Software\\Brantor\\Support", "07", "0"); }),
                  "Failed to set data for '07'");
        EXPECT_TRUE(folder_.read("config/pendara/settings.ini") == damaged) << "store rewritten";
    }
}

// Guards against rewrites that dropped comments, blank lines, a byte-order mark, CR LF ends and
// the spelling of lines the program did not change.
TEST_F(SettingsStoreTest, HandWrittenLinesSurviveEveryRewrite) {
    const std::string mine =
        "\xEF\xBB\xBF; my notes\r\n"
        "\r\n"
        "[Software\\Brantor]\r\n"
        "  \"07\"=text \"/old\"   \r\n"
        "# unknown to the program\r\n"
        "[Other\\Tool]\r\n"
        "\"x\"  =  binary 0A\r\n"
        "\r\n"
        "[Software\\Brantor]\r\n"
        "\"later\" = expandable \"$HOME\"";
    folder_.write("config/pendara/settings.ini", mine);
    auto store = open();
    EXPECT_EQ(ReadRegText(*store, kUser, "Software\\Brantor", "07"), "/old");
    SetRegText(*store, kUser, "Software\\Brantor", "07", "/new");
    WriteRegText(*store, "software\\brantor", "added", "1");
    EnsureRegKey(*store, kUser, "Other");  // exists as a parent: no line
    WriteRegText(*store, "Software\\Brantor\\Support", "07", "0");
    EXPECT_EQ(folder_.read("config/pendara/settings.ini"),
              "\xEF\xBB\xBF; my notes\r\n"
              "\r\n"
              "[Software\\Brantor]\r\n"
              "  \"07\" = text \"/new\"\r\n"
              "# unknown to the program\r\n"
              "[Other\\Tool]\r\n"
              "\"x\"  =  binary 0A\r\n"
              "\r\n"
              "[Software\\Brantor]\r\n"
              "\"later\" = expandable \"$HOME\"\r\n"
              "\"added\" = text \"1\"\r\n"
              "[Software\\Brantor\\Support]\r\n"
              "\"07\" = text \"0\"\r\n");
    std::vector<std::string> names;
    ListRegValueNames(*store, kUser, "Software\\Brantor", names);
    EXPECT_THAT(names, ElementsAre("07", "later", "added"));
}

TEST_F(SettingsStoreTest, ReadOnlyFileIsNeverReplaced) {
    if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind root";
    folder_.write("config/pendara/settings.ini", "[Software\\Brantor]\n");
    ::chmod(file().c_str(), 0444);
    auto store = open();
    EXPECT_EQ(MessageOf([&] { WriteRegText(*store, "Software\\Brantor\\Support", "07", "0"); }),
              "Failed to set data for '07'");
    EXPECT_THAT(DetailOf([&] { SetRegText(*store, kUser, "Software\\Brantor", "07", "x"); }),
                ::testing::StartsWith(file() + ": the file cannot be written"));
    struct stat info {};
    ::stat(file().c_str(), &info);
    EXPECT_EQ(info.st_mode & 07777, 0444u);
    EXPECT_EQ(folder_.read("config/pendara/settings.ini"), "[Software\\Brantor]\n");
}

TEST_F(SettingsStoreTest, NoLockFileIsLeftBesideTheSettings) {
    folder_.write("config/pendara/settings.ini.lock", "");  // left by an earlier version
    auto store = open();
    WriteRegText(*store, "Software\\Brantor\\Support", "07", "1");
    std::vector<std::string> left;
    for (const auto& entry : std::filesystem::directory_iterator(folder_ / "config/pendara"))
        left.push_back(entry.path().filename().string());
    EXPECT_THAT(left, ElementsAre("settings.ini"));
}

// Guards against the stack overflow of creating a key's parents one call per level.
TEST_F(SettingsStoreTest, DeeplyNestedKeyIsReadAndWritten) {
    std::string deep = "a";
    for (int level = 1; level < 100000; ++level) deep += "\\a";
    folder_.write("config/pendara/settings.ini", "[" + deep + "]\n\"v\" = text \"1\"\n");
    auto store = open();
    EXPECT_EQ(ReadRegText(*store, kUser, deep, "v"), "1");
    EXPECT_TRUE(store->valueNames(kUser, deep.substr(0, 9)).has_value());
    SetRegText(*store, kUser, "Software\\Brantor", "07", "x");
    EnsureRegKey(*store, kUser, deep + "\\b");
    WriteRegText(*store, deep, "w", "2");
    auto again = open();
    EXPECT_EQ(ReadRegText(*again, kUser, deep, "w"), "2");
    EXPECT_TRUE(again->valueNames(kUser, deep + "\\B").has_value());
}

// Guards against reads that scanned every key per lookup and every value per value added
// (80,000 keys took half a minute), and parsed the file again at every read.
TEST_F(SettingsStoreTest, LargeStoresReadInLinearTime) {
    std::string text = "[Wide]\n";
    for (int i = 0; i < 80000; ++i) text += "\"v" + std::to_string(i) + "\" = text \"x\"\n";
    for (int i = 0; i < 80000; ++i) text += "[Software\\K" + std::to_string(i) + "]\n";
    folder_.write("config/pendara/settings.ini", text);
    auto store = open();
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < 500; ++i) {
        EXPECT_EQ(ReadRegText(*store, kUser, "Wide", "v79999"), "x");
        EXPECT_TRUE(store->valueNames(kUser, "Software\\K79999").has_value());
    }
    // Linear work takes a small fraction of this even under a sanitizer.
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

TEST_F(SettingsStoreTest, EmptyFileIsAnEmptyStore) {
    folder_.write("config/pendara/settings.ini", "");
    auto store = open();
    SetRegText(*store, kUser, "Software\\Brantor", "07", "x");
    EXPECT_EQ(ReadRegText(*store, kUser, "Software\\Brantor", "07"), "x");
}

TEST_F(SettingsStoreTest, FolderInPlaceOfTheFileFailsAndStays) {
    std::filesystem::create_directories(file());
    folder_.write("config/pendara/settings.ini/keep", "k");
    auto store = open();
    EXPECT_EQ(ReadRegText(*store, kUser, "Software\\Brantor", "07"), "");
    EXPECT_EQ(MessageOf([&] { SetRegText(*store, kUser, "Software\\Brantor", "07", "x"); }),
              "Error creating system registry entry");
    EXPECT_EQ(folder_.read("config/pendara/settings.ini/keep"), "k");
}

TEST_F(SettingsStoreTest, StoreThatCannotBeCreatedFails) {
    folder_.write("blocker", "a file where the store's folder should be");
    auto store = MakeLinuxSettingsStore(folder_ / "blocker/settings.ini", environment());
    EXPECT_EQ(MessageOf([&] { EnsureRegKey(*store, kUser, "Software\\Brantor"); }),
              "Failed to create key Software\\Brantor");
    EXPECT_EQ(folder_.read("blocker"), "a file where the store's folder should be");
}

TEST_F(SettingsStoreTest, UnwritableFolderFailsWithoutLosingTheFile) {
    if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind root";
    auto store = open();
    WriteRegText(*store, "Software\\Brantor\\Support", "07", "1");
    const std::string before = folder_.read("config/pendara/settings.ini");
    ::chmod((folder_ / "config/pendara").c_str(), 0500);
    EXPECT_EQ(MessageOf([&] { WriteRegText(*store, "Software\\Brantor\\Support", "07", "0"); }),
              "Failed to set data for '07'");
    ::chmod((folder_ / "config/pendara").c_str(), 0700);
    EXPECT_EQ(folder_.read("config/pendara/settings.ini"), before);
    EXPECT_EQ(ReadRegText(*store, kUser, "Software\\Brantor\\Support", "07"), "1");
}

// Guards against lost updates when stores reach one file by different paths (181 of 300
// writes were kept through two links).
TEST_F(SettingsStoreTest, WritersAtOnceKeepEachOthersValues) {
    // Two windows or two running copies: each has its own store over the same file.
    folder_.write("config/pendara/settings.ini", "");
    std::filesystem::create_directories(folder_ / "elsewhere");
    std::filesystem::create_symlink(file(), folder_ / "elsewhere/link.ini");
    const auto writer = [&](const std::string& path, const std::string& prefix) {
        auto store = MakeLinuxSettingsStore(path, environment());
        for (int i = 0; i < 50; ++i)
            WriteRegText(*store, "Software\\Brantor", prefix + std::to_string(i), "v");
    };
    std::thread first(writer, file(), "a");
    std::thread second(writer, file(), "b");
    std::thread linked(writer, folder_ / "elsewhere/link.ini", "c");
    first.join();
    second.join();
    linked.join();
    auto store = open();
    EXPECT_EQ(store->valueNames(kUser, "Software\\Brantor")->size(), 150u);
    EXPECT_TRUE(std::filesystem::is_symlink(folder_ / "elsewhere/link.ini"));
}

}  // namespace
}  // namespace pendara
