#include "platform/system/Help.h"

#include "platform/system/Shell.h"

#include <QVariant>
#include <QWidget>

namespace platform {

namespace {
constexpr char kHelpContextProperty[] = "helpContext";

struct ApplicationHelp {
    QString document;
    std::map<int, QString> sections;
};

ApplicationHelp& applicationHelp() {
    static ApplicationHelp help;
    return help;
}
} // namespace

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

void setApplicationHelp(const QString& document, std::map<int, QString> sections) {
    applicationHelp() = {document, std::move(sections)};
}

void showHelp(int context) {
    const ApplicationHelp& help = applicationHelp();
    const auto section = help.sections.find(context);
    shell().open(documentUrl(locateFile(help.document),
                             section == help.sections.end() ? QString() : section->second));
}

} // namespace platform
