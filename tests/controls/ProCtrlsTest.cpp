#include "controls/ProCtrls.h"
#include "controls/ProDlgs.h"
#include "platform/system/Help.h"
#include "platform/widgets/StdCtrls.h"
#include "support/Fakes.h"

#include <QApplication>
#include <QDialog>
#include <QFrame>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <set>

using namespace controls;
using platform::toQColor;

namespace {

using Pixels = std::set<std::pair<int, int>>;

// A label drawing one blocky letter without smoothing, so every pixel is one of the colours.
std::unique_ptr<TProLabel> letterLabel() {
    auto label = std::make_unique<TProLabel>();
    QFont font = label->font();
    font.setPixelSize(24);
    font.setStyleStrategy(QFont::NoAntialias);
    label->setFont(font);
    label->setAutoSize(false);
    label->setGeometry(0, 0, 40, 40);
    label->setCaption(QStringLiteral("H"));
    label->setColor(platform::rgbColor(250, 240, 200)); // none of the drawing colours
    label->setFontColor(platform::rgbColor(0, 0, 255));
    return label;
}

Pixels pixelsOf(const QImage& image, QColor colour) {
    Pixels found;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour) found.insert({x, y});
    return found;
}

Pixels shifted(const Pixels& pixels, int dx, int dy) {
    Pixels moved;
    for (const auto& [x, y] : pixels)
        moved.insert({x + dx, y + dy});
    return moved;
}

Pixels without(Pixels pixels, const Pixels& removed) {
    for (const auto& p : removed)
        pixels.erase(p);
    return pixels;
}

QImage render(QWidget& widget) {
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Runs `inspect` on the next modal window once it is up, for a test to look at and close.
void onNextModal(std::function<void(QWidget*)> inspect) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, inspect] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            inspect(modal);
        }
    });
    timer->start(5);
}

} // namespace

TEST(ProLabel, SettersFollowTheirRules) {
    TProLabel label;
    label.setAngle(-1);
    EXPECT_EQ(label.angle(), 359);
    EXPECT_FALSE(label.autoSize()); // a turned caption does not size the label
    label.setAngle(360);
    EXPECT_EQ(label.angle(), 0);
    EXPECT_FALSE(label.autoSize()); // and turning back does not switch it on again

    TProLabel offset;
    offset.setOffsetX(-3);
    EXPECT_TRUE(offset.autoSize());
    offset.setOffsetX(3);
    EXPECT_FALSE(offset.autoSize());

    label.setShadowStyle(ssRaisedShadow);
    EXPECT_EQ(label.shadowDirection(), drDownRight);
    EXPECT_EQ(label.highlightDirection(), drUpLeft);
    label.setShadowColor(platform::clRed);
    EXPECT_EQ(label.shadowStyle(), ssCustom); // keeps the preset's directions and sizes
    EXPECT_EQ(label.shadowSize(), 1);
    EXPECT_EQ(label.highlightDepth(), 1);
    label.setShadowStyle(ssRaisedShadow);
    EXPECT_EQ(label.shadowColor(), platform::clBtnShadow);
    label.setShadowStyle(ssNone);
    EXPECT_EQ(label.shadowDirection(), drNone);
    EXPECT_EQ(label.shadowDepth(), 0);
    EXPECT_EQ(label.highlightDirection(), drNone);
    label.setHighlightDepth(2); // one effect by hand: a custom style, drawn
    EXPECT_EQ(label.shadowStyle(), ssCustom);
    label.setShadowStyle(ssRecessedColor);
    EXPECT_EQ(label.fontColor(), platform::clBtnFace);
    label.setLayout(vaBottom);
    EXPECT_EQ(label.verticalAlignment(), vaBottom);
}

