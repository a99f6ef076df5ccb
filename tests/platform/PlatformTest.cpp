#include "platform/Application.h"
#include "platform/system/Help.h"
#include "platform/system/Shell.h"
#include "platform/widgets/Dialogs.h"
#include "platform/widgets/Fonts.h"
#include "platform/widgets/Pictures.h"
#include "platform/widgets/StdCtrls.h"
#include "platform/window/DialogTitleBar.h"
#include "support/Fakes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFontInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWidget>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

// What a test saw of a modal message box before answering it.
struct SeenBox {
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    QString defaultButton;
};

} // namespace

TEST(Platform, WindowFontsResolveToMetricCloseFamilies) {
    EXPECT_EQ(QFontInfo(platform::uiFont()).family(), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(QFontInfo(platform::pixelFont(platform::kSerifFamily, 40)).family(),
              QStringLiteral("Liberation Serif"));
    EXPECT_EQ(QFontInfo(platform::uiFont(true)).pixelSize(), 11);
}

TEST(Platform, StandardDialogsHaveTheirCaptionsIconsAndButtons) {
    platform::StandardMessageDialogs dialogs;
    const auto inspect = [](int key, auto&& call) {
        auto seen = std::make_shared<SeenBox>();
        QTimer::singleShot(0, [seen, key] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            seen->title = box->windowTitle();
            seen->icon = box->icon();
            for (QAbstractButton* b : box->buttons())
                seen->buttons << b->text();
            if (box->defaultButton()) seen->defaultButton = box->defaultButton()->text();
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
            QApplication::sendEvent(box, &press);
        });
        const bool result = call();
        return std::make_pair(result, *seen);
    };

    auto [escaped, confirm] = inspect(Qt::Key_Escape, [&] { return dialogs.confirm("Sure?"); });
    EXPECT_FALSE(escaped);
    EXPECT_EQ(confirm.title, QStringLiteral("Confirm"));
    EXPECT_EQ(confirm.icon, QMessageBox::Question);
    EXPECT_EQ(confirm.buttons, (QStringList{"&Yes", "&No"}));
    EXPECT_EQ(confirm.defaultButton, QStringLiteral("&Yes"));

    auto [accepted, again] = inspect(Qt::Key_Return, [&] { return dialogs.confirm("Sure?"); });
    EXPECT_TRUE(accepted);

    auto [unused, error] = inspect(Qt::Key_Return, [&] {
        dialogs.error("Bad");
        return false;
    });
    EXPECT_EQ(error.title, QStringLiteral("Error"));
    EXPECT_EQ(error.icon, QMessageBox::Critical);
    EXPECT_EQ(error.buttons, (QStringList{"OK"}));

    auto [unused2, info] = inspect(Qt::Key_Return, [&] {
        dialogs.information("Note");
        return false;
    });
    EXPECT_EQ(info.title, QStringLiteral("Information"));
    EXPECT_EQ(info.icon, QMessageBox::Information);

    auto [unused3, application] = inspect(Qt::Key_Return, [&] {
        dialogs.applicationError("Broken");
        return false;
    });
    EXPECT_EQ(application.title, QStringLiteral("Brainlock Game"));
    EXPECT_EQ(application.icon, QMessageBox::Critical);

    auto [unused4, startup] = inspect(Qt::Key_Return, [&] {
        platform::showStartupError("cannot open click.wav");
        return false;
    });
    EXPECT_EQ(startup.title, QStringLiteral("Application Error"));
}

TEST(Platform, AnExceptionInAHandlerIsReportedAfterTheHandlerAndTheProgramGoesOn) {
    testing_support::FakeDialogs dialogs;
    bool after = false;
    platform::guarded([] { throw std::runtime_error("boom"); });
    EXPECT_TRUE(dialogs.shown.isEmpty()); // never from inside the handler
    platform::guarded([&] { after = true; });
    QCoreApplication::processEvents();
    EXPECT_TRUE(after);
    EXPECT_EQ(dialogs.shown, (QStringList{"application:boom"}));
    platform::guarded([] { throw 42; });
    QCoreApplication::processEvents();
    EXPECT_EQ(dialogs.shown.size(), 2);
}

// Every picture stored as pixels is the image Qt's PNG reader makes of the picture it was
// made from, in the same format; a path that holds no such picture gives a null image.
TEST(Platform, PicturesStoredAsPixelsAreTheirPngsExactly) {
    int pictures = 0;
    for (QDirIterator it(QStringLiteral(":/"), {QStringLiteral("*.bgra")}, QDir::Files,
                         QDirIterator::Subdirectories);
         it.hasNext();) {
        const QString path = it.next();
        const QString png = QStringLiteral(BRAINLOCK_RESOURCES_DIR "/") +
                            path.mid(2).replace(QStringLiteral(".bgra"), QStringLiteral(".png"));
        const QImage decoded(png);
        ASSERT_FALSE(decoded.isNull()) << png.toStdString();
        EXPECT_EQ(platform::picture(path), decoded) << path.toStdString();
        ++pictures;
    }
    EXPECT_GE(pictures, 11); // the skin, the about picture and the four icons
    EXPECT_TRUE(platform::picture(QStringLiteral(":/images/information.png")).isNull());
    EXPECT_TRUE(platform::picture(QStringLiteral(":/no/such.bgra")).isNull());
}

