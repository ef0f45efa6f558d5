// What a killed save leaves and what a full disk does to the programming log,
// through vorlanctl as a user runs it.
#include "testing/CliRunner.h"
#include "testing/TempFolder.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace vorlan {
namespace {

namespace fs = std::filesystem;

const std::string kLayout = std::string(VORLAN_TEST_DATA_DIR) + "/programming/layout56.txt";

class SaveFaultsTest : public ::testing::Test {
protected:
    void SetUp() override { fs::create_directories(dir / "run"); }
    void TearDown() override {
        if (mounted) {
            ::umount((dir / "small").c_str());
        }
    }

    test::CliRun Run(const std::vector<std::string>& arguments) {
        return test::RunVorlanctl(arguments, dir / "run");
    }

    test::TempFolder temp;
    const fs::path& dir = temp.Path();
    bool mounted = false;
};

TEST_F(SaveFaultsTest, AKilledSavesTemporaryGoesWithTheNextSaveAndOwnerAndModeStay) {
    const fs::path out = dir / "out.txt";
    std::ofstream(out) << "old\n";
    ::chmod(out.c_str(), 0640);
    // Root can give the file to another user, whom the new file must keep.
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown(out.c_str(), 65534, 65534), 0);
    }
    // What a save killed before its rename leaves: a process id no process
    // has (beyond the kernel's limit) and the random part.
    const fs::path left = dir / ".out.txt.vorlan-save-99999999-0123456789abcdef.tmp";
    std::ofstream(left) << "half a layo";
    // Another file's leftover and a file of the user's that looks alike stay.
    const fs::path other = dir / ".other.txt.vorlan-save-99999999-0123456789abcdef.tmp";
    std::ofstream(other) << "x";
    const fs::path mine = dir / ".out.txt.vorlan-save-notes.txt";
    std::ofstream(mine) << "x";

    const test::CliRun run = Run({"convert", kLayout, out.string()});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_FALSE(fs::exists(left));
    EXPECT_TRUE(fs::exists(other));
    EXPECT_TRUE(fs::exists(mine));
    EXPECT_NE(test::ReadFileBytes(out), "old\n");
    struct stat info {};
    ASSERT_EQ(::stat(out.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    if (root) {
        EXPECT_EQ(info.st_uid, 65534u);
        EXPECT_EQ(info.st_gid, 65534u);
    }
    // Nothing of the save itself is left beside the file.
    for (const auto& entry : fs::directory_iterator(dir)) {
        const std::string name = entry.path().filename().string();
        EXPECT_FALSE(name.starts_with(".out.txt.vorlan-save-") && name.ends_with(".tmp")) << name;
    }
}

// With no page free the run is refused before the keyboard is touched; with
// one, the run's marker takes it, the keyboard is programmed, and the log
// line that then finds the disk full is said after what the keyboard holds.
TEST_F(SaveFaultsTest, ALogLineTheDiskHasNoRoomForIsTakenBack) {
    const fs::path small = dir / "small";
    fs::create_directories(small);
    if (::mount("tmpfs", small.c_str(), "tmpfs", 0, "size=64k") != 0) {
        GTEST_SKIP() << "cannot mount a tmpfs as this user";
    }
    mounted = true;
    const fs::path log = small / "programming.log";
    const std::string old(4096 - 30, 'x');
    for (const auto& [freePages, firstLine] :
         {std::pair<int, std::string>{0, "Error: The disk is full."},
          {1, "The keyboard was programmed: 450 of 450 bytes."}}) {
        // The log ends 30 bytes short of a whole page: a line's first bytes
        // fit in that page, the rest finds the disk full.
        std::ofstream(log, std::ios::binary) << old << '\n';
        fs::remove(small / "filler");
        {
            std::ofstream filler(small / "filler", std::ios::binary);
            filler.rdbuf()->pubsetbuf(nullptr, 0);
            const std::string block(4096, 'f');
            while (filler.write(block.data(), static_cast<std::streamsize>(block.size()))) {
            }
        }
        fs::resize_file(small / "filler", fs::file_size(small / "filler") - 4096u * freePages);
        const test::CliRun run = Run({"program", "--emulate", "0", "--log", log.string(), kLayout});
        EXPECT_EQ(run.status, 1);
        EXPECT_TRUE(run.err.starts_with(firstLine + "\n")) << run.err;
        EXPECT_NE(run.err.find("The disk is full."), std::string::npos) << run.err;
        EXPECT_EQ(test::ReadFileBytes(log), old + "\n");
        EXPECT_EQ(std::distance(fs::directory_iterator(small), fs::directory_iterator()), 2)
            << "the run's marker went with the run";
    }
}

} // namespace
} // namespace vorlan
