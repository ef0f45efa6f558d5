// A recording editor with a folder of its own for the File menu's tests, and
// layout files to open.
#pragma once

#include "layout/LayoutFile.h"
#include "testing/RecordingView.h"
#include "testing/TempFolder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace vorlan::test {

inline std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

inline int FirstNumber(const std::string& path) {
    return std::atoi(ReadFile(path).c_str());
}

// Writes a layout file with one programmed key at k, through a separate document.
inline void WriteLayoutFile(const std::string& path, int keyCount, int k, const std::string& name,
                            KeyboardVariant variant = KeyboardVariant::SixteenScan) {
    LayoutDocument doc;
    doc.settings.keyCount = keyCount;
    doc.keys[static_cast<std::size_t>(k)].codes[0] = 0x1C;
    doc.keys[static_cast<std::size_t>(k)].name = name;
    doc.filePath = path;
    ASSERT_TRUE(WriteLayout(doc, variant));
}

struct FileFixture : EditorFixture {
    TempFolder folder;
    void Open(const std::string& path) {
        view.openAnswers.push_back(path);
        editor.OnFileOpen();
    }
    std::vector<std::string> StoredRecent() {
        std::vector<std::string> out;
        for (int i = 1; i <= 4; ++i) {
            out.push_back(store.values[MemoryProfileStore::Key(kRecentFileSection,
                                                               "File" + std::to_string(i))]);
        }
        return out;
    }
};

} // namespace vorlan::test