TEST(Platform, FilesAreFoundInTheCurrentDirectoryFirst) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString saved = QDir::currentPath();
    QDir::setCurrent(dir.path());
    const QString name = QStringLiteral("brainlock-locate-probe.txt");
    EXPECT_EQ(platform::locateFile(name), QDir(dir.path()).filePath(name)); // missing: named
    QFile file(QDir(dir.path()).filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_EQ(platform::locateFile(name), QDir::cleanPath(QDir(dir.path()).filePath(name)));
    // A file beside the executable is found from any directory.
    const QString exeName = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    EXPECT_EQ(platform::locateFile(exeName), QCoreApplication::applicationFilePath());
    QDir::setCurrent(saved);

    const QString page = QDir::temp().filePath(QStringLiteral("a b.html")); // with its drive
    const QUrl url = platform::documentUrl(page, QStringLiteral("log"));
    EXPECT_EQ(url.toLocalFile(), page);
    EXPECT_EQ(url.fragment(), QStringLiteral("log"));
}

TEST(Platform, HelpContextIsInheritedFromTheNearestAncestor) {
    QWidget outer;
    auto* inner = new QWidget(&outer);
    auto* leaf = new QWidget(inner);
    EXPECT_EQ(platform::helpContextFor(leaf), 0);
    EXPECT_EQ(platform::helpContextFor(nullptr), 0);
    platform::setHelpContext(&outer, 3);
    EXPECT_EQ(platform::helpContextFor(leaf), 3);
    platform::setHelpContext(inner, 2);
    EXPECT_EQ(platform::helpContextFor(leaf), 2);
}

// The title bar the game draws on a Wayland dialog: it takes its room above the contents,
// whichever way they are placed, once only, and its close button closes the dialog.
TEST(Platform, DialogTitleBarMakesRoomAboveTheContentsAndCloses) {
    constexpr int bar = platform::DialogTitleBar::kHeight;
    QDialog laidOut;
    auto* layout = new QVBoxLayout(&laidOut);
    auto* text = new QLabel(QStringLiteral("Are you sure?"));
    layout->addWidget(text);
    laidOut.adjustSize();
    laidOut.setFixedSize(laidOut.size());
    const QSize before = laidOut.size();
    const int textTop = text->y();
    platform::DialogTitleBar::attach(laidOut);
    platform::DialogTitleBar::attach(laidOut); // a second time changes nothing
    laidOut.show();
    layout->activate();
    EXPECT_EQ(laidOut.size(), QSize(before.width(), before.height() + bar));
    EXPECT_EQ(text->y(), textTop + bar);

    QDialog placed;
    auto* button = new QPushButton(QStringLiteral("OK"), &placed);
    button->move(10, 40);
    placed.setFixedSize(200, 100);
    platform::DialogTitleBar::attach(placed);
    EXPECT_EQ(button->pos(), QPoint(10, 40 + bar));
    EXPECT_EQ(placed.size(), QSize(200, 100 + bar));

    placed.show();
    auto* titleBar = placed.findChild<platform::DialogTitleBar*>(QStringLiteral("dialogTitleBar"));
    ASSERT_NE(titleBar, nullptr);
    EXPECT_EQ(titleBar->geometry(), QRect(0, 0, 200, bar));
    titleBar->closeButton()->click();
    EXPECT_FALSE(placed.isVisible());
}

// The keypad's keys reuse one drawn face while their colours are the same, and only then.
TEST(Platform, SpeedButtonsDrawTheFaceOfTheirOwnColours) {
    QWidget window;
    auto* plain = new platform::TSpeedButton(&window);
    auto* red = new platform::TSpeedButton(&window);
    QPalette palette = red->palette();
    palette.setColor(QPalette::Button, Qt::red);
    red->setPalette(palette);
    for (platform::TSpeedButton* key : {plain, red})
        key->resize(24, 24);
    const QImage plainFace = plain->grab().toImage();
    const QColor redMiddle = red->grab().toImage().pixelColor(12, 12);
    EXPECT_GT(redMiddle.red(), 2 * redMiddle.green());
    EXPECT_EQ(plain->grab().toImage(), plainFace);
    EXPECT_NE(plainFace.pixelColor(12, 12), redMiddle);
}
