#include "app/AboutDialog.h"

#include "common/ui/UiText.h"
#include "grid/ui/KeyImages.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace vorlan {

AboutDialog::AboutDialog(std::optional<QString> version, QWidget* parent) : QDialog(parent) {
    setWindowTitle(UiText(StringId::AboutCaption));

    auto* logo = new QLabel(this);
    QImage image = RenderKeyImage(KeyImage::Quad, devicePixelRatioF());
    logo->setPixmap(QPixmap::fromImage(image));

    auto* product = new QLabel(UiText(StringId::AboutProduct), this);
    auto* versionCaption = new QLabel(UiText(StringId::AboutVersionLabel), this);
    versionLabel = new QLabel(this);
    versionLabel->setObjectName(QStringLiteral("versionLabel"));
    versionLabel->setText(version ? *version : UiText(StringId::FileVersionError));

    auto* ok = new QPushButton(UiText(StringId::ButtonOk), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* versionRow = new QHBoxLayout;
    versionRow->addWidget(versionCaption);
    versionRow->addWidget(versionLabel, 1);

    auto* texts = new QVBoxLayout;
    texts->addWidget(product);
    texts->addLayout(versionRow);
    texts->addStretch();

    auto* top = new QHBoxLayout;
    top->addWidget(logo, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(texts, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString AboutDialog::VersionText() const {
    return versionLabel->text();
}

} // namespace vorlan
