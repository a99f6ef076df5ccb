#include "about/uAbout.h"

#include "platform/Application.h"
#include "platform/Fonts.h"

#include <QPushButton>

namespace {
constexpr int kClientWidth = 308;
constexpr int kClientHeight = 261;
constexpr QPoint kScreenPlace{271, 172};
} // namespace

TfAbout::TfAbout(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("fAbout"));
    setWindowTitle(QStringLiteral("About Brainlock Game"));
    setWindowIcon(QIcon(QStringLiteral(":/images/about.png")));
    setFont(platform::uiFont());
    setFixedSize(kClientWidth, kClientHeight);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::black);
    setPalette(palette);
    move(kScreenPlace);

    bbClose = new QPushButton(QStringLiteral("&Close"), this);
    bbClose->setObjectName(QStringLiteral("bbClose"));
    bbClose->setGeometry(160, 224, 129, 25);
    bbClose->setAutoDefault(false);
    connect(bbClose, &QPushButton::clicked, this,
            [this] { platform::guarded([&] { bbCloseClick(); }); });
}

void TfAbout::showModal() {
    bbClose->setFocus();
    exec();
}

void TfAbout::bbCloseClick() {
    reject();
}
