// A view that records what the key editor shows and answers its questions
// from queues, so the editor's behaviour can be checked without a window.
#pragma once

#include "editor/EditorView.h"
#include "editor/KeyEditor.h"
#include "grid/GridGeometry.h"
#include "layout/ProfileStore.h"

#include <deque>
#include <functional>
#include <map>
#include <utility>

namespace vorlan::test {

class MemoryProfileStore : public ProfileStore {
public:
    std::string ReadString(std::string_view section, std::string_view entry) override {
        const auto it = values.find(Key(section, entry));
        return it == values.end() ? std::string() : it->second;
    }
    void WriteString(std::string_view section, std::string_view entry,
                     std::string_view value) override {
        values[Key(section, entry)] = std::string(value);
        ++writes;
    }
    static std::string Key(std::string_view section, std::string_view entry) {
        return std::string(section) + "/" + std::string(entry);
    }
    std::map<std::string, std::string> values;
    int writes = 0;
};

class RecordingView : public EditorView {
public:
    // Grid: every call in order, and the last image drawn at each slot.
    std::vector<std::pair<int, KeyImage>> draws;
    std::map<int, KeyImage> screen;
    void DrawKeyImage(int slot, KeyImage image) override {
        draws.emplace_back(slot, image);
        screen[slot] = image;
    }

    // Panel: the controls, as the user would see and edit them.
    PanelValues controls;
    int panelPushes = 0;
    void ShowPanelValues(const PanelValues& values) override {
        controls = values;
        ++panelPushes;
    }
    PanelValues PanelValuesFromControls() override { return controls; }
    std::vector<std::pair<RfidField, UiMessage>> refusals;
    std::function<void()> onRefuse;
    void RefuseRfidText(RfidField field, const UiMessage& message) override {
        refusals.emplace_back(field, message);
        if (onRefuse) {
            onRefuse();
        }
    }

    std::vector<std::string> listRows;
    int listRow = -1;
    void FillCatalogList(const std::vector<std::string>& rows) override {
        listRows = rows;
        listRow = -1;
    }
    void SelectCatalogRow(int row) override { listRow = row; }

    std::array<std::string, kStatusPaneCount> panes;
    void SetStatusPane(StatusPane pane, const UiMessage& text) override {
        panes.at(PaneIndex(pane)) = text.English();
    }
    std::string title = "(none)";
    void SetTitle(const std::string& shownPath) override {
        title = shownPath.empty() ? "untitled" : shownPath;
    }

    std::vector<std::string> errors;
    void ShowError(const UiMessage& message) override { errors.push_back(message.English()); }
    std::vector<std::string> questions;
    std::deque<bool> answers; // empty: Yes
    bool AskYesNo(const UiMessage& question) override {
        questions.push_back(question.English());
        if (answers.empty()) {
            return true;
        }
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }

    // Three-way questions take their answers from here, then from answers.
    std::deque<SaveAnswer> threeWayAnswers;
    SaveAnswer AskYesNoCancel(const UiMessage& question) override {
        if (threeWayAnswers.empty()) {
            return AskYesNo(question) ? SaveAnswer::Yes : SaveAnswer::No;
        }
        questions.push_back(question.English());
        const SaveAnswer answer = threeWayAnswers.front();
        threeWayAnswers.pop_front();
        return answer;
    }

    CaptureResult capture; // what the capture dialog returns
    std::vector<KeyCodes> captureCodes;
    std::vector<std::array<std::string, kCodesPerKey>> captureNames;
    std::function<void()> onCapture;
    CaptureResult RunCaptureDialog(const KeyCodes& codes,
                                   const std::array<std::string, kCodesPerKey>& names,
                                   const CodeNaming& /*naming*/) override {
        captureCodes.push_back(codes);
        captureNames.push_back(names);
        if (onCapture) {
            onCapture();
        }
        return capture;
    }

    std::optional<KeyboardSettingsValues> settingsAnswer;
    std::vector<KeyboardSettingsValues> settingsShown;
    std::optional<KeyboardSettingsValues>
    RunKeyboardSettingsDialog(const KeyboardSettingsValues& values) override {
        settingsShown.push_back(values);
        return settingsAnswer;
    }

    std::deque<std::optional<std::string>> openAnswers;
    int openDialogs = 0;
    std::optional<std::string> RunOpenDialog() override {
        ++openDialogs;
        if (openAnswers.empty()) {
            return std::nullopt;
        }
        auto answer = openAnswers.front();
        openAnswers.pop_front();
        return answer;
    }
    std::deque<std::optional<SaveAsChoice>> saveAnswers;
    std::vector<std::pair<std::vector<std::string>, int>> saveDialogs;
    std::optional<SaveAsChoice> RunSaveAsDialog(const std::vector<std::string>& typeNames,
                                                int preselected) override {
        saveDialogs.emplace_back(typeNames, preselected);
        if (saveAnswers.empty()) {
            return std::nullopt;
        }
        auto answer = saveAnswers.front();
        saveAnswers.pop_front();
        return answer;
    }
    std::vector<RecentFileEntry> recent;
    int recentRebuilds = 0;
    void ShowRecentFiles(const std::vector<RecentFileEntry>& entries) override {
        recent = entries;
        ++recentRebuilds;
    }

    std::string clipboard; // the key text; plain text beside it
    std::string clipboardPlain;
    void SetClipboardKey(const std::string& keyText, const std::string& plainText) override {
        clipboard = keyText;
        clipboardPlain = plainText;
    }
    std::string ClipboardKeyText() override { return clipboard; }

    std::vector<std::string> programmingRuns;
    void StartProgrammingRun(const std::string& layoutPath) override {
        programmingRuns.push_back(layoutPath);
    }

    void ClearRecords() {
        draws.clear();
        questions.clear();
        errors.clear();
        refusals.clear();
    }
};

// An editor with a recording view, started as the main window starts.
struct EditorFixture {
    RecordingView view;
    MemoryProfileStore store;
    KeyEditor editor{view, store};

    EditorFixture() { editor.Start(); }

    LayoutDocument& doc() { return editor.Document(); }
    KeyRecord& key(int k) { return editor.Document().keys[static_cast<std::size_t>(k)]; }
    KeySpan& span(int k) { return editor.Document().spans[static_cast<std::size_t>(k)]; }

    // Puts codes into a slot as if it had been captured, without the dialog.
    void Program(int k, std::initializer_list<int> codes, const std::string& name) {
        KeyRecord& r = key(k);
        r.codes.fill(0);
        std::size_t i = 0;
        for (int c : codes) {
            r.codes[i++] = c;
        }
        r.name = name;
        span(k).kind = SpanKind::Single;
    }
    // Selects slot k by clicking its cell.
    void Click(int k) {
        const GridPoint p = CellOrigin(k);
        editor.OnPointerPress(p.x + 5, p.y + 5);
    }
    // Runs EditKeyCodes on the current key with these codes accepted.
    void Capture(std::initializer_list<int> codes, bool accepted = true) {
        view.capture = CaptureResult{};
        view.capture.accepted = accepted;
        std::size_t i = 0;
        for (int c : codes) {
            view.capture.codes[i++] = c;
        }
        editor.OnEnter();
    }
    void UseKeyCount(int n) { doc().settings.keyCount = n; }
};

} // namespace vorlan::test
