// What a killed save leaves and what a full disk does to the record and the log copy,
// through vorlanctl as a user runs it.
#include "testing/CliRunner.h"
#include "testing/TempFolder.h"

#include <algorithm>
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

// Takes every free block of the file system at folder.
void FillDisk(const fs::path& folder) {
    std::ofstream filler(folder / "filler", std::ios::binary);
    filler.rdbuf()->pubsetbuf(nullptr, 0);
    const std::string block(4096, 'f');
    while (filler.write(block.data(), static_cast<std::streamsize>(block.size()))) {
    }
}

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

// The --log copy is written after the record's commit, so its folder is
// tried first: on a full disk the run is refused with the keyboard
// untouched, the log and the record as they were.
TEST_F(SaveFaultsTest, ALogCopyTheDiskHasNoRoomForIsRefusedFirst) {
    const fs::path small = dir / "small";
    fs::create_directories(small);
    if (::mount("tmpfs", small.c_str(), "tmpfs", 0, "size=64k") != 0) {
        GTEST_SKIP() << "cannot mount a tmpfs as this user";
    }
    mounted = true;
    const fs::path log = small / "programming.log";
    const std::string old(4096 - 30, 'x');
    std::ofstream(log, std::ios::binary) << old << '\n';
    FillDisk(small);
    const std::string record = (dir / "records.db").string();
    const test::CliRun run =
        Run({"program", "--emulate", "0", "--records", record, "--log", log.string(), kLayout});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Error: The disk is full.\nThe keyboard was not touched.\n");
    EXPECT_EQ(test::ReadFileBytes(log), old + "\n");
    EXPECT_EQ(Run({"log", "--records", record}).out, "") << "no run began";
}

// The record itself on a disk that fills up, then turns read-only, in the
// middle of an order: the keyboard that cannot be recorded is not touched,
// the message says why, and the keyboards recorded before are all there.
TEST_F(SaveFaultsTest, ARecordOnAFullOrReadOnlyDiskRefusesTheNextKeyboard) {
    const fs::path small = dir / "small";
    fs::create_directories(small);
    if (::mount("tmpfs", small.c_str(), "tmpfs", 0, "size=1m") != 0) {
        GTEST_SKIP() << "cannot mount a tmpfs as this user";
    }
    mounted = true;
    const std::string record = (small / "records.db").string();
    const auto program = [&](const std::string& received) {
        return Run({"program", "--emulate", "0", "--records", record, "--order", "PO 1",
                    "--received", (dir / received).string(), kLayout});
    };
    ASSERT_EQ(program("first.bin").status, 0);
    FillDisk(small);
    test::CliRun run = program("full.bin");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("the disk is full"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("The keyboard was not touched."), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(dir / "full.bin")) << "nothing reached the keyboard";
    fs::remove(small / "filler");
    ASSERT_EQ(::mount(nullptr, small.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr), 0);
    run = program("readonly.bin");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("The keyboard was not touched."), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(dir / "readonly.bin"));
    ASSERT_EQ(::mount(nullptr, small.c_str(), nullptr, MS_REMOUNT, nullptr), 0);
    ASSERT_EQ(program("again.bin").status, 0);
    const test::CliRun logged = Run({"log", "--records", record});
    EXPECT_EQ(logged.out.find("\tdone\tPO 1 1\n"), logged.out.find("\tdone\tPO 1"));
    EXPECT_NE(logged.out.find("\tdone\tPO 1 2\n"), std::string::npos) << logged.out;
    EXPECT_EQ(std::count(logged.out.begin(), logged.out.end(), '\n'), 2) << logged.out;
}

} // namespace
} // namespace vorlan
