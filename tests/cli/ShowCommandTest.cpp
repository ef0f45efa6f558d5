#include "layout/LayoutFile.h"
#include "testing/CliRunner.h"
#include "testing/TempFolder.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

namespace vorlan {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;

struct RunResult {
    int status = -1;
    std::string out;
    std::string err;
};

class ShowCommandTest : public ::testing::Test {
protected:
    RunResult Run(const std::vector<std::string>& args) {
        std::vector<std::string> all{"show"};
        all.insert(all.end(), args.begin(), args.end());
        const test::CliRun run = test::RunVorlanctl(all, dir);
        return {run.status, run.out, run.err};
    }

    // A 112-key layout with a single key named in Latin-1, a double key, a
    // quad key and a key of the right block.
    static LayoutDocument Sample() {
        LayoutDocument doc;
        doc.settings.keyCount = 112;
        doc.ResetToNew();
        doc.settings.keysType = 1;
        doc.settings.keyBeep = 1;
        doc.settings.keyDelay = 3;
        doc.settings.typematicRate = 20;
        doc.settings.keysPause = 7;
        doc.rfid.digitsCount = 5;
        doc.rfid.digitsTypeNum = false;
        doc.rfid.prefix = 0x1C;
        doc.rfid.suffix = 0x75;
        doc.rfid.suffixExtended = true;
        const auto set = [&doc](int k, KeyCodes codes, const char* name, bool group) {
            doc.MakeSlotSingle(k);
            KeyRecord& key = doc.keys[static_cast<std::size_t>(k)];
            key.codes = codes;
            key.name = name;
            key.SetGroupKey(group);
        };
        set(1, {0xE0, 0x75}, "Caf\xE9", false);
        set(10, {0x14, 0x21}, "Copy", true);
        set(11, {0x14, 0x21}, "Copy", true);
        for (int k : {20, 21, 28, 29}) {
            set(k, {0x5A}, "Big", true);
        }
        set(60, {0x1C, 0x1C}, "Twice", false);
        doc.keys[60].SetMode(KeyMode::Mode3);
        return doc;
    }

    test::TempFolder folder_;
    const fs::path& dir = folder_.Path();
};

TEST_F(ShowCommandTest, JsonShowsWhatTheEditorReadsInEveryVariant) {
    const LayoutDocument sample = Sample();
    for (int v = 1; v <= 4; ++v) {
        SCOPED_TRACE(v);
        const std::string text = FormatLayout(sample, static_cast<KeyboardVariant>(v));
        const fs::path file = dir / "layout.txt";
        std::ofstream(file, std::ios::binary) << text;
        LayoutDocument expected;
        expected.ResetToNew();
        ParseLayout(expected, text);
        expected.RebuildAfterLoad();

        const RunResult run = Run({file.string(), "--json"});
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.err, "");
        const json shown = json::parse(run.out, nullptr, false);
        ASSERT_FALSE(shown.is_discarded()) << run.out;

        EXPECT_EQ(shown["keyCount"], expected.settings.keyCount);
        EXPECT_EQ(shown["variant"], static_cast<int>(expected.variant));
        EXPECT_EQ(shown["loadedVariant"], static_cast<int>(expected.loadedVariant));
        EXPECT_EQ(shown["settings"]["keysType"], expected.settings.keysType);
        EXPECT_EQ(shown["settings"]["keyBeep"], expected.settings.keyBeep);
        EXPECT_EQ(shown["settings"]["keyDelay"], expected.settings.keyDelay);
        EXPECT_EQ(shown["settings"]["typematicRate"], expected.settings.typematicRate);
        EXPECT_EQ(shown["settings"]["keysPause"], expected.settings.keysPause);
        EXPECT_EQ(shown["rfid"]["digitsCount"], expected.rfid.digitsCount);
        EXPECT_EQ(shown["rfid"]["digitsTypeNum"], expected.rfid.digitsTypeNum);
        EXPECT_EQ(shown["rfid"]["prefix"], expected.rfid.prefix);
        EXPECT_EQ(shown["rfid"]["prefixExtended"], expected.rfid.prefixExtended);
        EXPECT_EQ(shown["rfid"]["suffix"], expected.rfid.suffix);
        EXPECT_EQ(shown["rfid"]["suffixExtended"], expected.rfid.suffixExtended);

        ASSERT_EQ(shown["keys"].size(), 112u);
        for (int k = 1; k <= 112; ++k) {
            const json& key = shown["keys"][static_cast<std::size_t>(k - 1)];
            const KeyRecord& record = expected.keys[static_cast<std::size_t>(k)];
            EXPECT_EQ(key["number"], k);
            EXPECT_EQ(key["codes"].get<KeyCodes>(), record.codes) << k;
            EXPECT_EQ(key["codeNames"].size(), 16u);
            EXPECT_EQ(key["groupNumber"], record.groupNumber) << k;
            EXPECT_EQ(key["groupKey"], record.groupKey()) << k;
            EXPECT_EQ(key["singleKey"], record.singleKey()) << k;
            EXPECT_EQ(key["mode"], ModeBits(record.mode())) << k;
        }
        ASSERT_EQ(shown["catalog"].size(), expected.CatalogRows().size());
        std::size_t row = 0;
        for (const json& entry : shown["catalog"]) {
            const std::string mark = entry["inLayout"].get<bool>() ? " *" : "";
            const std::string name = entry["name"];
            EXPECT_EQ(name == "Caf\xC3\xA9" ? std::string("Caf\xE9") + mark : name + mark,
                      expected.CatalogRows()[row++]);
        }
    }
}

