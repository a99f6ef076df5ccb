#include "platform/Accessibility.h"

#include "platform/Application.h"
#include "platform/widgets/StdCtrls.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace platform {

namespace {

const char* const kHiddenProperty = "brainlockAccessibleHidden";
const char* const kAnnouncementName = "brainlockAnnouncement";

// A picture without a name is decoration.
bool inTree(const QWidget* widget) {
    if (accessibleHidden(widget)) return false;
    if (qobject_cast<const TImage*>(widget) && widget->accessibleName().isEmpty()) return false;
    return true;
}

// The bevelled panel under the game's controls: its children as the reader should meet them.
class AccessiblePanel final : public QAccessibleWidget {
public:
    explicit AccessiblePanel(QWidget* panel)
        : QAccessibleWidget(panel, QAccessible::Pane) {}

    int childCount() const override { return static_cast<int>(children().size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> shown = children();
        if (index < 0 || index >= shown.size()) return nullptr;
        return QAccessible::queryAccessibleInterface(shown.at(index));
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child ? static_cast<int>(children().indexOf(qobject_cast<QWidget*>(child->object())))
                     : -1;
    }

private:
    QList<QWidget*> children() const {
        QList<QWidget*> shown;
        for (QWidget* child : widget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (!child->isWindow() && inTree(child)) shown.append(child);
        return shown;
    }
};

// A control that is pressed: a picture that opens something, a keypad button. The press runs
// after the reader's call, exactly as a click.
class AccessiblePressable final : public QAccessibleWidget {
public:
    AccessiblePressable(QWidget* widget, QAccessible::Role role, std::function<void()> press)
        : QAccessibleWidget(widget, role)
        , press_(std::move(press)) {}

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action != pressAction() || !takesInput(widget())) return;
        afterAnswering(widget(), [control = QPointer<QWidget>(widget()), press = press_] {
            if (takesInput(control)) press();
        });
    }
    QString text(QAccessible::Text t) const override {
        const QString own = QAccessibleWidget::text(t);
        if (t != QAccessible::Name || !own.isEmpty()) return own;
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget()))
            return QString(button->text()).remove(QLatin1Char('&'));
        return own;
    }

private:
    std::function<void()> press_;
};

// An item of an option group is a radio button: pressing or toggling it chooses it, as a
// click does; a greyed group does nothing.
class AccessibleOptionItem final : public QAccessibleWidget {
public:
    explicit AccessibleOptionItem(QRadioButton* item)
        : QAccessibleWidget(item, QAccessible::RadioButton) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return item()->text().remove(QLatin1Char('&'));
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = item()->isChecked();
        return s;
    }
    QStringList actionNames() const override { return {pressAction(), toggleAction()}; }
    void doAction(const QString& action) override {
        if (!takesInput(item())) return;
        if (action == pressAction() || action == toggleAction()) {
            QPointer<QRadioButton> chosen(item());
            afterAnswering(item(), [chosen] {
                if (takesInput(chosen) && !chosen->isChecked()) chosen->click();
            });
        }
    }

private:
    QRadioButton* item() const { return static_cast<QRadioButton*>(widget()); }
};

// A row played, as one item in the owner's words.
class AccessibleGridRow final : public QAccessibleInterface {
public:
    AccessibleGridRow(TStringGrid* grid, int row)
        : grid_(grid)
        , row_(row) {}

    bool isValid() const override { return grid_ && row_ < grid_->rowCount(); }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(grid_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name && isValid() ? grid_->accessibleRowText(row_) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid()) return {};
        const QRect cells =
            grid_->visualRect(grid_->model()->index(row_, 0)) |
            grid_->visualRect(grid_->model()->index(row_, grid_->columnCount() - 1));
        return QRect(grid_->viewport()->mapToGlobal(cells.topLeft()), cells.size());
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.readOnly = true;
        s.invisible = !grid_ || !grid_->isVisible();
        return s;
    }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

private:
    QPointer<TStringGrid> grid_;
    int row_;
};

// The grid as a list of the rows played: the empty rows below them and the cell-by-cell
// table say nothing a player needs.
class AccessibleGridList final : public QAccessibleWidget {
public:
    explicit AccessibleGridList(TStringGrid* grid)
        : QAccessibleWidget(grid, QAccessible::List) {}