// Shadow copies first, nearest first, then the highlight, then the caption on top.
TEST(ProLabel, ShadowCopiesLieUnderTheCaption) {
    auto label = letterLabel();
    const QColor blue(0, 0, 255);
    const QColor red(255, 0, 0);
    const Pixels caption = pixelsOf(render(*label), blue);
    ASSERT_GT(caption.size(), 20u);

    label->setShadowStyle(ssShadow);
    label->setShadowColor(platform::clRed);
    QImage image = render(*label);
    EXPECT_EQ(pixelsOf(image, blue), caption);
    EXPECT_EQ(pixelsOf(image, red), without(shifted(caption, 2, 2), caption));

    label->setShadowStyle(ssThickShadow);
    label->setShadowColor(platform::clRed);
    image = render(*label);
    Pixels thick;
    for (int step = 1; step <= 4; ++step)
        thick.merge(shifted(caption, step, step));
    EXPECT_EQ(pixelsOf(image, blue), caption);
    EXPECT_EQ(pixelsOf(image, red), without(thick, caption));

    label->setShadowStyle(ssRaised); // no shadow copies: the highlight alone
    label->setHighlightColor(platform::rgbColor(0, 255, 0));
    image = render(*label);
    EXPECT_EQ(pixelsOf(image, QColor(0, 255, 0)), without(shifted(caption, -1, -1), caption));
    EXPECT_TRUE(pixelsOf(image, red).empty());
}

TEST(ProLabel, DisabledLabelIsEmbossedWhateverItsEffects) {
    auto label = letterLabel();
    const Pixels caption = pixelsOf(render(*label), QColor(0, 0, 255));
    label->setShadowStyle(ssThickShadow);
    label->setEnabled(false);
    const QImage image = render(*label);
    const QColor shadow = QColor::fromRgb(toQColor(platform::clBtnShadow).rgb());
    const QColor light = QColor::fromRgb(toQColor(platform::clBtnHighlight).rgb());
    EXPECT_EQ(pixelsOf(image, shadow), caption);
    EXPECT_EQ(pixelsOf(image, light), without(shifted(caption, 1, 1), caption));
}

TEST(ProButton, KindsSetCaptionResultAndFlags) {
    TProButton button;
    for (int value = 1; value < kButtonKindCount; ++value) {
        const auto kind = static_cast<TProButtonKind>(value);
        button.setKind(kind);
        const KindInfo info = kindInfo(kind);
        ASSERT_EQ(button.kind(), kind) << value;
        EXPECT_EQ(button.text(), kindCaption(kind)) << value;
        EXPECT_FALSE(button.text().isEmpty()) << value;
        EXPECT_EQ(button.modalResult(), info.modalResult) << value;
        EXPECT_EQ(button.defaultButton(), info.isDefault) << value;
        EXPECT_EQ(button.cancel(), info.cancel) << value;
    }
    button.setKind(pbkOk);
    EXPECT_EQ(button.text(), QStringLiteral("OK"));
    button.setText(QStringLiteral("Fine"));
    EXPECT_EQ(button.kind(), pbkOk); // a caption alone keeps the kind
    button.setModalResult(2);
    EXPECT_EQ(button.kind(), pbkCustom);

    TProButton loaded;
    loaded.setLoading(true);
    loaded.setText(QStringLiteral("Saved"));
    loaded.setKind(pbkYes);
    EXPECT_EQ(loaded.text(), QStringLiteral("Saved"));
}

TEST(ProButton, HelpAndCloseKindsActByThemselves) {
    testing_support::FakeShell shell;
    platform::setApplicationHelp(QStringLiteral("brainlock.html"), {{7, QStringLiteral("seven")}});
    QDialog window;
    QWidget panel(&window);
    auto* help = new TProButton(&panel);
    help->setKind(pbkHelp);
    int clicks = 0;
    help->OnClick = [&](QObject*) { ++clicks; };
    help->click(); // no context anywhere up the parents: an ordinary click
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(shell.opened.empty());
    platform::setHelpContext(&window, 7);
    help->click();
    EXPECT_EQ(clicks, 1);
    ASSERT_EQ(shell.opened.size(), 1u);
    EXPECT_EQ(shell.opened[0].fragment(), QStringLiteral("seven"));

    auto* close = new TProButton(&panel);
    close->setKind(pbkClose);
    close->OnClick = [&](QObject*) { ++clicks; };
    window.show();
    close->click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), 0);
    EXPECT_EQ(clicks, 1);
}

