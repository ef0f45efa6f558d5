// Undo and redo of changes to a LayoutDocument.
//
// Each step holds only what one operation changed: the key cells (record and
// span) it touched, the catalogue entries, and the header fields (settings,
// RFID options, group counter, catalogue size, file path), each as before and
// after. A step is found by comparing the document with a baseline copy the
// history keeps in step with it, so no operation has to describe its own
// effect and none can describe it wrongly; storing only the difference keeps
// hundreds of steps of a full layout small.
#pragma once

#include "common/StringTable.h"
#include "layout/LayoutDocument.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vorlan {

// The editor's selection around a step, restored with it.
struct HistorySelection {
    int currentKey = 1;
    int panelKey = 1;
    friend bool operator==(const HistorySelection&, const HistorySelection&) = default;
};

// Consecutive steps with the same merge key (not none) become one step, as
// typing in one field of one key does.
struct MergeKey {
    int field = 0; // 0: never merges
    int slot = 0;
    friend bool operator==(const MergeKey&, const MergeKey&) = default;
};

enum class HistoryChange { Recorded, Merged, Undone, Redone, Cleared };

// One recorded step; index 0 of each pair is the state before, 1 after.
struct HistoryStep {
    struct Slot {
        int slot = 0;
        std::array<KeyRecord, 2> key;
        std::array<KeySpan, 2> span;
    };
    struct CatalogEntry {
        int index = 0;
        std::array<KeyDefinition, 2> entry;
        std::array<std::int32_t, 2> order{};
    };
    // The document's fields outside the cells and the catalogue's entries;
    // only those that differ between before and after are applied.
    struct Header {
        KeyboardSettings settings;
        RfidOptions rfid;
        std::uint8_t nextGroupNumber = 1;
        std::int32_t catalogCount = 0;
        std::string filePath;
        KeyboardVariant variant = KeyboardVariant::SixteenScan;
        KeyboardVariant loadedVariant = KeyboardVariant::SixteenScan;
        friend bool operator==(const Header&, const Header&) = default;
    };

    StringId name{};
    MergeKey merge;
    std::array<HistorySelection, 2> selection;
    std::vector<Slot> cells;
    std::vector<CatalogEntry> catalog;
    std::optional<std::array<Header, 2>> header;

    bool Empty() const { return cells.empty() && catalog.empty() && !header; }
};

class LayoutHistory {
public:
    static constexpr std::size_t kDefaultLimit = 500;

    explicit LayoutHistory(LayoutDocument& doc, std::size_t limit = kDefaultLimit);
    ~LayoutHistory();
    LayoutHistory(const LayoutHistory&) = delete;
    LayoutHistory& operator=(const LayoutHistory&) = delete;

    // Forgets every step; the document as it is now is the start. A clean
    // document counts as the saved state.
    void Clear();

    // Recording: Begin before an operation changes the document, Commit after.
    // Begin takes over whatever changed since the last step without a record
    // (derived data such as the catalogue following the selection). Commit
    // records the difference; false when the operation changed nothing.
    void Begin(const HistorySelection& selection);
    bool Commit(StringId name, const HistorySelection& selection, MergeKey merge = {});

    bool CanUndo() const { return position_ > 0; }
    bool CanRedo() const { return position_ < steps_.size(); }
    // The name of the step Undo / Redo would take back or do again.
    std::optional<StringId> UndoName() const;
    std::optional<StringId> RedoName() const;
    // Applies the step to the document and sets its dirty flag: clean exactly
    // at the saved state. Returns the selection to show, nullopt when there
    // was nothing to undo or redo.
    std::optional<HistorySelection> Undo();
    std::optional<HistorySelection> Redo();

    // The document as it is now has been written to its file.
    void MarkSaved();
    // The catalogue was rebuilt from a file that holds the same keys (Save As
    // reads back what it wrote): the steps keep their keys but no longer
    // carry catalogue entries, which would not fit the rebuilt one.
    void ForgetCatalogueChanges();

    // Begun and not to be recorded: the document as it is now is the start.
    void Abandon();
    // The layout now belongs to the file at the document's path (Save As):
    // no step takes it back to another file.
    void AdoptFilePath();

    std::size_t StepCount() const { return steps_.size(); }
    std::size_t Position() const { return position_; }
    std::size_t Limit() const { return limit_; }
    // The heap and object bytes the steps hold (not the baseline copy).
    std::size_t StepBytes() const;

    // Called after every change of the history: a step recorded or merged,
    // undone, redone, or the history cleared. Listeners stay for the
    // history's lifetime.
    void AddListener(std::function<void(HistoryChange)> listener);

private:
    void Notify(HistoryChange change);
    void Apply(const HistoryStep& step, int side);
    HistoryStep Difference() const;
    void MergeIntoTop(HistoryStep&& step);

    LayoutDocument& doc_;
    std::size_t limit_;
    // The document as the last step left it.
    std::unique_ptr<LayoutDocument> baseline_;
    std::vector<HistoryStep> steps_;
    std::size_t position_ = 0;
    // The position at which the document equals its file; none when that
    // state has been dropped or overwritten.
    std::optional<std::size_t> saved_;
    // Steps recorded after a save never merge into the step before it.
    bool mergeBarrier_ = true;
    std::optional<HistorySelection> begun_;
    std::vector<std::function<void(HistoryChange)>> listeners_;
};

} // namespace vorlan
