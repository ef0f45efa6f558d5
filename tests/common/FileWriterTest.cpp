// The file writer's refusals and failures, each with its words, for the
// three ways it writes (replace, append, check); and what a failure leaves.
#include "common/FileWriter.h"

#include "testing/TempFolder.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace vorlan {
namespace {

namespace fs = std::filesystem;

std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class FileWriterTest : public ::testing::Test {
protected:
    void SetUp() override {
        input = (dir / "L.txt").string();
        std::ofstream(input, std::ios::binary) << "layout";
    }

    test::TempFolder folder_;
    const fs::path& dir = folder_.Path();
    std::string input;
};

TEST_F(FileWriterTest, RefusalsAndTheirWords) {
    fs::create_directories(dir / "folder");
    fs::create_directories(dir / "sub");
    fs::create_hard_link(input, dir / "hard.txt");
    struct Case {
        std::string target;
        WriteFailure failure;
        std::string text;
    };
    std::vector<Case> cases = {
        {(dir / "folder").string(), WriteFailure::NotPlain,
         (dir / "folder").string() + " is not a plain file."},
        {input, WriteFailure::SameAsInput, input + " is the layout being read."},
        {(dir / "sub" / ".." / "L.txt").string(), WriteFailure::SameAsInput,
         (dir / "sub" / ".." / "L.txt").string() + " is the layout being read."},
        {(dir / "hard.txt").string(), WriteFailure::SameAsInput,
         (dir / "hard.txt").string() + " is the layout being read."},
        {(dir / "none" / "x.txt").string(), WriteFailure::FolderMissing,
         "The folder " + (dir / "none").string() + " does not exist."},
    };
#ifndef _WIN32
    ASSERT_EQ(0, ::mkfifo((dir / "pipe").c_str(), 0600));
    fs::create_symlink(input, dir / "link.txt");
    cases.push_back({(dir / "pipe").string(), WriteFailure::NotPlain,
                     (dir / "pipe").string() + " is not a plain file."});
    cases.push_back({(dir / "link.txt").string(), WriteFailure::SameAsInput,
                     (dir / "link.txt").string() + " is the layout being read."});
    cases.push_back({"/dev/null", WriteFailure::NotPlain, "/dev/null is not a plain file."});
#endif
    using Write = std::function<FileWriteResult(const std::string&)>;
    const InputFiles inputs{input};
    const std::vector<std::pair<const char*, Write>> writes = {
        {"check", [&](const std::string& t) { return CheckWriteTarget(t, inputs); }},
        {"replace", [&](const std::string& t) { return ReplaceFile(t, "new", inputs); }},
        {"append", [&](const std::string& t) { return AppendLine(t, "line", inputs); }},
    };
    for (const auto& [how, write] : writes) {
        for (const Case& c : cases) {
            if (c.failure == WriteFailure::FolderMissing && std::string(how) == "append") {
                continue; // the log makes its folders
            }
            SCOPED_TRACE(std::string(how) + " " + c.target);
            const FileWriteResult result = write(c.target);
            EXPECT_EQ(c.failure, result.failure);
            EXPECT_EQ(c.text, WriteFailureText(result));
        }
    }
    EXPECT_EQ("layout", Read(input));
    for (const auto& entry : fs::recursive_directory_iterator(dir)) {
        EXPECT_EQ(std::string::npos, entry.path().string().find(".vorlan-save-"))
            << "a temporary file was left: " << entry.path();
    }
}

TEST_F(FileWriterTest, AppendAddsWholeLinesAndReplaceKeepsThePermissions) {
    const std::string log = (dir / "deep" / "run.log").string();
    ASSERT_TRUE(AppendLine(log, "one").Ok());
    ASSERT_TRUE(AppendLine(log, "two").Ok());
    EXPECT_EQ("one\ntwo\n", Read(log));
    const std::string out = (dir / "out.bin").string();
    ASSERT_TRUE(ReplaceFile(out, "first").Ok());
#ifndef _WIN32
    ::chmod(out.c_str(), 0640);
#endif
    ASSERT_TRUE(ReplaceFile(out, "second", {input}).Ok());
    EXPECT_EQ("second", Read(out));
#ifndef _WIN32
    struct stat info {};
    ASSERT_EQ(0, ::stat(out.c_str(), &info));
    EXPECT_EQ(0640u, info.st_mode & 07777);
    // A dangling link names the file to make; the link stays a link.
    fs::create_symlink("made.txt", dir / "dangling.txt");
    ASSERT_TRUE(ReplaceFile((dir / "dangling.txt").string(), "made").Ok());
    EXPECT_TRUE(fs::is_symlink(dir / "dangling.txt"));
    EXPECT_EQ("made", Read(dir / "made.txt"));
    fs::create_symlink("gone/x.txt", dir / "nowhere.txt");
    EXPECT_EQ("The folder " + (dir / "gone").string() + " does not exist.",
              WriteFailureText(ReplaceFile((dir / "nowhere.txt").string(), "x")));
#endif
}

} // namespace
} // namespace vorlan
