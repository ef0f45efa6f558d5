// Any file name through every command that opens, creates or logs a file, run
// as a user runs vorlanctl: on Windows names outside the ANSI code page (a
// Western European code page cannot hold Polish, Greek, Cyrillic, CJK or an
// emoji), on POSIX systems names that are not UTF-8 at all.
#include "common/FilePath.h"
#include "records/RecordText.h"
#include "testing/CliRunner.h"
#include "testing/TempFolder.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace vorlan {
namespace {

namespace fs = std::filesystem;

// A 7/3scan layout, as an emulated keyboard of type 0 takes it.
const std::string kLayout = std::string(VORLAN_TEST_DATA_DIR) + "/programming/layout56.txt";
const std::string kFaulty = std::string(VORLAN_TEST_DATA_DIR) + "/layout/group-key-error.txt";

struct NameCase {
    const char* what;
    std::string name;
};

std::vector<NameCase> Names() {
    std::vector<NameCase> names = {
        {"ascii", "layout.txt"},
        {"western", "J\xC3\xB6rg \xC3\xA4.txt"},                                   // Jörg ä
        {"polish", "\xC5\x81ukasz \xE2\x82\xAC.txt"},                              // Łukasz €
        {"greek", "\xCE\xA0\xCE\xBB\xCE\xB7\xCE\xBA\xCF\x84\xCF\x81\xCE\xBF.txt"}, // Πληκτρο
        {"cyrillic", "\xD0\x9A\xD0\xBB\xD0\xB0\xD0\xB2\xD0\xB8\xD1\x88\xD0\xB8.txt"},
        {"cjk", "\xE9\x94\xAE\xE7\x9B\x98.txt"}, // 键盘
        {"emoji", "keys \xF0\x9F\x8E\xB9.txt"},  // a character beyond 16 bits
        {"space and dots", "a layout. v2 .txt"}, // Windows keeps dots inside a name
        {"accents", "\xC3\xA9t\xC3\xA9.txt"},    // été
        {"polish city", "\xC5\x81\xC3\xB3"
                        "d\xC5\xBA.txt"},                                    // Łódź
        {"greek and cyrillic", "\xCE\xA9mega \xD0\xB4\xD0\xBE\xD0\xBC.txt"}, // Ωmega дом
        // Signs a shell would act on reach vorlanctl as they are.
        {"shell signs", "$HOME `id` ${x} 50% & ^ !a.txt"},
    };
#ifndef _WIN32
    // Any bytes but '/' and NUL: Latin-1 and a byte no encoding gives.
    names.push_back({"latin-1 bytes", "J\xF6rg \xE9t\xE9.txt"});
    names.push_back({"invalid utf-8", "bad \xFF\xFE name"});
    names.push_back({"space and dot at the end", "layout ."});
    names.push_back({"quotes and backslash", "a \"quoted\" \\ 'name'.txt"});
#endif
    return names;
}

void SetEnvironment(const std::string& name, const std::string& value) {
#ifdef _WIN32
    _wputenv_s(PathFromUtf8(name).c_str(), PathFromUtf8(value).c_str());
#else
    setenv(name.c_str(), value.c_str(), 1);
#endif
}

class FileNameTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetEnvironment("VORLAN_DEVICE", "");
        // The runs without --log write to the user's data folder: the test's own.
        SetEnvironment(kDataVariable, Utf8FromPath(folder / "data"));
    }
    void TearDown() override { SetEnvironment(kDataVariable, savedData); }

    test::CliRun Run(const std::vector<std::string>& arguments) {
        return test::RunVorlanctl(arguments, folder);
    }
    // A path in the test's folder as program text (UTF-8 on Windows).
    std::string In(const std::string& name) const {
        return Utf8FromPath(folder / PathFromUtf8(name));
    }
    std::string Bytes(const std::string& name) const {
        return test::ReadFileBytes(folder / PathFromUtf8(name));
    }
    void Copy(const std::string& from, const std::string& name) const {
        fs::copy_file(PathFromUtf8(from), folder / PathFromUtf8(name),
                      fs::copy_options::overwrite_existing);
    }

