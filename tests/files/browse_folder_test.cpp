#include "files/browse_folder.h"

#include <gtest/gtest.h>

namespace pendara {
namespace {

TEST(InitialBrowseFolder, SlashPaths) {
    EXPECT_EQ(InitialBrowseFolder("/home/ann/lists/a.txt"), "/home/ann/lists");
    EXPECT_EQ(InitialBrowseFolder("/home/ann/lists/"), "/home/ann/lists");
    EXPECT_EQ(InitialBrowseFolder("/a.txt"), "/");
    EXPECT_EQ(InitialBrowseFolder("lists/a.txt"), "lists");
}

TEST(InitialBrowseFolder, BackslashAndDrivePaths) {
    EXPECT_EQ(InitialBrowseFolder("C:\\Lists\\a.txt"), "C:\\Lists");
    EXPECT_EQ(InitialBrowseFolder("C:\\a.txt"), "C:\\");
    EXPECT_EQ(InitialBrowseFolder("C:a.txt"), "C:");
    EXPECT_EQ(InitialBrowseFolder("\\a.txt"), "\\");
    EXPECT_EQ(InitialBrowseFolder("\\\\server\\share\\a.txt"), "\\\\server\\share");
}

TEST(InitialBrowseFolder, NoFolderPartGivesEmpty) {
    EXPECT_EQ(InitialBrowseFolder(""), "");
    EXPECT_EQ(InitialBrowseFolder("a.txt"), "");
    EXPECT_EQ(InitialBrowseFolder("   "), "");
}

}  // namespace
}  // namespace pendara
