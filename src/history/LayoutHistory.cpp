#include "history/LayoutHistory.h"

#include <algorithm>
#include <utility>

namespace vorlan {
namespace {

HistoryStep::Header HeaderOf(const LayoutDocument& doc) {
    return {doc.settings, doc.rfid,    doc.nextGroupNumber, doc.catalogCount,
            doc.filePath, doc.variant, doc.loadedVariant};
}

// Sets the header fields that the step changed, from side 0 or 1.
void ApplyHeader(LayoutDocument& doc, const std::array<HistoryStep::Header, 2>& h, int side) {
    const HistoryStep::Header& to = h[static_cast<std::size_t>(side)];
    if (h[0].settings != h[1].settings) {
        doc.settings = to.settings;
    }
    if (h[0].rfid != h[1].rfid) {
        doc.rfid = to.rfid;
    }
    if (h[0].nextGroupNumber != h[1].nextGroupNumber) {
        doc.nextGroupNumber = to.nextGroupNumber;
    }
    if (h[0].catalogCount != h[1].catalogCount) {
        doc.catalogCount = to.catalogCount;
    }
    if (h[0].filePath != h[1].filePath) {
        doc.filePath = to.filePath;
    }
    if (h[0].variant != h[1].variant || h[0].loadedVariant != h[1].loadedVariant) {
        doc.variant = to.variant;
        doc.loadedVariant = to.loadedVariant;
    }
}

} // namespace

LayoutHistory::LayoutHistory(LayoutDocument& doc, std::size_t limit)
    : doc_(doc), limit_(limit < 1 ? 1 : limit), baseline_(std::make_unique<LayoutDocument>(doc)) {
    baseline_->SetObserver(nullptr);
    Clear();
}

LayoutHistory::~LayoutHistory() = default;

void LayoutHistory::Clear() {
    steps_.clear();
    position_ = 0;
    saved_.reset();
    if (!doc_.dirty) {
        saved_ = 0;
    }
    mergeBarrier_ = true;
    begun_.reset();
    *baseline_ = doc_;
    baseline_->SetObserver(nullptr);
    Notify(HistoryChange::Cleared);
}

void LayoutHistory::Begin(const HistorySelection& selection) {
    if (begun_) {
        return; // the outer operation's start counts
    }
    // Whatever changed without a record is the starting point, not part of
    // the coming step.
    *baseline_ = doc_;
    baseline_->SetObserver(nullptr);
    begun_ = selection;
}

HistoryStep LayoutHistory::Difference() const {
    HistoryStep step;
    const LayoutDocument& was = *baseline_;
    for (int k = 1; k < kKeySlots; ++k) {
        const auto i = static_cast<std::size_t>(k);
        if (was.keys[i] != doc_.keys[i] || was.spans[i] != doc_.spans[i]) {
            step.cells.push_back({k, {was.keys[i], doc_.keys[i]}, {was.spans[i], doc_.spans[i]}});
        }
    }
    for (int j = 0; j < kMaxCatalogEntries; ++j) {
        const auto i = static_cast<std::size_t>(j);
        if (was.keyCatalog[i] != doc_.keyCatalog[i] ||
            was.catalogOrder[i] != doc_.catalogOrder[i]) {
            step.catalog.push_back({j,
                                    {was.keyCatalog[i], doc_.keyCatalog[i]},
                                    {was.catalogOrder[i], doc_.catalogOrder[i]}});
        }
    }
    HistoryStep::Header before = HeaderOf(was);
    HistoryStep::Header after = HeaderOf(doc_);
    if (before != after) {
        step.header = std::array<HistoryStep::Header, 2>{std::move(before), std::move(after)};
    }
    return step;
}

bool LayoutHistory::Commit(StringId name, const HistorySelection& selection, MergeKey merge) {
    if (!begun_) {
        Begin(selection);
    }
    HistoryStep step = Difference();
    const HistorySelection before = *begun_;
    begun_.reset();
    if (step.Empty()) {
        return false;
    }
    *baseline_ = doc_;
    baseline_->SetObserver(nullptr);
    step.name = name;
    step.merge = merge;
    step.selection = {before, selection};

    const bool merges = !mergeBarrier_ && merge.field != 0 && position_ == steps_.size() &&
                        !steps_.empty() && steps_.back().merge == merge &&
                        steps_.back().name == name;
    mergeBarrier_ = false;
    if (merges) {
        MergeIntoTop(std::move(step));
        Notify(HistoryChange::Merged);
        return true;
    }
    steps_.resize(position_); // a new step drops what could be redone
    if (saved_ && *saved_ > position_) {
        saved_.reset();
    }
    steps_.push_back(std::move(step));
    ++position_;
    if (steps_.size() > limit_) {
        steps_.erase(steps_.begin());
        --position_;
        if (saved_) {
            saved_ = *saved_ == 0 ? std::nullopt : std::optional<std::size_t>(*saved_ - 1);
        }
    }
    Notify(HistoryChange::Recorded);
    return true;
}

void LayoutHistory::MergeIntoTop(HistoryStep&& step) {
    HistoryStep& top = steps_.back();
    for (HistoryStep::Slot& s : step.cells) {
        auto it = std::find_if(top.cells.begin(), top.cells.end(),
                               [&](const HistoryStep::Slot& t) { return t.slot == s.slot; });
        if (it == top.cells.end()) {
            top.cells.push_back(std::move(s));
        } else {
            it->key[1] = s.key[1];
            it->span[1] = s.span[1];
        }
    }
    for (HistoryStep::CatalogEntry& c : step.catalog) {
        auto it =
            std::find_if(top.catalog.begin(), top.catalog.end(),
                         [&](const HistoryStep::CatalogEntry& t) { return t.index == c.index; });
        if (it == top.catalog.end()) {
            top.catalog.push_back(std::move(c));
        } else {
            it->entry[1] = c.entry[1];
            it->order[1] = c.order[1];
        }
    }
    if (step.header) {
        if (top.header) {
            (*top.header)[1] = std::move((*step.header)[1]);
        } else {
            top.header = std::move(step.header);
        }
    }
    top.selection[1] = step.selection[1];
}

void LayoutHistory::Apply(const HistoryStep& step, int side) {
    const auto s = static_cast<std::size_t>(side);
    for (const HistoryStep::Slot& change : step.cells) {
        const auto k = static_cast<std::size_t>(change.slot);
        doc_.keys[k] = change.key[s];
        doc_.spans[k] = change.span[s];
    }
    for (const HistoryStep::CatalogEntry& change : step.catalog) {
        const auto j = static_cast<std::size_t>(change.index);
        doc_.keyCatalog[j] = change.entry[s];
        doc_.catalogOrder[j] = change.order[s];
    }
    if (step.header) {
        ApplyHeader(doc_, *step.header, side);
    }
    *baseline_ = doc_;
    baseline_->SetObserver(nullptr);
    begun_.reset();
    mergeBarrier_ = true;
    doc_.dirty = saved_ != position_;
}

std::optional<StringId> LayoutHistory::UndoName() const {
    return CanUndo() ? std::optional(steps_[position_ - 1].name) : std::nullopt;
}

std::optional<StringId> LayoutHistory::RedoName() const {
    return CanRedo() ? std::optional(steps_[position_].name) : std::nullopt;
}

std::optional<HistorySelection> LayoutHistory::Undo() {
    if (!CanUndo()) {
        return std::nullopt;
    }
    --position_;
    const HistoryStep& step = steps_[position_];
    Apply(step, 0);
    Notify(HistoryChange::Undone);
    return step.selection[0];
}

std::optional<HistorySelection> LayoutHistory::Redo() {
    if (!CanRedo()) {
        return std::nullopt;
    }
    ++position_;
    const HistoryStep& step = steps_[position_ - 1];
    Apply(step, 1);
    Notify(HistoryChange::Redone);
    return step.selection[1];
}

void LayoutHistory::MarkSaved() {
    saved_ = position_;
    mergeBarrier_ = true;
}

void LayoutHistory::ForgetCatalogueChanges() {
    for (HistoryStep& step : steps_) {
        step.catalog.clear();
        step.catalog.shrink_to_fit();
        if (step.header) {
            (*step.header)[0].catalogCount = (*step.header)[1].catalogCount;
        }
    }
    *baseline_ = doc_;
    baseline_->SetObserver(nullptr);
}

void LayoutHistory::Abandon() {
    begun_.reset();
    *baseline_ = doc_;
    baseline_->SetObserver(nullptr);
}

void LayoutHistory::AdoptFilePath() {
    for (HistoryStep& step : steps_) {
        if (step.header) {
            (*step.header)[0].filePath = doc_.filePath;
            (*step.header)[1].filePath = doc_.filePath;
        }
    }
    baseline_->filePath = doc_.filePath;
}

std::size_t LayoutHistory::StepBytes() const {
    std::size_t bytes = steps_.capacity() * sizeof(HistoryStep);
    for (const HistoryStep& step : steps_) {
        bytes += step.cells.capacity() * sizeof(HistoryStep::Slot);
        bytes += step.catalog.capacity() * sizeof(HistoryStep::CatalogEntry);
        if (step.header) {
            for (const HistoryStep::Header& h : *step.header) {
                // Short paths live inside the string object itself.
                if (h.filePath.capacity() > sizeof(std::string)) {
                    bytes += h.filePath.capacity() + 1;
                }
            }
        }
    }
    return bytes;
}

void LayoutHistory::AddListener(std::function<void(HistoryChange)> listener) {
    if (listener) {
        listeners_.push_back(std::move(listener));
    }
}

void LayoutHistory::Notify(HistoryChange change) {
    for (const auto& listener : listeners_) {
        listener(change);
    }
}

} // namespace vorlan
