// Paths that are not plain files, durable replacement with its temporary
// files, the private programming file and the stamp that notices changes.
#include "layout/DurableFile.h"

#include "layout/FileStamp.h"
#include "layout/LayoutFile.h"
#include "layout/ProgrammingFile.h"
#include "testing/TempFolder.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

#ifndef _WIN32
#include <csignal>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace vorlan {
namespace {

namespace fs = std::filesystem;

[[maybe_unused]] std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void WriteFile(const fs::path& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

[[maybe_unused]] std::vector<std::string> Names(const fs::path& dir) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

class DurableFileTest : public ::testing::Test {
protected:
#ifndef _WIN32
    // The id of a process that has ended and been reaped.
    static long DeadPid() {
        const pid_t child = fork();
        if (child == 0) {
            _exit(0);
        }
        waitpid(child, nullptr, 0);
        return child;
    }
#endif

    test::TempFolder folder_;
    const fs::path& dir = folder_.Path();
};

TEST_F(DurableFileTest, OnlyPlainFilesPassTheCheckAndNothingBlocks) {
    WriteFile(dir / "plain.txt", "x");
    std::vector<std::pair<fs::path, PathCheck>> table = {
        {dir / "plain.txt", PathCheck::Plain},
        {dir / "none.txt", PathCheck::Missing},
        {dir / "none" / "x.txt", PathCheck::Missing},
        {dir, PathCheck::NotPlain},
    };
#ifndef _WIN32
    ASSERT_EQ(mkfifo((dir / "pipe").c_str(), 0600), 0);
    table.emplace_back(dir / "pipe", PathCheck::NotPlain);
    const int sock = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string socketPath = (dir / "sock").string();
    socketPath.copy(address.sun_path, sizeof address.sun_path - 1);
    ASSERT_EQ(bind(sock, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    table.emplace_back(dir / "sock", PathCheck::NotPlain);
    table.emplace_back("/dev/null", PathCheck::NotPlain);
#endif
    for (const auto& [path, expected] : table) {
        SCOPED_TRACE(path.string());
        std::string bytes = "kept";
        const PathCheck read = ReadPlainFile(path.string(), bytes, 100);
        EXPECT_EQ(CheckPlainFile(path.string()), expected);
        EXPECT_EQ(read, expected);
        EXPECT_EQ(bytes, expected == PathCheck::Plain ? "x" : "kept");
    }
#ifndef _WIN32
    close(sock);
#endif
}

#ifndef _WIN32
TEST_F(DurableFileTest, ReplaceKeepsPermissionsAndRemovesOnlyItsOwnDeadLeftovers) {
    const fs::path target = dir / "t.txt";
    WriteFile(target, "old");
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    const std::string prefix = ".t.txt.vorlan-save-";
    const std::string dead = prefix + std::to_string(DeadPid()) + "-0123456789abcdef.tmp";
    const std::string own = prefix + std::to_string(getpid()) + "-fedcba9876543210.tmp";
    const std::string live = prefix + "1-00000000000000aa.tmp"; // init never dies
    for (const std::string& name : {dead, own, live}) {
        WriteFile(dir / name, "leftover");
    }
    // A fixed series of names that a hundred earlier files would exhaust.
    for (int i = 0; i < 100; ++i) {
        WriteFile(dir / ("t.txt.tmp" + std::to_string(i)), "stranger");
    }

    ASSERT_TRUE(DurableReplace(target, "new"));
    EXPECT_EQ(ReadFile(target), "new");
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_FALSE(fs::exists(dir / dead));
    EXPECT_FALSE(fs::exists(dir / own));
    EXPECT_EQ(ReadFile(dir / live), "leftover");
    EXPECT_EQ(Names(dir).size(), 1u + 1u + 100u);
    EXPECT_EQ(ReadFile(dir / "t.txt.tmp99"), "stranger");
}

// A disk that fills up: the write fails part way (the file size limit stands
// in for a full file system, which needs no privileges), in a child process.
void SaveOnAFullDisk(const fs::path& target) {
    const rlimit limit{2048, 2048};
    std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &limit);
    LayoutDocument doc;
    doc.settings.keyCount = kMaxKeys;
    for (int k = 1; k <= kMaxKeys; ++k) {
        doc.keys[static_cast<std::size_t>(k)].codes[0] = 30;
        doc.keys[static_cast<std::size_t>(k)].name = "A key with a long name";
    }
    doc.filePath = target.string();
    doc.dirty = true;
    const bool written = static_cast<bool>(WriteLayout(doc, KeyboardVariant::SixteenScan));
    const bool intact = ReadFile(target) == "old layout" && Names(target.parent_path()).size() == 1;
    std::_Exit(!written && doc.dirty && intact ? 0 : 1);
}

TEST_F(DurableFileTest, FailedWriteKeepsTheOldFileAndTheLayoutDirty) {
    const fs::path target = dir / "big.txt";
    WriteFile(target, "old layout");
    EXPECT_EXIT(SaveOnAFullDisk(target), ::testing::ExitedWithCode(0), "");
}

TEST_F(DurableFileTest, ProgrammingFilesArePrivateAndOnlyDeadRunsLeftoversGo) {
    const std::optional<std::string> run = WriteProgrammingFile("layout", dir.string());
    ASSERT_TRUE(run);
    EXPECT_EQ(ReadFile(*run), "layout");
    EXPECT_EQ(fs::status(*run).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_FALSE(WritePrivateFile(*run, "other")); // never over an existing file
    EXPECT_EQ(ReadFile(*run), "layout");

    const std::string dead = "vorlan-run-" + std::to_string(DeadPid()) + "-0123456789abcdef.txt";
    WriteFile(dir / dead, "crashed");
    WriteFile(dir / "vorlan-run-notes.txt", "the user's");
    EXPECT_EQ(RemoveProgrammingLeftovers(dir.string()), 1);
    EXPECT_FALSE(fs::exists(dir / dead));
    EXPECT_TRUE(fs::exists(*run)); // this program's run is still going
    EXPECT_TRUE(fs::exists(dir / "vorlan-run-notes.txt"));
    EXPECT_FALSE(WriteProgrammingFile("layout", (dir / "missing").string()));
}
#endif

TEST_F(DurableFileTest, StampNoticesAnyChangeAndSurvivesItsText) {
    const fs::path file = dir / "s.txt";
    WriteFile(file, "abc");
    const FileStamp before = StampOf(file.string());
    EXPECT_TRUE(before.exists);
    EXPECT_EQ(before.size, 3u);
    const auto time = fs::last_write_time(file);
    WriteFile(file, "abd"); // same size, same time: only the bytes tell
    fs::last_write_time(file, time);
    EXPECT_NE(StampOf(file.string()), before);
    fs::remove(file);
    EXPECT_FALSE(StampOf(file.string()).exists);
    EXPECT_EQ(FileStamp::FromText(before.ToText()), before);
    for (const char* bad : {"", "1 2 3", "2 1 1 1", "1 2 3 4 5", "x 1 2 3"}) {
        EXPECT_FALSE(FileStamp::FromText(bad)) << bad;
    }
}

} // namespace
} // namespace vorlan
