#include "editor/ui/KeyFindBar.h"

#include "common/ui/UiMessageText.h"
#include "common/ui/UiText.h"
#include "editor/EditorView.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace vorlan {
namespace {

QToolButton* Button(QWidget* parent, const QString& text, StringId tip, const char* name) {
    auto* button = new QToolButton(parent);
    button->setText(text);
    button->setToolTip(UiText(tip));
    button->setAccessibleName(UiText(tip));
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoRaise(true);
    return button;
}

} // namespace

KeyFindBar::KeyFindBar(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("keyFindBar"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(6, 2, 6, 2);
    row->setSpacing(4);

    auto* label = new QLabel(UiText(StringId::FindLabel), this);
    field = new QLineEdit(this);
    field->setObjectName(QStringLiteral("keyFindField"));
    field->setPlaceholderText(UiText(StringId::FindPlaceholder));
    field->setMaxLength(static_cast<int>(kMaxPanelNameBytes));
    field->setClearButtonEnabled(true);
    field->setFixedWidth(180);
    field->setProperty(kOwnsWindowKeys, true);
    field->installEventFilter(this);
    label->setBuddy(field);

    QToolButton* previous =
        Button(this, QStringLiteral("\u25B2"), StringId::FindPreviousButton, "findPrevious");
    QToolButton* next =
        Button(this, QStringLiteral("\u25BC"), StringId::FindNextButton, "findNext");
    result = new QLabel(this);
    result->setObjectName(QStringLiteral("keyFindResult"));
    QToolButton* close = Button(this, QStringLiteral("\u2715"), StringId::FindClose, "findClose");

    row->addWidget(label);
    row->addWidget(field);
    row->addWidget(previous);
    row->addWidget(next);
    row->addWidget(result, 1);
    row->addWidget(close);

    connect(field, &QLineEdit::textChanged, this, &KeyFindBar::QueryChanged);
    connect(previous, &QToolButton::clicked, this, &KeyFindBar::PreviousRequested);
    connect(next, &QToolButton::clicked, this, &KeyFindBar::NextRequested);
    connect(close, &QToolButton::clicked, this, &KeyFindBar::CloseRequested);
}

QString KeyFindBar::ResultText() const {
    return result->text();
}

void KeyFindBar::FocusField() {
    field->setFocus(Qt::ShortcutFocusReason);
    field->selectAll();
}

void KeyFindBar::ShowResult(int position, int count) {
    if (field->text().isEmpty()) {
        result->clear();
    } else if (count == 0) {
        result->setText(UiText(StringId::FindNone));
    } else if (position == 0) {
        result->setText(FillPlaceholders(UiText(StringId::FindCount), {QString::number(count)}));
    } else {
        result->setText(FillPlaceholders(UiText(StringId::FindPosition),
                                         {QString::number(position), QString::number(count)}));
    }
}

bool KeyFindBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched != field ||
        (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)) {
        return QWidget::eventFilter(watched, event);
    }
    auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (!enter && key->key() != Qt::Key_Escape) {
        return QWidget::eventFilter(watched, event);
    }
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept(); // the press follows and is handled below
        return true;
    }
    if (key->key() == Qt::Key_Escape) {
        Q_EMIT CloseRequested();
    } else if (key->modifiers() & Qt::ShiftModifier) {
        Q_EMIT PreviousRequested();
    } else {
        Q_EMIT NextRequested();
    }
    return true;
}

} // namespace vorlan
