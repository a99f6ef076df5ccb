// Context help: a help context number per control, found from a control by walking up to
// the first ancestor that has one, and the application's help document, opened at the
// section of a context.
#pragma once

#include <QString>
#include <map>

class QWidget;

namespace platform {

void setHelpContext(QWidget* widget, int context);
// The context of the widget or its nearest ancestor that has one; 0 for none.
int helpContextFor(const QWidget* widget);

// The application's help document (found as the program's other files are) and the section
// each help context opens at.
void setApplicationHelp(const QString& document, std::map<int, QString> sections);
// Opens the help document at the context's section, or at its top for 0 or an unknown one.
void showHelp(int context);

} // namespace platform
