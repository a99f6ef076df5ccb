#include "platform/widgets/SharedMnemonic.h"

#include <QAbstractButton>
#include <QEvent>
#include <QKeySequence>
#include <QShortcutEvent>

namespace platform {

namespace {

// Watches the button and its rivals: their shortcut events for the button's mnemonic press
// the button, as an unshared mnemonic would.
class MnemonicKeeper final : public QObject {
public:
    explicit MnemonicKeeper(QAbstractButton* button)
        : QObject(button)
        , button_(button) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::Shortcut || !button_->isEnabled()) return false;
        const auto* shortcut = static_cast<QShortcutEvent*>(event);
        if (shortcut->key() != QKeySequence::mnemonic(button_->text())) return false;
        button_->setFocus(Qt::ShortcutFocusReason);
        button_->animateClick();
        return true;
    }

private:
    QAbstractButton* button_;
};

} // namespace

void keepMnemonicFor(QAbstractButton* button, std::initializer_list<QWidget*> sharing) {
    auto* keeper = new MnemonicKeeper(button);
    button->installEventFilter(keeper);
    for (QWidget* other : sharing)
        other->installEventFilter(keeper);
}

} // namespace platform
