// Every command that reads a layout says the same for the same input it
// cannot read, and none of them waits on it or writes anything.
#include "testing/CliRunner.h"
#include "testing/TempFolder.h"

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <grp.h>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace vorlan {
namespace {

namespace fs = std::filesystem;

const std::string kLayout = std::string(VORLAN_TEST_DATA_DIR) + "/programming/layout56.txt";
const std::string kCannotOpen = "Cannot open file!";
const std::string kNotPlain =
    "This is not a plain file (it is a folder, pipe, socket or device), so it cannot be opened.";

class UnreadableInputTest : public ::testing::Test {
protected:
    void SetUp() override {
        // The unreadable file is run as another user where the test is root,
        // who reads any file: that user must reach the folder and the layout.
        fs::permissions(dir, fs::perms::all);
        fs::copy_file(kLayout, dir / "good.txt");
        fs::permissions(dir / "good.txt",
                        fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    }

    // Runs vorlanctl as a user would; as "nobody" when asked and the test
    // runs as root.
    test::CliRun Run(const std::vector<std::string>& arguments, bool asOtherUser) {
        std::vector<std::string> words{VORLAN_VORLANCTL};
        words.insert(words.end(), arguments.begin(), arguments.end());
        std::vector<char*> argv;
        for (std::string& word : words) {
            argv.push_back(word.data());
        }
        argv.push_back(nullptr);
        const std::string out = (dir / "run.stdout").string();
        const std::string err = (dir / "run.stderr").string();
        const pid_t pid = fork();
        if (pid == 0) {
            const int outFd = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
            const int errFd = open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
            if (outFd < 0 || errFd < 0 || dup2(outFd, STDOUT_FILENO) < 0 ||
                dup2(errFd, STDERR_FILENO) < 0) {
                _exit(127);
            }
            // The record goes to the test's folder; another user's run has one
            // of its own, as the record of the first user is refused to it.
            setenv("XDG_DATA_HOME", (dir / "data").c_str(), 1);
            if (asOtherUser && geteuid() == 0) {
                setenv("VORLAN_RECORDS", otherRecord.c_str(), 1);
            }
            if (asOtherUser && geteuid() == 0 &&
                (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0)) {
                _exit(126);
            }
            execv(argv[0], argv.data());
            _exit(127);
        }
        int raw = 0;
        test::CliRun run;
        if (waitpid(pid, &raw, 0) == pid && WIFEXITED(raw)) {
            run.status = WEXITSTATUS(raw);
        }
        run.out = test::ReadFileBytes(out);
        run.err = test::ReadFileBytes(err);
        return run;
    }

    test::TempFolder temp;
    const fs::path& dir = temp.Path();
    const std::string otherRecord = (dir / "other-records.db").string();
};

TEST_F(UnreadableInputTest, EveryCommandGivesTheReadersMessageForTheSameInput) {
    const std::string missing = (dir / "missing.txt").string();
    const std::string folder = (dir / "folder").string();
    const std::string fifo = (dir / "fifo.txt").string();
    const std::string unreadable = (dir / "unreadable.txt").string();
    fs::create_directory(folder);
    ASSERT_EQ(mkfifo(fifo.c_str(), 0666), 0);
    fs::copy_file(kLayout, unreadable);
    fs::permissions(unreadable, fs::perms::none);
    const struct Input {
        const char* what;
        std::string path;
        std::string message;
    } inputs[] = {
        {"missing", missing, kCannotOpen},
        {"folder", folder, kNotPlain},
        {"FIFO", fifo, kNotPlain},
        {"unreadable", unreadable, kCannotOpen},
    };
    const std::string out = (dir / "out").string();
    // Each command with the input in the place of its layout, its exit status,
    // and the line before the reader's message ("Error: " for a window's
    // message box; check in the compilers' form; program keeps the engine's
    // own line first and gives the reason below it).
    const struct Command {
        std::vector<std::string> arguments; // "IN" stands for the input
        int status;
        std::string prefix;
    } commands[] = {
        {{"check", "IN"}, 1, "IN: error: "},
        {{"show", "IN"}, 1, "Error: "},
        {{"diff", "IN", (dir / "good.txt").string()}, 2, "vorlanctl diff: IN: "},
        {{"convert", "IN", out + ".txt"}, 1, "Error: IN: "},
        {{"image", "IN", "-o", out + ".bin"}, 1, "Error: "},
        {{"program", "--emulate", "1", "IN"}, 1, "Error: Unable to open file.\n"},
#ifdef VORLAN_CLI_PRINTING
        {{"sheet", "IN", "-o", out + ".pdf"}, 1, "Error: "},
        {{"legends", "IN", "-o", out + ".pdf"}, 1, "Error: "},
#endif
    };
    for (const Input& input : inputs) {
        for (const Command& command : commands) {
            std::vector<std::string> arguments = command.arguments;
            for (std::string& argument : arguments) {
                if (argument == "IN") {
                    argument = input.path;
                }
            }
            const std::string where = std::string(input.what) + ": " + command.arguments[0];
            const test::CliRun run = Run(arguments, &input == &inputs[3]);
            EXPECT_EQ(run.status, command.status) << where << "\n" << run.err;
            std::string expected = command.prefix + input.message + "\n";
            if (const auto in = expected.find("IN"); in != std::string::npos) {
                expected.replace(in, 2, input.path);
            }
            // check prints its findings, this one included, on standard output.
            const std::string& said = command.arguments[0] == "check" ? run.out : run.err;
            EXPECT_TRUE(said.starts_with(expected)) << where << "\n" << said;
            for (const char* suffix : {".txt", ".bin", ".pdf"}) {
                EXPECT_FALSE(fs::exists(out + suffix)) << where;
            }
        }
    }
}

} // namespace
} // namespace vorlan
