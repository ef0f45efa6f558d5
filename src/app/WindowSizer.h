// The main window's size: resizable from its designed size up, the grid's
// cells growing with it and the panel keeping its width; the size is kept in
// the settings. Bars above the client area (the reader's report, the find
// bar) grow the window rather than shrink the grid.
#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <utility>
#include <vector>

class QMainWindow;

namespace vorlan {

class KeyGridWidget;
class ReadReportBar;
class StatusPaneRow;

// No signals of its own, so no Q_OBJECT (moc cannot read the string table).
class WindowSizer : public QObject {
public:
    // client is the window's central widget; the report bar goes above it.
    WindowSizer(QMainWindow& window, QWidget& client, KeyGridWidget& grid, StatusPaneRow& panes);

    ReadReportBar* ReportBar() const { return reportBar; }

    // The client area as laid out for the language in use is the smallest the
    // window gets; every control's place there is where the others grow from.
    void MakeResizable();
    void RestoreSize();
    void SaveSize() const;
    // A bar above the client area was shown or hidden: the window's height
    // follows, so the grid keeps its size.
    void FitAroundClient();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void PlaceClientControls();

    QMainWindow& window;
    QWidget& client;
    KeyGridWidget& grid;
    StatusPaneRow& panes;
    ReadReportBar* reportBar = nullptr;
    QSize designedClient;      // the smallest client area, as laid out
    int chromeHeight = 0;      // the window's height around the client
    int plainChromeHeight = 0; // the same without bars above the client
    std::vector<std::pair<QPointer<QWidget>, QRect>> designedPlaces;
};

} // namespace vorlan
