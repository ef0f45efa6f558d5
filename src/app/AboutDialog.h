// The About box: logo, product line and the program's version.
#pragma once

#include <QDialog>
#include <optional>

class QLabel;

namespace vorlan {

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    // With no version the box says "File version error" in its place.
    AboutDialog(std::optional<QString> version, QWidget* parent = nullptr);

    QString VersionText() const;

private:
    QLabel* versionLabel = nullptr;
};

} // namespace vorlan