TEST(InfoForm, ScalesFromTheDesignDensityToTheScreen) {
    TInfoForm at120;
    at120.scaleTo(120);
    EXPECT_EQ(at120.size(), QSize(402, 169));
    EXPECT_EQ(at120.Bevel->geometry(), QRect(10, 10, 381, 106));
    EXPECT_EQ(at120.Image->geometry(), QRect(15, 29, 48, 64));
    EXPECT_EQ(at120.HelpButton->geometry(), QRect(208, 128, 100, 30));

    TInfoForm at96;
    QFont font = at96.font();
    font.setPixelSize(11);
    at96.setFont(font);
    at96.scaleTo(96);
    EXPECT_EQ(at96.size(), QSize(322, 135));
    EXPECT_EQ(at96.Bevel->geometry(), QRect(8, 8, 305, 85));
    EXPECT_EQ(at96.Image->geometry(), QRect(12, 14, 48, 64));
    EXPECT_EQ(at96.font().pixelSize(), 8); // 8 points become 6
}

TEST(InfoDialog, ExecuteShowsTheMessageAndClosesOnEnterOnly) {
    QWidget owner;
    owner.setFont(QFont(QStringLiteral("MS Sans Serif"), 9));
    TProInfoDialog dialog(&owner);
    dialog.InfoMessage = QStringLiteral("One\r\nTwo");
    dialog.Alignment = taCenter;
    const double ratio = QGuiApplication::primaryScreen()->logicalDotsPerInch() / 120.0;
    bool seen = false;
    onNextModal([&](QWidget* modal) {
        auto* form = qobject_cast<TInfoForm*>(modal);
        ASSERT_NE(form, nullptr);
        seen = true;
        EXPECT_EQ(form->windowTitle(), QStringLiteral("Information"));
        EXPECT_EQ(form->InfoLabel->caption(), QStringLiteral("One\r\nTwo"));
        EXPECT_EQ(form->InfoLabel->alignment(), taCenter);
        EXPECT_EQ(form->InfoLabel->verticalAlignment(), vaCenter);
        EXPECT_FALSE(form->HelpButton->isVisible()); // no help context: OK alone, centred
        EXPECT_EQ(form->OKButton->x(), static_cast<int>(std::lround(151 * ratio)));
        QTest::keyClick(form, Qt::Key_Escape);
        EXPECT_TRUE(form->isVisible());
        QTest::keyClick(form, Qt::Key_Return);
    });
    dialog.Execute();
    EXPECT_TRUE(seen);

    dialog.Language = dlGerman;
    dialog.HelpContext = 5;
    onNextModal([&](QWidget* modal) {
        auto* form = qobject_cast<TInfoForm*>(modal);
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(form->windowTitle(), QStringLiteral("Information"));
        EXPECT_EQ(form->HelpButton->kind(), pbkHelpGer);
        EXPECT_EQ(form->HelpButton->text(), QStringLiteral("&Hilfe"));
        EXPECT_TRUE(form->HelpButton->isVisible());
        EXPECT_EQ(form->OKButton->x(), static_cast<int>(std::lround(94 * ratio)));
        form->close(); // the close box closes too
    });
    dialog.Execute();
}

