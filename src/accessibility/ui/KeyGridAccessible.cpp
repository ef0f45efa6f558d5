#include "accessibility/ui/KeyGridAccessible.h"

#include "common/ui/QtText.h"
#include "common/ui/UiText.h"
#include "grid/GridGeometry.h"
#include "grid/ui/KeyGridWidget.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>
#include <map>
#include <utility>

namespace vorlan {
namespace {

constexpr const char* kSourceName = "vorlanGridAccessSource";

class SourceHolder : public QObject {
public:
    SourceHolder(QWidget* grid, GridAccessSource theSource)
        : QObject(grid), source(std::move(theSource)) {
        setObjectName(QLatin1String(kSourceName));
    }
    GridAccessSource source;
};

const GridAccessSource* SourceOf(const QObject* grid) {
    // The holder is found by its name: it has no meta-object of its own.
    const auto* holder = static_cast<const SourceHolder*>(
        grid->findChild<QObject*>(QLatin1String(kSourceName), Qt::FindDirectChildrenOnly));
    return holder ? &holder->source : nullptr;
}

// A point of the grid widget in the designed client frame hit testing uses.
QPoint ClientPointOf(const QWidget* grid, QPoint local) {
    if (const auto* keyGrid = qobject_cast<const KeyGridWidget*>(grid)) {
        return keyGrid->ClientPoint(local);
    }
    return local + QPoint(kGridLeft, kGridTop);
}

class GridTable;

class GridCell : public QAccessibleInterface,
                 public QAccessibleTableCellInterface,
                 public QAccessibleActionInterface {
public:
    GridCell(GridTable* table, int theRow, int theColumn)
        : owner(table), row(theRow), column(theColumn) {}

    GridCellDescription Describe() const;

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? AccessibleCellText(Describe()) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableCellInterface) {
            return static_cast<QAccessibleTableCellInterface*>(this);
        }
        if (type == QAccessible::ActionInterface) {
            return static_cast<QAccessibleActionInterface*>(this);
        }
        return nullptr;
    }

    // The extents belong to a joined key's top-left cell; its other cells
    // count one, so no two cells claim the same place.
    bool isSelected() const override { return Describe().selected; }
    int columnExtent() const override {
        const GridCellDescription d = Describe();
        return d.slot == d.firstSlot ? d.columnExtent : 1;
    }
    int rowExtent() const override {
        const GridCellDescription d = Describe();
        return d.slot == d.firstSlot ? d.rowExtent : 1;
    }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return column; }
    int rowIndex() const override { return row; }
    QAccessibleInterface* table() const override;

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override;
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    GridTable* owner;
    int row;
    int column;
};

class GridTable : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit GridTable(QWidget* grid) : QAccessibleWidget(grid, QAccessible::Table) {}
    ~GridTable() override {
        for (const auto& entry : cells) {
            QAccessible::deleteAccessibleInterface(entry.second);
        }
    }

    QWidget* Grid() const { return widget(); }
    const GridAccessSource* Source() const { return SourceOf(widget()); }
    int KeyCount() const {
        const GridAccessSource* source = Source();
        return source && source->keyCount ? source->keyCount() : kBlockKeys;
    }

    GridCell* Cell(int row, int column) const {
        if (SlotAtCell(row, column, KeyCount()) == 0) {
            return nullptr;
        }
        const int key = row * kGridColumns + column;
        const auto it = cells.find(key);
        if (it != cells.end()) {
            return static_cast<GridCell*>(QAccessible::accessibleInterface(it->second));
        }
        auto* cell = new GridCell(const_cast<GridTable*>(this), row, column);
        cells.emplace(key, QAccessible::registerAccessibleInterface(cell));
        return cell;
    }

    GridCell* CellOfSlot(int slot) const {
        const GridCellDescription described = DescribeSlot(slot);
        return described.slot == 0 ? nullptr : Cell(described.row, described.column);
    }

    GridCellDescription DescribeSlot(int slot) const {
        const GridAccessSource* source = Source();
        if (!source || !source->cell) {
            return {};
        }
        return source->cell(slot);
    }

    // QAccessibleInterface
    int childCount() const override { return rowCount() * columnCount(); }
    QAccessibleInterface* child(int index) const override {
        const int columns = columnCount();
        return index < 0 || index >= childCount() ? nullptr
                                                  : Cell(index / columns, index % columns);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const QAccessibleTableCellInterface* cell =
            child ? const_cast<QAccessibleInterface*>(child)->tableCellInterface() : nullptr;
        if (!cell || child->parent() != this) {
            return -1;
        }
        return cell->rowIndex() * columnCount() + cell->columnIndex();
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint client = ClientPointOf(widget(), widget()->mapFromGlobal(QPoint(x, y)));
        const int slot = SlotAt(client.x(), client.y(), KeyCount());
        return slot == 0 ? nullptr : CellOfSlot(slot);
    }
    QAccessibleInterface* focusChild() const override {
        if (!widget()->hasFocus()) {
            return nullptr;
        }
        for (int slot = 1; slot <= KeyCount(); ++slot) {
            if (DescribeSlot(slot).selected) {
                return CellOfSlot(slot);
            }
        }
        return nullptr;
    }
    QString text(QAccessible::Text t) const override {
        switch (t) {
        case QAccessible::Name:
            return UiText(StringId::A11yGridName);
        case QAccessible::Description:
            return UiText(StringId::A11yGridDescription);
        default:
            return QAccessibleWidget::text(t);
        }
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableInterface) {
            return static_cast<QAccessibleTableInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    // QAccessibleTableInterface: one cell at a time is selected (with the
    // other cells of its key); rows and columns are never selected whole.
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override { return Cell(row, column); }
    int selectedCellCount() const override { return static_cast<int>(selectedCells().size()); }
    QList<QAccessibleInterface*> selectedCells() const override {
        QList<QAccessibleInterface*> selected;
        for (int slot = 1; slot <= KeyCount(); ++slot) {
            if (DescribeSlot(slot).selected) {
                selected << CellOfSlot(slot);
            }
        }
        return selected;
    }
    QString columnDescription(int column) const override {
        return UiText(StringId::A11yColumn).arg(column + 1);
    }
    QString rowDescription(int row) const override {
        return UiText(StringId::A11yRow).arg(row + 1);
    }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return GridTableColumns(KeyCount()); }
    int rowCount() const override { return GridTableRows(); }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    mutable std::map<int, QAccessible::Id> cells;
};

