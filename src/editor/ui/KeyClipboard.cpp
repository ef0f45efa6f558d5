#include "editor/ui/KeyClipboard.h"

#include "common/ui/QtText.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace vorlan {
namespace {

// Layout text is Latin-1; anything beyond it cannot be a key of this program.
std::string ToLatin1Strict(const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() > 0xFF) {
            return {};
        }
    }
    return ToLatin1Text(text);
}

} // namespace

void FillKeyMimeData(QMimeData& data, const std::string& keyText, const std::string& plainText) {
    data.setData(QString::fromLatin1(kKeyMimeType), FromLatin1Text(keyText).toUtf8());
    data.setText(FromLatin1Text(plainText));
}

std::string KeyTextFromMimeData(const QMimeData* data) {
    if (data == nullptr) {
        return {};
    }
    const QString type = QString::fromLatin1(kKeyMimeType);
    if (data->hasFormat(type)) {
        return ToLatin1Strict(QString::fromUtf8(data->data(type)));
    }
    // Someone may have pasted the key's text elsewhere and copied it back.
    return data->hasText() ? ToLatin1Strict(data->text()) : std::string();
}

void PutKeyOnClipboard(const std::string& keyText, const std::string& plainText) {
    auto* data = new QMimeData;
    FillKeyMimeData(*data, keyText, plainText);
    QGuiApplication::clipboard()->setMimeData(data);
}

std::string KeyTextFromClipboard() {
    return KeyTextFromMimeData(QGuiApplication::clipboard()->mimeData());
}

} // namespace vorlan