// On a shown window, where focus moves: the Help button keeps its kind (and its action) when
// it takes the focus, F1 opens the window's help topic, and a control as owner leaves the
// dialog's own Font in force.
TEST(InfoDialog, HelpKeepsItsKindWithTheFocusAndF1FollowsTheHelpContext) {
    testing_support::FakeShell shell;
    platform::setApplicationHelp(QStringLiteral("brainlock.html"), {{5, QStringLiteral("five")}});
    QWidget owner;
    owner.setFont(QFont(QStringLiteral("Liberation Serif"), 14));
    auto* control = new QWidget(&owner);
    TProInfoDialog dialog(control);
    QFont own(QStringLiteral("Liberation Mono"), 9);
    dialog.setFont(own);
    dialog.HelpContext = 5;
    onNextModal([&](QWidget* modal) {
        auto* form = qobject_cast<TInfoForm*>(modal);
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(form->font().family(), QStringLiteral("Liberation Mono"));
        form->HelpButton->setFocus();
        EXPECT_EQ(form->HelpButton->kind(), pbkHelp);
        EXPECT_EQ(form->OKButton->kind(), pbkOk);
        form->HelpButton->click(); // help, and the window stays
        EXPECT_TRUE(form->isVisible());
        form->activateWindow(); // a window's keys reach it while it is active
        ASSERT_TRUE(QTest::qWaitForWindowActive(form));
        QTest::keyClick(form, Qt::Key_F1);
        EXPECT_EQ(shell.opened.size(), 2u);
        form->OKButton->click();
    });
    dialog.Execute();
    ASSERT_EQ(shell.opened.size(), 2u);
    EXPECT_EQ(shell.opened[1].fragment(), QStringLiteral("five"));

    dialog.HelpContext = 0; // no topic: F1 does nothing
    onNextModal([&](QWidget* modal) {
        modal->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(modal));
        QTest::keyClick(modal, Qt::Key_F1);
        QTest::keyClick(modal, Qt::Key_Return);
    });
    dialog.Execute();
    EXPECT_EQ(shell.opened.size(), 2u);
}

// The events an effect label publishes: a click is a left press and release inside, a double
// click adds OnDblClick and no second click, and every press, move and release is told.
TEST(ProLabel, PublishesClicksAndTheMouseEvents) {
    TProLabel label;
    label.setAutoSize(false);
    label.setGeometry(0, 0, 50, 20);
    QStringList seen;
    label.OnClick = [&](QObject*) { seen << QStringLiteral("click"); };
    label.OnDblClick = [&](QObject*) { seen << QStringLiteral("dblclick"); };
    label.OnMouseDown = [&](QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) {
        seen << QStringLiteral("down %1,%2").arg(x).arg(y);
    };
    label.OnMouseMove = [&](QObject*, Qt::MouseButtons, Qt::KeyboardModifiers, int x, int) {
        seen << QStringLiteral("move %1").arg(x);
    };
    label.OnMouseUp = [&](QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
        seen << QStringLiteral("up");
    };
    label.show();
    QTest::mousePress(&label, Qt::LeftButton, {}, QPoint(3, 4));
    QTest::mouseMove(&label, QPoint(70, 4));
    QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(70, 4)); // outside: no click
    EXPECT_EQ(seen.join(QLatin1Char('|')), QStringLiteral("down 3,4|move 70|up"));
    seen.clear();
    // A double click arrives as press, release, press, double click, release.
    QTest::mouseClick(&label, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mousePress(&label, Qt::LeftButton, {}, QPoint(5, 5));
    QMouseEvent second(QEvent::MouseButtonDblClick, QPointF(5, 5), label.mapToGlobal(QPointF(5, 5)),
                       Qt::LeftButton, Qt::LeftButton, {});
    QApplication::sendEvent(&label, &second);
    QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(seen.join(QLatin1Char('|')),
              QStringLiteral("down 5,5|click|up|down 5,5|dblclick|up"));

    // A click handler may delete its label: nothing of the label is touched after that.
    auto* doomed = new TProLabel;
    doomed->setAutoSize(false);
    doomed->setGeometry(0, 0, 50, 20);
    doomed->OnClick = [doomed](QObject*) { delete doomed; };
    doomed->OnMouseUp = [&](QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
        seen << QStringLiteral("up after delete");
    };
    doomed->show();
    QTest::mouseClick(doomed, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(seen.contains(QStringLiteral("up after delete")));
}
