#include "os/replace_file.h"

#include <fcntl.h>
#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>
#include <csignal>
#include <filesystem>
#include <functional>

#include "os/file_descriptor.h"
#include "platform/scratch_folder.h"

namespace pendara {
namespace {

namespace fs = std::filesystem;

constexpr uid_t kNobody = 65534;

class ReplaceFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::permissions(scratch_.path(), fs::perms::all);  // other users' children work here too
    }

    std::string path(const std::string& name) const { return scratch_ / name; }
    static struct stat statOf(const std::string& p) {
        struct stat info {};
        EXPECT_EQ(::lstat(p.c_str(), &info), 0) << p;
        return info;
    }
    std::size_t entries(const fs::path& folder) const {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
    }

    // Runs `body` in a child process, as the user nobody when `asNobody`; its exit status, or
    // 128 plus the signal that ended it.
    static int InChild(bool asNobody, const std::function<int()>& body) {
        const pid_t child = ::fork();
        if (child == 0) {
            if (asNobody && (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 ||
                             ::setuid(kNobody) != 0)) {
                ::_exit(100);
            }
            ::_exit(body());
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    // 0 when saving `text` to `target` ended at `step` with `error`.
    static int Expect(const std::string& target, const std::string& text,
                      FileReplacement::Step step, int error = 0) {
        const FileReplacement written = ReplaceFileContents(target, text);
        return written.failedAt == step && written.error == error ? 0 : 1;
    }

    ::pendara::testing::ScratchFolder scratch_;
};

TEST_F(ReplaceFileTest, OrdinaryFileIsReplacedByRenameAndKeepsItsMode) {
    scratch_.write("list.txt", "old");
    ::chmod(path("list.txt").c_str(), 0640);
    const ino_t before = statOf(path("list.txt")).st_ino;
    EXPECT_EQ(ReplaceFileContents(path("list.txt"), "new").failedAt, FileReplacement::Done);
    EXPECT_EQ(scratch_.read("list.txt"), "new");
    EXPECT_NE(statOf(path("list.txt")).st_ino, before);
    EXPECT_EQ(statOf(path("list.txt")).st_mode & 07777, 0640u);
    EXPECT_EQ(entries(scratch_.path()), 1u);
}

TEST_F(ReplaceFileTest, HardLinkedFileIsWrittenInPlace) {
    // Guards against a save that split a file from its other names.
    scratch_.write("a.txt", "old contents");
    fs::create_hard_link(path("a.txt"), path("b.txt"));
    EXPECT_EQ(ReplaceFileContents(path("a.txt"), "new").failedAt, FileReplacement::Done);
    EXPECT_EQ(scratch_.read("b.txt"), "new");
    EXPECT_EQ(statOf(path("a.txt")).st_nlink, 2u);
    EXPECT_EQ(entries(scratch_.path()), 2u);
}

TEST_F(ReplaceFileTest, SpecialFilesKeepTheirKind) {
    // Guards against a FIFO or device becoming a regular file.
    ASSERT_EQ(::mkfifo(path("fifo").c_str(), 0600), 0);
    EXPECT_EQ(ReplaceFileContents(path("fifo"), "x").error, ENXIO) << "no reader: no save";
    const FileDescriptor reader(::open(path("fifo").c_str(), O_RDONLY | O_NONBLOCK));
    EXPECT_EQ(ReplaceFileContents(path("fifo"), "through").failedAt, FileReplacement::Done);
    char got[16] = {};
    EXPECT_EQ(::read(reader.get(), got, sizeof got), 7);
    EXPECT_EQ(std::string(got), "through");
    EXPECT_TRUE(S_ISFIFO(statOf(path("fifo")).st_mode));

    if (::mknod(path("null").c_str(), S_IFCHR | 0666, ::makedev(1, 3)) != 0) {
        GTEST_SKIP() << "making a device node needs root";
    }
    EXPECT_EQ(ReplaceFileContents(path("null"), "gone").failedAt, FileReplacement::Done);
    EXPECT_TRUE(S_ISCHR(statOf(path("null")).st_mode));
    EXPECT_EQ(entries(scratch_.path()), 2u);
}

TEST_F(ReplaceFileTest, NamesUpToTheLongestTheFolderTakes) {
    // Guards against a temporary name that no longer fits beside a long target name.
    for (std::size_t length = 249; length <= 255; ++length) {
        SCOPED_TRACE(length);
        const std::string name = path(std::string(length, 'n'));
        scratch_.write(std::string(length, 'n'), "old");
        EXPECT_EQ(ReplaceFileContents(name, "new").failedAt, FileReplacement::Done);
        EXPECT_EQ(scratch_.read(std::string(length, 'n')), "new");
        fs::remove(name);
        EXPECT_EQ(ReplaceFileContents(name, "fresh").failedAt, FileReplacement::Done);
        fs::remove(name);
    }
    EXPECT_EQ(entries(scratch_.path()), 0u);
}

TEST_F(ReplaceFileTest, FileSizeLimitFailsTheWriteAndKeepsTheOldFile) {
    // Guards against SIGXFSZ ending the program and leaving the temporary file behind; the
    // child keeps the signal's default action, so only the writer's own handling can save it.
    scratch_.write("keep.txt", "precious");
    scratch_.write("linked.txt", "linked");
    fs::create_hard_link(path("linked.txt"), path("other.txt"));
    const int status = InChild(false, [&] {
        std::signal(SIGXFSZ, SIG_DFL);
        const rlimit tiny{16, 16};
        ::setrlimit(RLIMIT_FSIZE, &tiny);
        const std::string big(100, 'x');
        return Expect(path("keep.txt"), big, FileReplacement::Write, EFBIG) +
               Expect(path("linked.txt"), big, FileReplacement::Write, EFBIG);
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(scratch_.read("keep.txt"), "precious");
    EXPECT_EQ(scratch_.read("other.txt"), "linked");
    EXPECT_EQ(entries(scratch_.path()), 3u);
}

TEST_F(ReplaceFileTest, PermissionOutcomeIsThatOfAPlainWrite) {
    if (::geteuid() != 0) GTEST_SKIP() << "acting as another user needs root";
    // Root's plain write opens a read-only file, so root's save does too and keeps the mode.
    scratch_.write("ro.txt", "old");
    ::chmod(path("ro.txt").c_str(), 0444);
    EXPECT_EQ(ReplaceFileContents(path("ro.txt"), "root").failedAt, FileReplacement::Done);
    EXPECT_EQ(statOf(path("ro.txt")).st_mode & 07777, 0444u);

    // Another user's plain write is refused, and so is the save; the file keeps its bytes.
    ASSERT_EQ(::chown(path("ro.txt").c_str(), kNobody, kNobody), 0);
    EXPECT_EQ(
        InChild(true, [&] { return Expect(path("ro.txt"), "x", FileReplacement::Create, EACCES); }),
        0);
    EXPECT_EQ(scratch_.read("ro.txt"), "root");
    EXPECT_EQ(statOf(path("ro.txt")).st_mode & 07777, 0444u);
}

TEST_F(ReplaceFileTest, FilesOfOtherOwnersAndFoldersThatTakeNoNewFileAreWrittenInPlace) {
    if (::geteuid() != 0) GTEST_SKIP() << "acting as another user needs root";
    // Someone else's file saved by root stays theirs.
    scratch_.write("theirs.txt", "old");
    ASSERT_EQ(::chown(path("theirs.txt").c_str(), kNobody, kNobody), 0);
    EXPECT_EQ(ReplaceFileContents(path("theirs.txt"), "new").failedAt, FileReplacement::Done);
    EXPECT_EQ(statOf(path("theirs.txt")).st_uid, kNobody);
    EXPECT_EQ(scratch_.read("theirs.txt"), "new");

    // A writable file in a folder its user may not write to.
    fs::create_directory(path("locked"));
    scratch_.write("locked/mine.txt", "old");
    ASSERT_EQ(::chown(path("locked").c_str(), kNobody, kNobody), 0);
    ASSERT_EQ(::chown(path("locked/mine.txt").c_str(), kNobody, kNobody), 0);
    ::chmod(path("locked").c_str(), 0555);
    EXPECT_EQ(
        InChild(true,
                [&] { return Expect(path("locked/mine.txt"), "saved", FileReplacement::Done); }),
        0);
    EXPECT_EQ(scratch_.read("locked/mine.txt"), "saved");

    // Another user's writable file in a sticky folder, where rename may not replace it.
    fs::create_directory(path("sticky"));
    ::chmod(path("sticky").c_str(), 01777);
    scratch_.write("sticky/shared.txt", "old");
    ::chmod(path("sticky/shared.txt").c_str(), 0666);
    EXPECT_EQ(
        InChild(true,
                [&] { return Expect(path("sticky/shared.txt"), "saved", FileReplacement::Done); }),
        0);
    EXPECT_EQ(scratch_.read("sticky/shared.txt"), "saved");
    EXPECT_EQ(statOf(path("sticky/shared.txt")).st_uid, 0u);
    EXPECT_EQ(entries(path("locked")) + entries(path("sticky")), 2u);
}

}  // namespace
}  // namespace pendara
