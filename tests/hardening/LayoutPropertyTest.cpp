// Random layouts through every file variant, and saves that fail part-way.
#include "fuzz/LayoutChecks.h"
#include "layout/LayoutFile.h"
#include "testing/RandomLayout.h"
#include "testing/TempFolder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

#ifndef _WIN32
#include <csignal>
#include <sys/resource.h>
#endif

namespace vorlan::hardening {
namespace {

TEST(LayoutProperties, RandomLayoutsSurviveEveryVariant) {
    for (unsigned seed = 1; seed <= 150; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        const LayoutDocument doc = RandomLayout(seed).Make();
        for (KeyboardVariant variant : kAllVariants) {
            ASSERT_EQ(CheckRoundTrip(doc, variant), "");
        }
    }
}

// Group numbers are not kept: a rebuild numbers the groups 1, 2, ... in the
// order of their anchors, the same way on both sides of a save.
TEST(LayoutProperties, ReadLayoutsRebuildAsTheirSource) {
    for (unsigned seed = 1; seed <= 150; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        LayoutDocument doc = RandomLayout(seed).Make();
        doc.RebuildAfterLoad();
        ASSERT_EQ(CheckLoadedLayout(doc), "");
        for (KeyboardVariant variant : kAllVariants) {
            ASSERT_EQ(CheckRoundTrip(doc, variant, true), "");

            LayoutDocument back;
            ParseLayout(back, FormatLayout(doc, variant));
            back.RebuildAfterLoad();
            ASSERT_EQ(CheckLoadedLayout(back), "");
        }
    }
}

std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class ErrorRecorder : public LayoutObserver {
public:
    void ShowError(StringId text) override { errors.push_back(text); }
    std::vector<StringId> errors;
};

class FailingSave : public testing::Test {
protected:
    void SetUp() override {
        path = dir / "layout.txt";
        LayoutDocument old = RandomLayout(7).Make();
        old.filePath = path.string();
        ASSERT_TRUE(WriteLayout(old, KeyboardVariant::SixteenScan));
        oldBytes = ReadBytes(path);
    }

    // A different layout than the one on disk, with unsaved changes.
    LayoutDocument Changed() {
        LayoutDocument doc = RandomLayout(8).Make();
        doc.filePath = path.string();
        doc.SetObserver(&recorder);
        doc.MarkDirty();
        return doc;
    }

    // A save as the window makes it: the writer's result shown on its screen.
    bool Save(LayoutDocument& doc, KeyboardVariant variant) {
        const LayoutWriteResult written = WriteLayout(doc, variant);
        ShowWriteResult(recorder, written);
        return static_cast<bool>(written);
    }

    void ExpectOldFileKept(const LayoutDocument& doc) {
        EXPECT_EQ(ReadBytes(path), oldBytes);
        EXPECT_TRUE(doc.dirty);
        EXPECT_EQ(recorder.errors, std::vector<StringId>{StringId::CannotOpenFile});
        // Nothing half-written is left beside the file either.
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir),
                                std::filesystem::directory_iterator()),
                  1);
    }

    ErrorRecorder recorder;
    test::TempFolder temp;
    const std::filesystem::path& dir = temp.Path();
    std::filesystem::path path;
    std::string oldBytes;
};

#ifndef _WIN32
// Limits how large a file the process may write, so writing stops with an
// error after `bytes` bytes, wherever that falls in the file.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = saved_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, oldHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
    void (*oldHandler_)(int) = nullptr;
};
#endif

TEST_F(FailingSave, AWriteCutShortAnywhereKeepsTheOldFile) {
#ifdef _WIN32
    GTEST_SKIP() << "needs a file size limit";
#else
    LayoutDocument doc = Changed();
    const std::size_t size = FormatLayout(doc, KeyboardVariant::SixteenScan).size();
    ASSERT_NE(size, oldBytes.size()); // the two layouts really differ
    for (std::size_t limit : {std::size_t{0}, std::size_t{1}, std::size_t{4095}, std::size_t{4096},
                              size / 2, size - 1}) {
        SCOPED_TRACE("limit " + std::to_string(limit));
        recorder.errors.clear();
        bool written = true;
        {
            FileSizeLimit cut(limit);
            written = Save(doc, KeyboardVariant::SixteenScan);
        }
        EXPECT_FALSE(written);
        ExpectOldFileKept(doc);
    }
#endif
}

TEST_F(FailingSave, ATargetThatIsNoFileKeepsDirty) {
    LayoutDocument doc = Changed();
    doc.filePath = dir.string(); // a folder
    EXPECT_FALSE(Save(doc, KeyboardVariant::SevenThreeScan));
    doc.filePath = path.string();
    ExpectOldFileKept(doc);
    EXPECT_EQ(doc.variant, KeyboardVariant::SixteenScan);
}

} // namespace
} // namespace vorlan::hardening
