// What a killed save leaves and what a full disk does to the programming log,
// through vorlanctl as a user runs it.
#include "cli/CliRunner.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace vorlan {
namespace {

namespace fs = std::filesystem;

const std::string kLayout = std::string(VORLAN_TEST_DATA_DIR) + "/programming/layout56.txt";

class SaveFaultsTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("vorlan-save-faults-" +
               std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
        fs::create_directories(dir / "run");
    }
    void TearDown() override {
        if (mounted) {
            ::umount((dir / "small").c_str());
        }
        fs::remove_all(dir);
    }

    test::CliRun Run(const std::vector<std::string>& arguments) {
        return test::RunVorlanctl(arguments, dir / "run");
    }

    fs::path dir;
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

TEST_F(SaveFaultsTest, ALogLineTheDiskHasNoRoomForIsTakenBack) {
    const fs::path small = dir / "small";
    fs::create_directories(small);
    if (::mount("tmpfs", small.c_str(), "tmpfs", 0, "size=64k") != 0) {
        GTEST_SKIP() << "cannot mount a tmpfs as this user";
    }
    mounted = true;
    // The log ends 30 bytes short of a whole page: a line's first bytes fit
    // in that page, the rest finds the disk full.
    const fs::path log = small / "programming.log";
    const std::string old(4096 - 30, 'x');
    std::ofstream(log, std::ios::binary) << old << '\n';
    {
        std::ofstream filler(small / "filler", std::ios::binary);
        const std::string block(4096, 'f');
        while (filler.write(block.data(), static_cast<std::streamsize>(block.size()))) {
        }
    }
    const test::CliRun run = Run({"program", "--emulate", "0", "--log", log.string(), kLayout});
    EXPECT_NE(run.err.find("The disk is full."), std::string::npos) << run.err;
    EXPECT_EQ(test::ReadFileBytes(log), old + "\n");
}

} // namespace
} // namespace vorlan
