// The win and loss dialogs as the player meets them.
#include "support/MainWindowFixture.h"

using controls::TSevenSegment;
using game::TfMain;
using namespace testing_support;

namespace {

// The real announcements: each test answers the game's own dialog as a player would.
class Announcements : public ::testing::Test {
protected:
    void start(platform::UtcTimeOfDay time) {
        clock.time = time;
        window = std::make_unique<TfMain>(clock);
        window->show();
    }
    // Looks at the next info window, then presses Enter on it.
    void answerNext(QString& caption, QString& message, std::function<void()> meanwhile = {}) {
        auto* timer = new QTimer;
        QObject::connect(timer, &QTimer::timeout, [&, timer, meanwhile] {
            auto* form = qobject_cast<controls::TInfoForm*>(QApplication::activeModalWidget());
            if (!form) return;
            timer->stop();
            timer->deleteLater();
            caption = form->windowTitle();
            message = form->InfoLabel->caption();
            if (meanwhile) meanwhile();
            QTest::keyClick(form, Qt::Key_Return);
        });
        timer->start(5);
    }
    void click(const QString& name) { window->findChild<QAbstractButton*>(name)->click(); }
    QString value(const char* name) const {
        return window->findChild<TSevenSegment*>(QString::fromLatin1(name))->value();
    }

    ScratchConfig config;
    FixedClock clock;
    FakeDialogs dialogs;
    std::unique_ptr<TfMain> window;
};

} // namespace

TEST_F(Announcements, AWinShowsTheSecretThenTheNextGameStarts) {
    start({0, 0, 0, 894}); // secret 0712
    ASSERT_EQ(window->gameState().secret(), "0712");
    QString caption, message;
    int visibleDigits = 0;
    answerNext(caption, message, [&] {
        for (int i = 1; i <= 4; ++i)
            visibleDigits +=
                window->findChild<TSevenSegment*>(QStringLiteral("ssNum%1").arg(i))->isVisible();
        EXPECT_EQ(value("ssNumbers"), QStringLiteral("4"));
        EXPECT_EQ(value("ssPlace"), QStringLiteral("4"));
    });
    for (const char* key : {"sb0", "sb7", "sb1", "sb2", "pbGuess"})
        click(QString::fromLatin1(key));
    EXPECT_EQ(caption, QStringLiteral("You Win !!"));
    EXPECT_EQ(message, QStringLiteral("Congratulation !!! You Win.\r\nYou have a pretty good "
                                      "logical thinking\r\n0712 is the Correct Number"));
    EXPECT_EQ(visibleDigits, 4);
    EXPECT_EQ(value("ssLeft"), QStringLiteral("11"));
    EXPECT_TRUE(window->gameState().log().empty());
    EXPECT_EQ(window->gameState().entry(), "");
}

TEST_F(Announcements, GivingUpRevealsTheSecretAndTheWinCaptionComesBack) {
    start({0, 0, 4, 176}); // secret 0719, and again for the next game
    QString caption, message;
    answerNext(caption, message);
    window->findChild<QAction*>(QStringLiteral("GiveUp1"))->trigger();
    QApplication::processEvents();
    EXPECT_EQ(caption, QStringLiteral("You Lose !!"));
    EXPECT_EQ(message, QStringLiteral("The misterious digits are 0719.\r\nYou still can prove your "
                                      "mind later.\r\nGAME OVER !!!"));
    ASSERT_EQ(window->gameState().secret(), "0719");
    answerNext(caption, message);
    for (const char* key : {"sb0", "sb7", "sb1", "sb9", "pbGuess"})
        click(QString::fromLatin1(key));
    EXPECT_EQ(caption, QStringLiteral("You Win !!"));
}
