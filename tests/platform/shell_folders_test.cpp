#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <future>

#include "extras/shell_folder_rows.h"
#include "platform/linux_settings_store.h"
#include "platform/scratch_folder.h"
#include "platform/xdg_folders.h"
#include "text/failure.h"

namespace pendara {
namespace {

using ::testing::ElementsAre;
using ::testing::Pair;
using testing::ScratchFolder;

TEST(ParseUserDirs, ReadsTheUserDirsFormAndSkipsTheRest) {
    const NamedFolders entries = ParseUserDirs(
        "# written by hand\n"
        "XDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\r\n"
        "XDG_MUSIC_DIR=\"/srv/m\\\"usic/\"\n"
        "XDG_VIDEOS_DIR=$HOME/unquoted\n"
        "XDG_PICTURES_DIR=\"relative/pics\"\n"
        "XDG_TEMPLATES_DIR=\"$HOMEWORK\"\n"
        "XDG_PUBLICSHARE_DIR=\"$HOME/\"\n"
        "garbage \xFF\xFE\n",
        "/home/u");
    EXPECT_THAT(entries, ElementsAre(Pair("XDG_DESKTOP_DIR", "/home/u/Schreibtisch"),
                                     Pair("XDG_MUSIC_DIR", "/srv/m\"usic"),
                                     Pair("XDG_PUBLICSHARE_DIR", "/home/u")));
}

class ShellFoldersTest : public ::testing::Test {
protected:
    XdgEnvironment environment() const {
        XdgEnvironment env;
        env.home = folder_ / "home";
        env.configHome = "relative/is/ignored";
        env.dataHome = folder_ / "data";
        env.dataDirs = "/opt/share/:relative:/usr/share";
        return env;
    }
    std::string home(const std::string& relative) const { return folder_ / ("home/" + relative); }
    ScratchFolder folder_;
};

TEST_F(ShellFoldersTest, UserRowsFromAScriptedLayout) {
    folder_.write("home/.config/user-dirs.dirs",
                  "XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\nXDG_DOWNLOAD_DIR=\"/mnt/dl\"\n"
                  "XDG_DOWNLOAD_DIR=\"/mnt/later\"\n");
    auto store = MakeLinuxSettingsStore(folder_ / "settings.ini", environment());
    std::vector<std::string> rows;
    ShellFolderRows(*store, SettingsRoot::CurrentUser, rows);
    EXPECT_THAT(rows, ElementsAre("Desktop=" + home("Desktop"), "Documents=" + home("Dokumente"),
                                  "Downloads=/mnt/later", "Music=" + home("Music"),
                                  "Pictures=" + home("Pictures"), "Videos=" + home("Videos"),
                                  "Templates=" + home("Templates"), "Public=" + home("Public"),
                                  "Data=" + (folder_ / "data"), "Config=" + home(".config"),
                                  "Cache=" + home(".cache"), "Fonts=" + (folder_ / "data/fonts"),
                                  "Applications=" + (folder_ / "data/applications")));
}

TEST_F(ShellFoldersTest, MachineRowsAndDefaultsWithoutUserDirs) {
    auto store = MakeLinuxSettingsStore(folder_ / "settings.ini", environment());
    std::vector<std::string> rows{"stale"};
    ShellFolderRows(*store, SettingsRoot::LocalMachine, rows);
    EXPECT_THAT(rows, ElementsAre("Data=/opt/share", "Data 2=/usr/share", "Config=/etc/xdg"));
    EXPECT_EQ(ReadRegText(*store, SettingsRoot::CurrentUser, kShellFoldersKey, "desktop"),
              home("Desktop"));
}

// Guards the Shell Folder tab against hanging for ever on a user-dirs.dirs that is a FIFO.
TEST_F(ShellFoldersTest, UserDirsThatIsNoRegularFileCountsAsMissing) {
    const NamedFolders defaults = UserShellFolders(environment());
    std::filesystem::create_directories(folder_ / "home/.config");
    const std::string fifo = folder_ / "home/.config/user-dirs.dirs";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    auto reading = std::async(std::launch::async, [&] { return UserShellFolders(environment()); });
    if (reading.wait_for(std::chrono::seconds(5)) == std::future_status::timeout) {
        ADD_FAILURE() << "reading a FIFO blocks";
        ::close(::open(fifo.c_str(), O_WRONLY));  // lets the stuck open return
    }
    EXPECT_EQ(reading.get(), defaults);
}

// A store whose listing and values disagree, as when another program changes the key meanwhile.
class ScriptedStore : public SettingsStore {
public:
    std::optional<std::vector<std::string>> valueNames(SettingsRoot, std::string_view) override {
        return std::vector<std::string>{"A=B", "Gone", "Bad", "After"};
    }
    std::optional<StoredValue> value(SettingsRoot, std::string_view,
                                     std::string_view name) override {
        if (name == "A=B") return StoredValue{StoredValue::Type::Text, "/x"};
        if (name == "Bad") return StoredValue{StoredValue::Type::Binary, "\x01"};
        if (name == "After") return StoredValue{StoredValue::Type::Text, "/y"};
        return std::nullopt;
    }
    void createKey(SettingsRoot, std::string_view) override {}
    void setValue(SettingsRoot, std::string_view, std::string_view, const StoredValue&) override {}
};

TEST(ShellFolderRows, NonTextValueStopsTheListAndKeepsTheRowsBeforeIt) {
    ScriptedStore store;
    std::vector<std::string> rows;
    try {
        ShellFolderRows(store, SettingsRoot::CurrentUser, rows);
        ADD_FAILURE() << "no failure";
    } catch (const Failure& failure) {
        EXPECT_STREQ(failure.what(), "Invalid data type for 'Bad'");
    }
    EXPECT_THAT(rows, ElementsAre("A=B=/x", "Gone="));
}

}  // namespace
}  // namespace pendara
