#include "platform/Help.h"

#include <QVariant>
#include <QWidget>

namespace platform {

namespace {
constexpr char kHelpContextProperty[] = "helpContext";
}

void setHelpContext(QWidget* widget, int context) {
    widget->setProperty(kHelpContextProperty, context);
}

int helpContextFor(const QWidget* widget) {
    for (; widget; widget = widget->parentWidget()) {
        const QVariant context = widget->property(kHelpContextProperty);
        if (context.isValid() && context.toInt() != 0) return context.toInt();
    }
    return 0;
}

} // namespace platform