GridCellDescription GridCell::Describe() const {
    return owner->DescribeSlot(SlotAtCell(row, column, owner->KeyCount()));
}

bool GridCell::isValid() const {
    return owner->isValid() && SlotAtCell(row, column, owner->KeyCount()) != 0;
}

QAccessibleInterface* GridCell::parent() const {
    return owner;
}
QAccessibleInterface* GridCell::table() const {
    return owner;
}

QRect GridCell::rect() const {
    const QWidget* grid = owner->Grid();
    const int slot = SlotAtCell(row, column, owner->KeyCount());
    // The key grid draws its cells larger in a larger window.
    const auto* keyGrid = qobject_cast<const KeyGridWidget*>(grid);
    const int pitch = keyGrid != nullptr ? keyGrid->CellPitch() : kCellPitch;
    const GridBox box = ScaledCellBox(slot, pitch, columnExtent(), rowExtent());
    return {grid->mapToGlobal(QPoint(box.x, box.y)), QSize(box.width, box.height)};
}

QAccessible::State GridCell::state() const {
    const GridCellDescription d = Describe();
    QAccessible::State state;
    state.selectable = d.inUse;
    state.selected = d.selected;
    state.focusable = d.inUse;
    state.focused = d.selected && owner->Grid()->hasFocus();
    state.disabled = !d.inUse;
    return state;
}

void GridCell::doAction(const QString& name) {
    const GridAccessSource* source = owner->Source();
    const GridCellDescription d = Describe();
    if (name == pressAction() && source && source->select && d.inUse) {
        source->select(d.slot);
    }
}

QAccessibleInterface* GridFactory(const QString&, QObject* object) {
    if (object && object->isWidgetType() && SourceOf(object)) {
        return new GridTable(static_cast<QWidget*>(object));
    }
    return nullptr;
}

} // namespace

void AttachGridAccessibility(QWidget* grid, GridAccessSource source) {
    static const bool installed = [] {
        QAccessible::installFactory(GridFactory);
        return true;
    }();
    (void)installed;
    new SourceHolder(grid, std::move(source));
    // A screen reader that is already listening may have been given the
    // plain widget's interface when the grid was created; drop it, so the
    // next question gets the table.
    if (QAccessible::isActive()) {
        QAccessibleInterface* existing = QAccessible::queryAccessibleInterface(grid);
        if (existing && !existing->tableInterface()) {
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(existing));
        }
    }
}

void NotifyGridCellChanged(QWidget* grid, int slot) {
    if (!QAccessible::isActive()) {
        return;
    }
    auto* table = dynamic_cast<GridTable*>(QAccessible::queryAccessibleInterface(grid));
    GridCell* cell = table ? table->CellOfSlot(slot) : nullptr;
    if (!cell) {
        return;
    }
    QAccessibleEvent changed(cell, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
    if (cell->state().focused) {
        QAccessibleEvent focus(cell, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
}

QString AccessibleCellText(const GridCellDescription& cell) {
    const CellTextParts parts = CellText(cell);
    const QString number = QString::number(cell.slot);
    QString text = parts.nameOrEmpty == StringId::A11yCellNamed
                       ? UiText(parts.nameOrEmpty).arg(FromLatin1Text(cell.name), number)
                       : UiText(parts.nameOrEmpty).arg(number);
    QString span = UiText(parts.span);
    for (const std::string& arg : parts.spanArgs) {
        span = span.arg(FromUtf8Text(arg));
    }
    text += QStringLiteral(", ") + span;
    if (cell.selected) {
        text += QStringLiteral(", ") + UiText(StringId::A11ySelected);
    }
    return text;
}

} // namespace vorlan
