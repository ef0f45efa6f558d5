#include "app/AboutDialog.h"

#include "app/AppShell.h"
#include "app/StandardKeys.h"
#include "common/ui/UiText.h"
#include "grid/ui/KeyImages.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace vorlan {

AboutDialog::AboutDialog(std::optional<QString> version, QWidget* parent) : QDialog(parent) {
    setWindowTitle(UiText(StringId::AboutCaption));

    auto* logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("logo"));
    QImage image = RenderKeyImage(KeyImage::Quad, devicePixelRatioF());
    logo->setPixmap(QPixmap::fromImage(image));

    auto* product = new QLabel(UiText(StringId::AboutProduct), this);
    product->setObjectName(QStringLiteral("productLabel"));
    auto* versionCaption = new QLabel(UiText(StringId::AboutVersionLabel), this);
    versionCaption->setObjectName(QStringLiteral("versionCaption"));
    versionLabel = new QLabel(this);
    versionLabel->setObjectName(QStringLiteral("versionLabel"));
    versionLabel->setText(version ? *version : UiText(StringId::FileVersionError));

    auto* ok = new QPushButton(UiText(StringId::ButtonOk), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* versionRow = new QHBoxLayout;
    versionRow->addStretch();
    versionRow->addWidget(versionCaption);
    versionRow->addWidget(versionLabel);
    versionRow->addStretch();

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addStretch();

    // One below the other: logo, product line, version, OK.
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(logo, 0, Qt::AlignHCenter);
    layout->addSpacing(6);
    layout->addWidget(product, 0, Qt::AlignHCenter);
    layout->addLayout(versionRow);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString AboutDialog::VersionText() const {
    return versionLabel->text();
}

void AddHelpMenu(QMainWindow& window, std::function<void()> showHelp) {
    QMenu* help = window.menuBar()->addMenu(UiText(StringId::MenuHelp));
    help->setObjectName(QStringLiteral("helpMenu"));
    QAction* content = help->addAction(UiText(StringId::MenuContent));
    content->setObjectName(QStringLiteral("actionContent"));
    content->setShortcuts(StandardKeys(QKeySequence::HelpContents));
    QObject::connect(content, &QAction::triggered, &window, std::move(showHelp));
    help->addSeparator();
    QAction* about = help->addAction(UiText(StringId::MenuAbout));
    about->setObjectName(QStringLiteral("actionAbout"));
    QObject::connect(about, &QAction::triggered, &window, [&window] {
        AboutDialog box(ProgramVersion(), &window);
        box.exec();
    });
}

} // namespace vorlan
