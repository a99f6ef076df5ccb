#include "about/uAbout.h"
#include "controls/Banner.h"
#include "support/Fakes.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace testing_support;

namespace {

// Shows the about box modally, runs `meanwhile` on it, then lets it close.
void showAbout(TfAbout& about, std::function<void()> meanwhile) {
    QTimer::singleShot(0, [&about, meanwhile] {
        meanwhile();
        if (about.isVisible()) about.findChild<QAbstractButton*>("bbClose")->click();
    });
    about.showModal();
}

} // namespace

TEST(About, CreditsEnterFromBelowAndGoOnAcrossShowings) {
    FakeShell shell;
    TfAbout about;
    controls::TBanner* banner = about.banner();
    EXPECT_FALSE(banner->enabled()); // rendered but not started while hidden
    ASSERT_TRUE(banner->bitmap());
    const int lineHeight = QFontMetrics(banner->font()).boundingRect(QStringLiteral("Xj")).height();
    EXPECT_EQ(banner->bitmap()->deviceIndependentSize().toSize().height(), 26 * lineHeight);
    EXPECT_GT(banner->bitmap()->width(), 200);
    EXPECT_EQ(banner->lines().size(), 26);
    const QString read = QAccessible::queryAccessibleInterface(banner)->text(QAccessible::Name);
    EXPECT_TRUE(
        read.contains(QStringLiteral("Created by :\n\nThe Brainlock Game team"))); // all of it
    QStringList events; // the first showing only starts the credits
    banner->OnEnable = [&](QObject*) { events << QStringLiteral("enable"); };
    banner->OnDisable = [&](QObject*) { events << QStringLiteral("disable"); };

    std::uint16_t firstShowing = 0;
    showAbout(about, [&] {
        EXPECT_TRUE(banner->enabled());
        EXPECT_EQ(banner->scrollPosition(), 0);
        // Nothing shows yet: the credits stand just below the bottom edge.
        const QImage frame = banner->composeFrame();
        EXPECT_EQ(frame.pixelColor(120, 190), QColor(Qt::black));
        QTest::qWait(400);
        firstShowing = banner->scrollPosition();
    });
    EXPECT_GE(firstShowing, 12);
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(events, QStringList{QStringLiteral("enable")});

    QTest::qWait(400); // hidden: no ticks, but the time counts
    showAbout(about, [&] { EXPECT_GT(banner->scrollPosition(), firstShowing + 12); });
}

TEST(About, EnterClosesEscapeDoesNotAndThePictureOpensTheHomePage) {
    FakeShell shell;
    TfAbout about;
    EXPECT_FALSE(about.findChild<QLabel*>("Image1")->pixmap().isNull()); // the padlock shows
    bool stillOpenAfterEscape = false;
    QTimer::singleShot(0, [&] {
        QTest::keyClick(&about, Qt::Key_Escape);
        stillOpenAfterEscape = about.isVisible();
        QTest::mouseClick(about.findChild<QWidget*>("Image1"), Qt::LeftButton);
        about.findChild<QAbstractButton*>("bbReadme")->click();
        QWidget* focused = about.focusWidget();
        ASSERT_EQ(focused, about.findChild<QWidget*>("bbClose")); // "&Close" has the focus
        QTest::keyClick(focused, Qt::Key_Return);
    });
    about.showModal();
    EXPECT_TRUE(stillOpenAfterEscape);
    EXPECT_FALSE(about.isVisible());
    ASSERT_EQ(shell.opened.size(), 2u);
    EXPECT_EQ(shell.opened[0], QUrl(TfAbout::kHomePage));
    EXPECT_TRUE(shell.opened[1].toLocalFile().endsWith(QStringLiteral("readme.txt")));
}
