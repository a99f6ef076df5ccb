// The info dialog component: TProInfoDialog holds a message and its settings and, on
// Execute, builds a small modal window (TInfoForm) with the information picture, the
// word-wrapped message, OK and, when a help topic is set, Help; captions follow one of twelve
// languages. The window is laid out for 120 pixels per inch and scaled to the screen.
#pragma once

#include "controls/ProConst.h"
#include "controls/ProCtrlsCore.h"
#include "platform/widgets/StdCtrls.h"

#include <QDialog>
#include <QFont>
#include <QObject>

class QFrame;

namespace controls {

class TProLabel;
class TProButton;

class TProCommonDialog : public QObject {
    Q_OBJECT
public:
    explicit TProCommonDialog(QWidget* owner);

    TDialogLanguage Language = dlEnglish;
    int HelpContext = 0; // 0: no Help button
    bool ParentFont = true;
    const QFont& font() const { return font_; }
    void setFont(const QFont& font) { font_ = font; } // copies the attributes

protected:
    QWidget* ownerWindow() const;

private:
    QFont font_;
};

class TProInfoDialog : public TProCommonDialog {
    Q_OBJECT
public:
    explicit TProInfoDialog(QWidget* owner);

    QString Caption; // empty: the language's caption
    QString InfoMessage;
    TAlignment Alignment = taLeftJustify;
    TVerticalAlignment VerticalAlignment = vaCenter;

    // Builds the message window, shows it modally and releases it when it is closed.
    void Execute();
};

// The message window, built in code.
class TInfoForm : public platform::TDialogWithoutCancel {
    Q_OBJECT
public:
    // Transient for `owner` (its top-level window), which does not own it.
    explicit TInfoForm(QWidget* owner = nullptr);

    QFrame* Bevel = nullptr;
    platform::TImage* Image = nullptr;
    TProLabel* InfoLabel = nullptr;
    TProButton* OKButton = nullptr;
    TProButton* HelpButton = nullptr;

    // Scales the client size, every child's edges and the font by screenPpi : 120, then
    // puts the picture back to its natural size beside the scaled frame.
    void scaleTo(int screenPpi);
};

// Design pixels per inch of the info window's layout.
constexpr int kDesignPixelsPerInch = 120;

} // namespace controls
