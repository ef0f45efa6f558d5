// The two questions of the station before it works: the batch to program
// (order, number, test), every field reached by its access key and the
// order required; and the batch a report is written for, the station's own
// (or the latest) first; and the open batch another station runs that this
// one joins.
#pragma once

#include <QDialog>
#include <QStringList>
#include <optional>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace vorlan {

struct BatchSettings;

class BatchDialog : public QDialog {
    Q_OBJECT
public:
    explicit BatchDialog(QWidget* parent);
    // The batch as given; call after the dialog was accepted.
    BatchSettings Settings() const;

    void accept() override; // only with an order that can name the batch

private:
    QLineEdit* order = nullptr;
    QLabel* problem = nullptr;
    QSpinBox* count = nullptr;
    QComboBox* test = nullptr;
};

// The order, the number and the test; nothing when cancelled.
std::optional<BatchSettings> AskBatch(QWidget* parent);

class ReportChoiceDialog : public QDialog {
    Q_OBJECT
public:
    ReportChoiceDialog(const std::vector<std::string>& orders, QWidget* parent);
    std::string Order() const;

private:
    QComboBox* batches = nullptr;
    std::vector<std::string> orders;
};

// Which batch to report: the first of orders is offered first; nothing when
// cancelled (or when there is no batch, which is said).
std::optional<std::string> AskReportOrder(QWidget* parent, const std::vector<std::string>& orders);

// Which of the open batches (one line each, the first chosen) to join: its
// index, nothing when cancelled. Enter or a double click joins.
std::optional<int> AskJoinBatch(QWidget* parent, const QString& prompt, const QStringList& batches);

} // namespace vorlan
