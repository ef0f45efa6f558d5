// Tools > Programming log: the runs of the record as a table, newest last,
// with Copy (the selected rows, or all of them, as the log's own lines).
#pragma once

#include <QDialog>
#include <functional>
#include <vector>

class QLabel;
class QTableWidget;

namespace vorlan {

struct ProgrammingRun;

class ProgrammingLogWindow : public QDialog {
    Q_OBJECT
public:
    // read gives the runs, oldest first, or says why it cannot.
    using Reader = std::function<std::vector<ProgrammingRun>(QString& why)>;
    ProgrammingLogWindow(Reader read, QWidget* parent);

    // Reads the runs again.
    void Reload();
    // The text Copy puts on the clipboard.
    QString CopyText() const;
    QTableWidget* Table() const { return table; }

private:
    Reader read;
    QTableWidget* table = nullptr;
    QLabel* empty = nullptr;
};

} // namespace vorlan
