#include "app/MainDialogAccessibility.h"

#include "accessibility/GridCells.h"
#include "accessibility/ui/KeyGridAccessible.h"
#include "app/MainDialog.h"
#include "common/ui/UiText.h"
#include "editor/KeyEditor.h"
#include "grid/GridGeometry.h"
#include "grid/ui/KeyGridWidget.h"

#include <QContextMenuEvent>
#include <QEvent>
#include <QFrame>
#include <QWidget>

namespace vorlan {
namespace {

// A caption as a name: without the accelerator mark and the trailing colon.
QString NameOf(StringId id) {
    QString text = UiText(id);
    text.remove(QLatin1Char('&'));
    if (text.endsWith(QLatin1Char(':'))) {
        text.chop(1);
    }
    return text.trimmed();
}

// The grid draws no focus of its own (its yellow frame is the selection), so
// the black frame around it turns into the highlight colour and thickens.
// The menu key (or Shift+F10) on the focused grid opens the popup menu of
// the selected key, where a mouse would open it for the cell it points at.
class GridKeyboardHelper : public QObject {
public:
    GridKeyboardHelper(KeyGridWidget* theGrid, QFrame* theFrame, const KeyEditor* theEditor)
        : QObject(theGrid), grid(theGrid), frame(theFrame), editor(theEditor) {
        theGrid->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if ((event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) && frame) {
            const bool focused = event->type() == QEvent::FocusIn;
            QPalette palette = frame->palette();
            palette.setColor(QPalette::WindowText,
                             focused ? frame->palette().color(QPalette::Highlight) : Qt::black);
            frame->setPalette(palette);
            frame->setLineWidth(focused ? 2 : 1);
        }
        if (event->type() == QEvent::ContextMenu &&
            static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard &&
            editor->CurrentKey() != 0) {
            const GridPoint origin = CellOrigin(editor->CurrentKey());
            const QPoint client(origin.x + kCellPitch / 2, origin.y + kCellPitch / 2);
            Q_EMIT grid->ContextMenuRequested(
                client, grid->mapToGlobal(client - QPoint(kGridLeft, kGridTop)));
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    KeyGridWidget* grid;
    QFrame* frame;
    const KeyEditor* editor;
};

} // namespace

void SetUpAccessibility(MainDialog& window) {
    QWidget* client = window.Client();
    KeyGridWidget* grid = window.Grid();
    KeyEditor* editor = &window.Editor();

    GridAccessSource source;
    source.keyCount = [editor] { return editor->Document().settings.keyCount; };
    source.cell = [editor](int slot) {
        return DescribeCell(editor->Document(), slot, editor->CurrentKey());
    };
    source.select = [editor](int slot) { editor->OnSelectKey(slot); };
    AttachGridAccessibility(grid, std::move(source));
    grid->setAccessibleName(NameOf(StringId::A11yGridName));
    grid->setAccessibleDescription(UiText(StringId::A11yGridDescription));
    // Reached with Tab; the editing commands add the click.
    grid->setFocusPolicy(Qt::TabFocus);
    new GridKeyboardHelper(grid, client->findChild<QFrame*>(QStringLiteral("gridFrame")), editor);

    const auto find = [client](const char* name) {
        return client->findChild<QWidget*>(QLatin1String(name));
    };
    const struct {
        const char* control;
        StringId name;
    } named[] = {
        {"digitsCount", StringId::LabelDigitsCount},
        {"prefixEdit", StringId::LabelPrefix},
        {"suffixEdit", StringId::LabelSuffix},
        {"setFlagForAll", StringId::LabelSetFlagForAll},
        {"setModeForAll", StringId::LabelSetModeForAll},
        {"programmedKeys", StringId::LabelProgrammedKeys},
        {"keyNumber", StringId::LabelKeyNumber},
        {"keyName", StringId::LabelKeyName},
        {"previousButton", StringId::A11yPreviousKey},
        {"nextButton", StringId::A11yNextKey},
    };
    for (const auto& entry : named) {
        if (QWidget* control = find(entry.control)) {
            control->setAccessibleName(NameOf(entry.name));
        }
    }
    // The two "Extended" boxes are told apart by the field they belong to.
    for (const auto& [box, field] : {std::pair{"prefixExtended", StringId::LabelPrefix},
                                     std::pair{"suffixExtended", StringId::LabelSuffix}}) {
        if (QWidget* control = find(box)) {
            control->setAccessibleName(NameOf(field) + QLatin1Char(' ') +
                                       NameOf(StringId::CheckExtended));
        }
    }

    // Tab order: from the grid straight to the key's name, then its codes in
    // their numbered order and the step buttons; then the RFID rows left to
    // right, the flags, the modes and the rest of the panel, back to the grid.
    QList<QWidget*> order{grid, find("keyName")};
    static constexpr const char* kCodeIds[16] = {"code1000", "code1001", "code1003", "code1004",
                                                 "code1005", "code1006", "code1007", "code1008",
                                                 "code1002", "code1011", "code1013", "code1014",
                                                 "code1015", "code1019", "code1021", "code1022"};
    for (int i = 0; i < 16; ++i) {
        QWidget* code = find(kCodeIds[i]);
        if (code) {
            code->setAccessibleName(UiText(StringId::A11yCodeField).arg(i + 1));
        }
        order << code;
    }
    for (const char* name :
         {"previousButton", "nextButton", "digitsCount", "prefixEdit", "prefixExtended",
          "digitsTypeNum", "suffixEdit", "suffixExtended", "singleKey", "groupKey", "setFlagForAll",
          "mode1", "mode3", "mode2", "setModeForAll", "programmedKeys", "keyNumber"}) {
        order << find(name);
    }
    order.removeAll(nullptr);
    for (qsizetype i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order.at(i - 1), order.at(i));
    }
}

} // namespace vorlan
