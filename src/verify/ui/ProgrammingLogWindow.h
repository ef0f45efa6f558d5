// Tools > Programming log: the runs of the log file as a table, newest last,
// with Copy (the selected rows, or all of them, as the log's own lines).
#pragma once

#include <QDialog>

class QLabel;
class QTableWidget;

namespace vorlan {

class ProgrammingLogWindow : public QDialog {
    Q_OBJECT
public:
    ProgrammingLogWindow(QString logPath, QWidget* parent);

    // Reads the log file again.
    void Reload();
    // The text Copy puts on the clipboard.
    QString CopyText() const;
    QTableWidget* Table() const { return table; }

private:
    QString logPath;
    QTableWidget* table = nullptr;
    QLabel* empty = nullptr;
};

} // namespace vorlan
