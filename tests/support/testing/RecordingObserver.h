// A LayoutObserver that writes down every call as one line of text, so tests
// can compare what the model asked the screen to do.
#pragma once

#include "layout/LayoutObserver.h"

#include <algorithm>
#include <string>
#include <vector>

namespace vorlan::test {

class RecordingObserver : public LayoutObserver {
public:
    std::vector<std::string> calls;
    std::vector<std::string> lastCatalogRows;
    int lastCatalogSelection = -2;

    void DrawKeyImage(int slot, KeyImage image) override {
        calls.push_back("draw " + std::to_string(slot) + " " +
                        std::to_string(static_cast<int>(image)));
    }
    void DrawGrid() override { calls.push_back("grid"); }
    void TitleChanged() override { calls.push_back("title"); }
    void ShowError(StringId text) override {
        calls.push_back("error " + std::string(StringText(text)));
    }
    void RfidChanged() override { calls.push_back("rfid"); }
    void ControlsChanged() override { calls.push_back("controls"); }
    void CommitControls() override { calls.push_back("commit"); }
    void CatalogListFilled(const std::vector<std::string>& rows, int selectedRow) override {
        lastCatalogRows = rows;
        lastCatalogSelection = selectedRow;
        calls.push_back("catalog " + std::to_string(rows.size()) + " " +
                        std::to_string(selectedRow));
    }
    void DocumentReset() override { calls.push_back("reset"); }
    void SelectKey(int key) override { calls.push_back("select " + std::to_string(key)); }

    int Count(const std::string& call) const {
        return static_cast<int>(std::count(calls.begin(), calls.end(), call));
    }
    std::vector<std::string> Errors() const {
        std::vector<std::string> out;
        for (const std::string& c : calls) {
            if (c.starts_with("error ")) {
                out.push_back(c.substr(6));
            }
        }
        return out;
    }
};

} // namespace vorlan::test