TEST_F(ShowCommandTest, JsonNamesKindsAndCodes) {
    const fs::path file = dir / "layout.txt";
    std::ofstream(file, std::ios::binary) << FormatLayout(Sample(), KeyboardVariant::SixteenScan);
    const RunResult run = Run({"--json", file.string()});
    ASSERT_EQ(run.status, 0) << run.err;
    const json shown = json::parse(run.out, nullptr, false);
    ASSERT_FALSE(shown.is_discarded());
    const json& keys = shown["keys"];

    // Latin-1 bytes come out as UTF-8, every byte kept.
    EXPECT_EQ(keys[0]["name"], "Caf\xC3\xA9");
    EXPECT_EQ(keys[0]["kind"], "Single");
    EXPECT_EQ(keys[0]["codeNames"][0], "extended");
    EXPECT_EQ(keys[0]["codeNames"][1], "Up");
    EXPECT_EQ(keys[0]["codeNames"][2], "");
    EXPECT_EQ(keys[1]["kind"], "Empty");
    EXPECT_EQ(keys[1]["partners"], json::array());
    EXPECT_EQ(keys[9]["kind"], "Double");
    EXPECT_EQ(keys[9]["partners"], json({11}));
    EXPECT_EQ(keys[10]["partners"], json({10}));
    EXPECT_EQ(keys[9]["codeNames"][0], "Ctrl_left");
    EXPECT_EQ(keys[9]["codeNames"][1], "C");
    EXPECT_EQ(keys[19]["kind"], "Quad");
    EXPECT_EQ(keys[19]["partners"], json({21, 28, 29}));
    EXPECT_EQ(keys[28]["partners"], json({20, 21, 28}));
    EXPECT_EQ(keys[59]["codeNames"][1], "A");
    EXPECT_EQ(keys[59]["mode"], 2);
}

TEST_F(ShowCommandTest, TableListsChangedKeysAndTheCatalogue) {
    const fs::path file = dir / "layout.txt";
    std::ofstream(file, std::ios::binary) << FormatLayout(Sample(), KeyboardVariant::SixteenScan);
    const RunResult run = Run({file.string()});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string& out = run.out;
    EXPECT_NE(out.find("Keys: 112"), std::string::npos) << out;
    EXPECT_NE(out.find("224=extended 117=Up"), std::string::npos) << out;
    EXPECT_NE(out.find(" 10 Double 11"), std::string::npos) << out;
    EXPECT_NE(out.find(" 20 Quad   21,28,29"), std::string::npos) << out;
    EXPECT_NE(out.find("Caf\xC3\xA9"), std::string::npos) << out;
    // Keys as a new layout has them get no row.
    EXPECT_EQ(out.find("KEY2\n"), std::string::npos) << out;
    const auto catalog = out.find("Programmed keys:\n");
    ASSERT_NE(catalog, std::string::npos);
    EXPECT_NE(out.find("  Copy *\n", catalog), std::string::npos) << out;
}

TEST_F(ShowCommandTest, FailuresAndUsage) {
    const RunResult missing = Run({(dir / "nothing.txt").string()});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "Error: Cannot open file!\n");
    EXPECT_EQ(missing.out, "");

    EXPECT_EQ(Run({}).status, 2);
    EXPECT_EQ(Run({"a.txt", "b.txt"}).status, 2);
    const RunResult unknown = Run({"--yaml", "a.txt"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_NE(unknown.err.find("vorlanctl show LAYOUT [--json]"), std::string::npos);
}

} // namespace
} // namespace vorlan
