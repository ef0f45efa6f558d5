// Random layouts through every file variant, and saves that fail part-way.
#include "fuzz/LayoutChecks.h"
#include "layout/LayoutFile.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <random>

#ifndef _WIN32
#include <csignal>
#include <sys/resource.h>
#endif

namespace vorlan::hardening {
namespace {

constexpr KeyboardVariant kAllVariants[] = {
    KeyboardVariant::SevenThreeScan, KeyboardVariant::SixteenScan, KeyboardVariant::SingleLeft,
    KeyboardVariant::SingleRight};

class RandomLayout {
public:
    explicit RandomLayout(unsigned seed) : rng_(seed) {}

    LayoutDocument Make() {
        LayoutDocument doc;
        doc.settings.keyCount = Pick(0, 1) == 0 ? kBlockKeys : kMaxKeys;
        doc.settings.keysType = Pick(0, 1);
        doc.settings.keyBeep = Pick(0, 1);
        doc.settings.keyDelay = Pick(0, 3);
        doc.settings.typematicRate = Pick(0, 31);
        doc.settings.keysPause = Pick(1, 255);
        doc.rfid.digitsCount = static_cast<std::uint8_t>(Pick(0, 13));
        doc.rfid.digitsTypeNum = Pick(0, 1) == 1;
        doc.rfid.prefix = static_cast<std::uint8_t>(Pick(0, 255));
        doc.rfid.prefixExtended = Pick(0, 1) == 1;
        doc.rfid.suffix = static_cast<std::uint8_t>(Pick(0, 255));
        doc.rfid.suffixExtended = Pick(0, 1) == 1;

        for (int k = 1; k <= kMaxKeys; ++k) {
            KeyRecord& key = doc.keys[static_cast<std::size_t>(k)];
            if (Pick(0, 3) == 0) {
                continue; // stays as New left it
            }
            key.codes = Codes();
            key.flags = static_cast<std::uint8_t>(Pick(0, 255)); // bits 4-7 never travel
            key.groupNumber = Pick(0, 255);
            key.name = Name();
        }
        // Joined keys: group keys with equal codes side by side, below each
        // other or as a square, plus the odd pair that is too far apart.
        for (int joins = Pick(0, 8); joins > 0; --joins) {
            const int anchor = Pick(1, kMaxKeys - kBlockColumns - 1);
            const KeyCodes codes = Codes();
            std::vector<int> cells;
            switch (Pick(0, 3)) {
            case 0:
                cells = {anchor, anchor + 1};
                break;
            case 1:
                cells = {anchor, anchor + kBlockColumns};
                break;
            case 2:
                cells = {anchor, anchor + 1, anchor + kBlockColumns, anchor + kBlockColumns + 1};
                break;
            default:
                cells = {anchor, Pick(1, kMaxKeys)};
                break;
            }
            for (int c : cells) {
                KeyRecord& key = doc.keys[static_cast<std::size_t>(c)];
                key.codes = codes;
                key.SetGroupKey(true);
            }
        }
        return doc;
    }

private:
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }

    KeyCodes Codes() {
        KeyCodes codes{};
        const int count = Pick(1, kCodesPerKey);
        for (int i = 0; i < count; ++i) {
            codes[static_cast<std::size_t>(i)] = Pick(i == 0 ? 1 : 0, 255);
        }
        return codes;
    }

    // Any byte a name can carry in a file: everything but the separators and
    // line ends. Lengths cluster at the limit.
    std::string Name() {
        const int length = Pick(0, 3) == 0 ? static_cast<int>(kMaxKeyNameBytes) : Pick(0, 110);
        std::string name;
        while (static_cast<int>(name.size()) < length) {
            const char c = static_cast<char>(Pick(0, 255));
            if (c != ';' && c != ',' && c != '\r' && c != '\n') {
                name += c;
            }
        }
        return name;
    }

    std::mt19937 rng_;
};

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
        dir = std::filesystem::temp_directory_path() /
              ("vorlan-failing-save-" +
               std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
               std::to_string(reinterpret_cast<std::uintptr_t>(this)));
        std::filesystem::create_directories(dir);
        path = dir / "layout.txt";
        LayoutDocument old = RandomLayout(7).Make();
        old.filePath = path.string();
        ASSERT_TRUE(WriteLayout(old, KeyboardVariant::SixteenScan));
        oldBytes = ReadBytes(path);
    }
    void TearDown() override {
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }

    // A different layout than the one on disk, with unsaved changes.
    LayoutDocument Changed() {
        LayoutDocument doc = RandomLayout(8).Make();
        doc.filePath = path.string();
        doc.SetObserver(&recorder);
        doc.MarkDirty();
        return doc;
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
    std::filesystem::path dir;
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
            written = WriteLayout(doc, KeyboardVariant::SixteenScan);
        }
        EXPECT_FALSE(written);
        ExpectOldFileKept(doc);
    }
#endif
}

TEST_F(FailingSave, ATargetThatIsNoFileKeepsDirty) {
    LayoutDocument doc = Changed();
    doc.filePath = dir.string(); // a folder
    EXPECT_FALSE(WriteLayout(doc, KeyboardVariant::SevenThreeScan));
    doc.filePath = path.string();
    ExpectOldFileKept(doc);
    EXPECT_EQ(doc.variant, KeyboardVariant::SixteenScan);
}

} // namespace
} // namespace vorlan::hardening