#ifdef _WIN32
    static constexpr const char* kDataVariable = "APPDATA";
#else
    static constexpr const char* kDataVariable = "XDG_DATA_HOME";
#endif
    test::TempFolder folder_;
    const fs::path& folder = folder_.Path();
    std::string savedData = EnvironmentText(kDataVariable);
};

TEST_F(FileNameTest, EveryCommandOpensCreatesAndLogsAnyName) {
    Copy(kLayout, "reference.txt");
    const test::CliRun shown = Run({"show", In("reference.txt")});
    ASSERT_EQ(shown.status, 0) << shown.err;
    ASSERT_EQ(Run({"image", In("reference.txt"), "-o", In("reference.bin")}).status, 0);
    const std::string image = Bytes("reference.bin");
    ASSERT_FALSE(image.empty());

    for (const NameCase& c : Names()) {
        SCOPED_TRACE(c.what);
        const std::string& name = c.name;
        Copy(kLayout, name);

        const test::CliRun show = Run({"show", In(name)});
        EXPECT_EQ(show.status, 0) << show.err;
        EXPECT_TRUE(show.out == shown.out) << show.out.substr(0, 200);

        const std::string converted = name + ".converted";
        const test::CliRun convert = Run({"convert", In(name), In(converted), "--variant", "1"});
        EXPECT_EQ(convert.status, 0) << convert.err;
        const std::string reread = Run({"show", In(converted)}).out;
        EXPECT_TRUE(reread == shown.out) << reread.substr(0, 200);

        const std::string imageFile = name + ".bin";
        EXPECT_EQ(Run({"image", In(name), "-o", In(imageFile)}).status, 0);
        EXPECT_TRUE(Bytes(imageFile) == image);

        const std::string received = name + ".received";
        const std::string log = name + ".log";
        const test::CliRun program = Run(
            {"program", "--emulate", "0", "--received", In(received), "--log", In(log), In(name)});
        EXPECT_EQ(program.status, 0) << program.err;
        EXPECT_TRUE(Bytes(received) == image);
        // The log names the layout by its absolute path, in the same text.
        EXPECT_NE(Bytes(log).find(name), std::string::npos) << Bytes(log);
    }
}

TEST_F(FileNameTest, CheckNamesTheFileAsGiven) {
    for (const NameCase& c : Names()) {
        SCOPED_TRACE(c.what);
        Copy(kFaulty, c.name);
        const test::CliRun check = Run({"check", In(c.name)});
        EXPECT_EQ(check.status, 1) << check.err;
        // Every finding begins with the file name, as bytes on a pipe.
        EXPECT_EQ(check.out.rfind(In(c.name) + ":", 0), 0u) << check.out;
    }
}

// The default record's folder comes from the user's data folder, which on
// Windows is under the user's name (C:\Users\Łukasz\AppData\Roaming).
TEST_F(FileNameTest, TheDefaultLogFolderMayHaveAnyName) {
    Copy(kLayout, "layout.txt");
    // Names no Western code page holds, and bytes that are no UTF-8 elsewhere.
    for (const std::string user : {
             "\xC5\x81ukasz",
             "\xE7\x94\xA8\xE6\x88\xB7 \xF0\x9F\x8E\xB9",
#ifndef _WIN32
             "J\xF6rg",
#endif
         }) {
        SCOPED_TRACE(user);
        const fs::path data = folder / PathFromUtf8(user);
        SetEnvironment(kDataVariable, Utf8FromPath(data));
        const test::CliRun program = Run({"program", "--emulate", "0", In("layout.txt")});
        EXPECT_EQ(program.status, 0) << program.err;
        EXPECT_TRUE(fs::is_regular_file(data / "Kelvane" / "vorlan" / kRecordFileName));
    }
}

} // namespace
} // namespace vorlan
