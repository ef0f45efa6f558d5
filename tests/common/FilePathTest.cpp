// The one crossing between the program's path text and the system's paths.
#include "common/FilePath.h"

#include "testing/TempFolder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <string>

namespace vorlan {
namespace {

namespace fs = std::filesystem;

struct Case {
    std::string text;
    fs::path::string_type native; // what the system gets
};

TEST(FilePath, TextAndSystemPathsAreTheSameName) {
    const Case cases[] = {
#ifdef _WIN32
        // UTF-16, never the ANSI code page's reading of the bytes.
        {"layout.txt", L"layout.txt"},
        {"\xC5\x81ukasz \xE2\x82\xAC.txt", L"\u0141ukasz \u20AC.txt"},
        {"keys \xF0\x9F\x8E\xB9", L"keys \U0001F3B9"},
        {"C:\\Users\\\xCE\xA9\\a.txt", L"C:\\Users\\\u03A9\\a.txt"},
#else
        // The bytes themselves, UTF-8 or not.
        {"layout.txt", "layout.txt"},
        {"\xC5\x81ukasz \xE2\x82\xAC.txt", "\xC5\x81ukasz \xE2\x82\xAC.txt"},
        {"bad \xFF\xFE\x80 name", "bad \xFF\xFE\x80 name"},
#endif
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(PathFromUtf8(c.text).native(), c.native);
        EXPECT_EQ(Utf8FromPath(fs::path(c.native)), c.text);
    }
}

TEST(FilePath, OpenForReadingTakesAnyNameAndRefusesWhatIsNoFile) {
    const test::TempFolder temp;
    const fs::path& folder = temp.Path();
    const std::string name = Utf8FromPath(folder) + "/\xCE\x9A\xCE\xBB \xE9\x94\xAE";
    std::ofstream(PathFromUtf8(name)) << "56;";
    std::ifstream file;
    std::string text;
    ASSERT_TRUE(OpenForReading(name, file));
    file >> text;
    EXPECT_EQ(text, "56;");
    file.close(); // Windows removes no open file
    for (const std::string& refused : {Utf8FromPath(folder), Utf8FromPath(folder / "missing")}) {
        std::ifstream other;
        EXPECT_FALSE(OpenForReading(refused, other)) << refused;
        EXPECT_FALSE(other.is_open());
    }
}

// On Windows the narrow environment holds the ANSI code page's reading.
TEST(FilePath, EnvironmentIsReadAsText) {
    const std::string value = "C:\\Users\\\xC5\x81ukasz";
#ifdef _WIN32
    _wputenv_s(L"VORLAN_PATH_TEST", PathFromUtf8(value).c_str());
#else
    setenv("VORLAN_PATH_TEST", value.c_str(), 1);
#endif
    EXPECT_EQ(EnvironmentText("VORLAN_PATH_TEST"), value);
    EXPECT_EQ(EnvironmentText("VORLAN_PATH_TEST_UNSET"), "");
}

} // namespace
} // namespace vorlan
