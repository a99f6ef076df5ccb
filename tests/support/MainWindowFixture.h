// The main window under test on Qt's offscreen platform: a driven window (WindowDriver.h) with
// the secret 3205, settings of the test's own and the dialogs and shell answered by fakes, and
// what the tests read of it: controls by name, displays, the log, menu items, typing and
// guessing.
#pragma once

#include "about/uAbout.h"
#include "controls/ProCtrls.h"
#include "controls/ProDlgs.h"
#include "controls/Seven.h"
#include "game/uMain.h"
#include "platform/widgets/StdCtrls.h"
#include "support/Fakes.h"
#include "support/ScratchConfig.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QFontInfo>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

#include "support/WindowDriver.h"

namespace testing_support {

class MainWindow : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<DrivenMain>(clock);
        window->setTerminateHandler([this] { ++terminated; });
        window->show(); // the first show starts the first game: secret 3205
        ASSERT_EQ(window->gameState().secret(), "3205");
    }

    template <class T = QWidget> T* child(const QString& name) const {
        T* found = window->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    controls::TSevenSegment* display(const QString& name) const {
        return child<controls::TSevenSegment>(name);
    }
    QString value(const QString& name) const { return display(name)->value(); }
    platform::TStringGrid* logs() const { return child<platform::TStringGrid>("sgLogs"); }
    QAction* action(const QString& name) const { return child<QAction>(name); }
    // A menu item chosen: its handler runs once the menu has closed.
    void choose(const QString& name) {
        action(name)->trigger();
        QApplication::processEvents();
    }

    void press(const QString& key) { window->press(key); }
    // The "X" buttons are drawn on the skin and click on a release inside.
    void clickX(const QString& name) { QTest::mouseClick(child(name), Qt::LeftButton, {}, {8, 8}); }
    void type(const std::string& digits) { window->type(digits); }
    void guess(const std::string& digits) { window->guess(digits); }
    // Which entry displays are visible, slot 1 first.
    std::vector<bool> visibleSlots() const {
        std::vector<bool> shown;
        for (int i = 1; i <= 6; ++i)
            shown.push_back(display(QStringLiteral("ssNum%1").arg(i))->isVisible());
        return shown;
    }

    ScratchConfig config;
    FixedClock clock{kSeed12345};
    FakeDialogs dialogs;
    FakeShell shell;
    std::unique_ptr<DrivenMain> window;
    int terminated = 0;
};


} // namespace testing_support
