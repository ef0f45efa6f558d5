#include "layout/ui/RecentFileStore.h"

#include <QFile>
#include <QSettings>

namespace vorlan {
namespace {

const QString kGroup = QStringLiteral("Recent File List");

QString KeyOf(std::size_t index) {
    return QStringLiteral("File%1").arg(index + 1);
}

} // namespace

// Paths are bytes in the layout model; the file-name encoding of the system
// turns them into text and back without loss.
RecentFileList ReadRecentFiles() {
    QSettings settings;
    settings.beginGroup(kGroup);
    RecentFileList files;
    for (std::size_t i = 0; i < files.size(); ++i) {
        files[i] = QFile::encodeName(settings.value(KeyOf(i)).toString()).toStdString();
    }
    return files;
}

void WriteRecentFiles(const RecentFileList& files) {
    QSettings settings;
    settings.beginGroup(kGroup);
    for (std::size_t i = 0; i < files.size(); ++i) {
        settings.setValue(KeyOf(i), QFile::decodeName(QByteArray::fromStdString(files[i])));
    }
}

} // namespace vorlan
