// The key grid of the key test: the layout's keys drawn as in the editor,
// each tinted by what the test has seen of it (grey not yet pressed, green
// matched, red failed), keys that cannot be told apart striped, the key
// expected next outlined. Clicks report the slot under the pointer.
#pragma once

#include <QImage>
#include <QWidget>
#include <map>
#include <memory>
#include <utility>

namespace vorlan {

class KeyNamePainter;
class KeyTestSession;
enum class KeyImage : int;
class LayoutDocument;

class KeyTestGrid : public QWidget {
    Q_OBJECT
public:
    KeyTestGrid(const LayoutDocument& doc, const KeyTestSession& session, QWidget* parent);
    ~KeyTestGrid() override;

    QSize sizeHint() const override;
    // Top-left of a slot's cell in widget coordinates.
    static QPoint CellOrigin(int slot);

Q_SIGNALS:
    void SlotClicked(int slot);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    const QImage& Tinted(KeyImage image, QRgb tint);

    const LayoutDocument& doc;
    const KeyTestSession& session;
    std::map<std::pair<int, QRgb>, QImage> cache;
    std::unique_ptr<KeyNamePainter> names;
};

} // namespace vorlan