    int childCount() const override { return playedRows(); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= playedRows()) return nullptr;
        if (rows_.size() <= static_cast<std::size_t>(index))
            rows_.resize(static_cast<std::size_t>(index) + 1, 0);
        QAccessible::Id& id = rows_[static_cast<std::size_t>(index)];
        if (id == 0 || !QAccessible::accessibleInterface(id))
            id = QAccessible::registerAccessibleInterface(new AccessibleGridRow(grid(), index));
        return QAccessible::accessibleInterface(id);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (std::size_t i = 0; i < rows_.size(); ++i)
            if (rows_[i] != 0 && QAccessible::accessibleInterface(rows_[i]) == child)
                return static_cast<int>(i);
        return -1;
    }

private:
    TStringGrid* grid() const { return static_cast<TStringGrid*>(widget()); }
    int playedRows() const {
        int rows = 0;
        while (rows < grid()->rowCount() && !grid()->cell(0, rows).isEmpty())
            ++rows;
        return rows;
    }
    mutable std::vector<QAccessible::Id> rows_; // made as a reader first asks for each row
};

// What a reader is told without the player moving: a notification, which readers speak as
// it is shown (Orca among them; a change of a control's description reaches Orca through Qt
// 6.4's bridge without its text). It is a control of no size that paints nothing, so that a
// sighted player sees nothing of it; shown again for each announcement.
class Announcement final : public QWidget {
public:
    explicit Announcement(QWidget* window)
        : QWidget(window) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        setGeometry(0, 0, 1, 1);
        setObjectName(kAnnouncementName);
    }
    const QString& text() const { return text_; }
    void say(const QString& text) {
        text_ = text;
        hide();
        show();
    }

private:
    QString text_;
};

class AccessibleAnnouncement final : public QAccessibleWidget {
public:
    explicit AccessibleAnnouncement(Announcement* announcement)
        : QAccessibleWidget(announcement, QAccessible::Notification) {}
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? static_cast<Announcement*>(widget())->text() : QString();
    }
};

QAccessibleInterface* factory(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget) return nullptr;
    if (auto* panel = qobject_cast<TBevelPanel*>(widget)) return new AccessiblePanel(panel);
    if (auto* announcement = dynamic_cast<Announcement*>(widget))
        return new AccessibleAnnouncement(announcement);
    if (auto* grid = qobject_cast<TStringGrid*>(widget)) return new AccessibleGridList(grid);
    if (auto* picture = qobject_cast<TImage*>(widget))
        return new AccessiblePressable(picture, QAccessible::Graphic,
                                       [picture = QPointer<TImage>(picture)] {
                                           if (picture) emit picture->clicked();
                                       });
    if (qobject_cast<TSpeedButton*>(widget) || qobject_cast<QPushButton*>(widget)) {
        // Qt's own press of a tool button clicks inside the call; a push button's, 100 ms on.
        auto* button = static_cast<QAbstractButton*>(widget);
        return new AccessiblePressable(button, QAccessible::Button,
                                       [button = QPointer<QAbstractButton>(button)] {
                                           if (button) button->click();
                                       });
    }
    if (auto* item = qobject_cast<QRadioButton*>(widget))
        if (qobject_cast<TRadioGroup*>(item->parentWidget())) return new AccessibleOptionItem(item);
    return nullptr;
}

} // namespace

void installAccessibility() {
    QAccessible::installFactory(factory);
}

bool takesInput(const QWidget* control) {
    if (!control || !control->isEnabled()) return false;
    const QWidget* modal = QApplication::activeModalWidget();
    for (const QWidget* window = control->window(); modal && window;
         window = window->parentWidget() ? window->parentWidget()->window() : nullptr)
        if (window == modal) return true;
    return !modal;
}

void afterAnswering(QObject* context, std::function<void()> action) {
    QTimer::singleShot(0, context, [action = std::move(action)] { guarded(action); });
}

void setAccessibleHidden(QWidget* widget, bool hidden) {
    if (accessibleHidden(widget) == hidden) return;
    widget->setProperty(kHiddenProperty, hidden);
    if (QWidget* parent = widget->parentWidget()) {
        QAccessibleEvent changed(parent, QAccessible::ObjectReorder);
        QAccessible::updateAccessibility(&changed);
    }
}

bool accessibleHidden(const QWidget* widget) {
    return widget->property(kHiddenProperty).toBool();
}

// The window's notification, made with its first announcement.
void announce(const QString& text, QWidget* fallback) {
    QWidget* through = QApplication::focusWidget();
    if (!through) through = fallback;
    if (!through) return;
    QWidget* window = through->window();
    auto* notification = dynamic_cast<Announcement*>(
        window->findChild<QWidget*>(kAnnouncementName, Qt::FindDirectChildrenOnly));
    if (!notification) notification = new Announcement(window);
    notification->say(text);
}

} // namespace platform
