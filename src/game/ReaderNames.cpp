#include "game/ReaderNames.h"

#include "controls/Seven.h"
#include "controls/TransBtn.h"
#include "game/SpokenText.h"
#include "game/uMain.h"
#include "platform/Accessibility.h"
#include "platform/widgets/StdCtrls.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QPushButton>

namespace game {

namespace {

// To a screen reader the game's window is a frame, as a captioned window is.
QAccessibleInterface* accessibleWindowFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(TfMain::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    return nullptr;
}

} // namespace

void ReaderNames::nameGamePanelAndLog(TfMain& window) {
    static const bool registered = [] {
        QAccessible::installFactory(accessibleWindowFactory);
        return true;
    }();
    (void)registered;
    window.sbClear->setAccessibleName(QStringLiteral("Clear"));
    window.sbBack->setAccessibleName(QStringLiteral("Delete last digit"));
    window.pbGuess->setAccessibleName(QStringLiteral("Guess"));
    for (std::size_t i = 0; i < window.ssNum.size(); ++i)
        window.ssNum[i]->setAccessibleName(QStringLiteral("Guess digit %1").arg(i + 1));
    window.ssLeft->setAccessibleName(window.ssLeft->toolTip());
    // The score displays are named by their captions, which are then not read again.
    window.ssNumbers->setAccessibleName(window.lCorrect->text());
    window.ssPlace->setAccessibleName(window.lPlace->text());
    platform::setAccessibleHidden(window.lCorrect, true);
    platform::setAccessibleHidden(window.lPlace, true);
    window.sgLogs->setAccessibleName(QStringLiteral("Tries log"));
    window.sgLogs->setAccessibleDescription(
        QStringLiteral("This game's wrong guesses and their scores"));
    window.sgLogs->setAccessibleRowText([](const QStringList& cells) {
        const QStringList score = cells.value(1).split(QLatin1Char('/'));
        return QString::fromStdString(scoreSentence(
            cells.value(0).toStdString(), score.value(0).toInt(), score.value(1).toInt()));
    });
    window.tbCloseMain->setAccessibleName(QStringLiteral("Exit"));
    window.tbCloseLog->setAccessibleName(QStringLiteral("Hide tries log"));
    window.imgAbout->setAccessibleName(QStringLiteral("About Brainlock Game"));
}

void ReaderNames::nameOptionsPanel(TfMain& window) {
    window.rgDigit->setAccessibleName(QStringLiteral("Number of digits"));
    window.rgDuplicate->setAccessibleName(QStringLiteral("Repeated digits allowed"));
    window.rgMusic->setAccessibleName(QStringLiteral("Music"));
    window.rgSound->setAccessibleName(QStringLiteral("Sound effects"));
    window.tbCloseOptions->setAccessibleName(QStringLiteral("Hide options"));
}

} // namespace game
