// File > Programming: the private temporary file the run reads.
#include "layout/ProgrammingFile.h"
#include "testing/FileFixture.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

namespace vorlan::test {
namespace {

namespace fs = std::filesystem;

class CurrentFolder {
public:
    explicit CurrentFolder(const fs::path& folder) : previous_(fs::current_path()) {
        fs::current_path(folder);
    }
    ~CurrentFolder() { fs::current_path(previous_); }

private:
    fs::path previous_;
};

// Points the user's temporary folder somewhere else for one test.
class TemporaryFolder {
public:
#ifdef _WIN32
    static constexpr const char* kVariable = "TMP";
#else
    static constexpr const char* kVariable = "TMPDIR";
#endif
    explicit TemporaryFolder(const fs::path& path) {
        if (const char* kept = std::getenv(kVariable)) {
            previous_ = kept;
        }
        Set(path.string());
    }
    ~TemporaryFolder() {
        Set(previous_);
    }

private:
    static void Set(const std::string& value) {
#ifdef _WIN32
        _putenv_s(kVariable, value.c_str());
#else
        if (value.empty()) {
            unsetenv(kVariable);
        } else {
            setenv(kVariable, value.c_str(), 1);
        }
#endif
    }
    std::string previous_;
};

TEST(FileProgramming, WritesAPrivateFileInTheLoadedVariantAndKeepsTheDocument) {
    FileFixture f;
    const std::string path = f.folder.File("seven.txt");
    WriteLayoutFile(path, 56, 4, "Four", KeyboardVariant::SevenThreeScan);
    f.Open(path);
    f.Click(6);
    f.Capture({0x1C});
    ASSERT_TRUE(f.doc().dirty);
    const fs::path temp = fs::path(f.folder.Path()) / "temp";
    fs::create_directory(temp);
    TemporaryFolder tmp(temp);
    CurrentFolder here(f.folder.Path());
    f.editor.OnFileProgramming();
    f.editor.OnFileProgramming();
    // Each run has its own file, so two windows never share one.
    ASSERT_EQ(f.view.programmingRuns.size(), 2u);
    EXPECT_NE(f.view.programmingRuns[0], f.view.programmingRuns[1]);
    for (const std::string& run : f.view.programmingRuns) {
        EXPECT_EQ(fs::path(run).parent_path(), temp);
        EXPECT_TRUE(fs::path(run).filename().string().starts_with(kProgrammingFilePrefix));
        EXPECT_EQ(FirstNumber(run), 56);
#ifndef _WIN32
        // Windows has no such bits: the user's temporary folder is private there.
        EXPECT_EQ(fs::status(run).permissions() & fs::perms::all,
                  fs::perms::owner_read | fs::perms::owner_write);
#endif
    }
    EXPECT_FALSE(fs::exists(f.folder.File("vorlan.tmp")));
    EXPECT_EQ(f.doc().filePath, path);
    EXPECT_TRUE(f.doc().dirty); // the user's file is still unsaved
    EXPECT_EQ(f.doc().variant, KeyboardVariant::SevenThreeScan);
}

TEST(FileProgramming, ALayoutWithoutKeysStartsNoRunAndLeavesNoFile) {
    FileFixture f;
    f.doc().filePath = "/keep/me.txt";
    TemporaryFolder tmp(f.folder.Path());
    f.editor.OnFileProgramming();
    EXPECT_TRUE(f.view.programmingRuns.empty());
    EXPECT_EQ(f.view.errors, std::vector<std::string>{"The file contains no programmed key"});
    EXPECT_EQ(f.doc().filePath, "/keep/me.txt");
    EXPECT_TRUE(fs::is_empty(f.folder.Path()));
}

} // namespace
} // namespace vorlan::test
