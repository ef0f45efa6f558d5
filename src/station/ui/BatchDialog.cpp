#include "station/ui/BatchDialog.h"

#include "common/ui/MessageBox.h"
#include "common/ui/QtText.h"
#include "common/ui/UiText.h"
#include "station/Batch.h"
#include "station/StationRules.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

namespace vorlan {
namespace {

QLabel* Buddy(const QString& text, QWidget* field, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(field);
    return label;
}

QDialogButtonBox* OkCancel(QDialog* dialog) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

} // namespace

BatchDialog::BatchDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("BatchDialog"));
    setProperty("helpSection", QStringLiteral("batch"));
    setWindowTitle(UiText(StringId::BatchCaption));
    auto* form = new QFormLayout(this);
    order = new QLineEdit(this);
    order->setObjectName(QStringLiteral("batchOrder"));
    order->setMinimumWidth(order->fontMetrics().averageCharWidth() * 36); // a customer and a branch
    problem = new QLabel(this);
    problem->setObjectName(QStringLiteral("batchOrderProblem"));
    problem->setWordWrap(true);
    problem->hide();
    count = new QSpinBox(this);
    count->setObjectName(QStringLiteral("batchCount"));
    count->setRange(1, 100000);
    count->setValue(1);
    test = new QComboBox(this);
    test->setObjectName(QStringLiteral("batchTest"));
    test->addItem(UiText(StringId::BatchTestNone));
    test->addItem(UiText(StringId::BatchTestProgrammed));
    test->addItem(UiText(StringId::BatchTestEvery));
    test->setCurrentIndex(1);
    form->addRow(Buddy(UiText(StringId::BatchOrder), order, this), order);
    form->addRow(problem);
    form->addRow(Buddy(UiText(StringId::BatchCount), count, this), count);
    form->addRow(Buddy(UiText(StringId::BatchTestLabel), test, this), test);
    form->addRow(OkCancel(this));
    connect(order, &QLineEdit::textEdited, problem, &QLabel::hide);
}

void BatchDialog::accept() {
    const std::string trimmed = TrimmedOrder(ToUtf8Text(order->text()));
    if (const std::optional<StringId> why = OrderProblem(trimmed)) {
        // Said beside the field, which keeps the focus: a typed Enter never
        // starts a batch without a name.
        problem->setText(UiText(*why).arg(kMaxOrderBytes));
        problem->show();
        order->setFocus();
        return;
    }
    order->setText(FromUtf8Text(trimmed));
    QDialog::accept();
}

BatchSettings BatchDialog::Settings() const {
    BatchSettings settings;
    settings.order = TrimmedOrder(ToUtf8Text(order->text()));
    settings.count = count->value();
    settings.test = static_cast<BatchTest>(test->currentIndex());
    return settings;
}

std::optional<BatchSettings> AskBatch(QWidget* parent) {
    BatchDialog dialog(parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.Settings();
}

ReportChoiceDialog::ReportChoiceDialog(const std::vector<std::string>& theOrders, QWidget* parent)
    : QDialog(parent), orders(theOrders) {
    setObjectName(QStringLiteral("ReportChoiceDialog"));
    setProperty("helpSection", QStringLiteral("batch"));
    setWindowTitle(UiText(StringId::ReportTitle));
    auto* form = new QFormLayout(this);
    batches = new QComboBox(this);
    batches->setObjectName(QStringLiteral("reportBatch"));
    for (const std::string& order : orders) {
        batches->addItem(FromUtf8Text(order));
    }
    form->addRow(Buddy(UiText(StringId::ReportChooseBatch), batches, this), batches);
    form->addRow(OkCancel(this));
}

std::string ReportChoiceDialog::Order() const {
    const int index = batches->currentIndex();
    return index >= 0 && index < static_cast<int>(orders.size())
               ? orders[static_cast<std::size_t>(index)]
               : std::string();
}

std::optional<std::string> AskReportOrder(QWidget* parent, const std::vector<std::string>& orders) {
    if (orders.empty()) {
        ShowError(parent, UiText(StringId::ReportNoBatch));
        return std::nullopt;
    }
    ReportChoiceDialog dialog(orders, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.Order();
}

std::optional<int> AskJoinBatch(QWidget* parent, const QString& prompt,
                                const QStringList& batches) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("JoinBatchDialog"));
    dialog.setProperty("helpSection", QStringLiteral("batch"));
    dialog.setWindowTitle(UiText(StringId::JoinBatchCaption));
    auto* layout = new QVBoxLayout(&dialog);
    auto* list = new QListWidget(&dialog);
    list->setObjectName(QStringLiteral("joinBatches"));
    list->addItems(batches);
    list->setCurrentRow(0);
    // Each batch on one line, its order, progress and station whole, as far
    // as the screen allows.
    const QScreen* screen = parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen();
    const int room = screen != nullptr ? screen->availableGeometry().width() * 9 / 10 : 1000;
    list->setMinimumWidth(std::min(room, list->sizeHintForColumn(0) + 2 * list->frameWidth() +
                                             list->verticalScrollBar()->sizeHint().width()));
    auto* label = new QLabel(prompt, &dialog);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setBuddy(list);
    layout->addWidget(label);
    layout->addWidget(list);
    layout->addWidget(OkCancel(&dialog));
    QObject::connect(list, &QListWidget::itemActivated, &dialog, &QDialog::accept);
    list->setFocus();
    if (dialog.exec() != QDialog::Accepted || list->currentRow() < 0) {
        return std::nullopt;
    }
    return list->currentRow();
}

} // namespace vorlan
