// Opening documents and addresses with the desktop's default program, and finding the files
// the program opens by name. The shell is replaceable so tests can see what was opened.
#pragma once

#include <QString>
#include <QUrl>

namespace platform {

class Shell {
public:
    virtual ~Shell() = default;
    // Opens the address with its default program; the result is not examined.
    virtual void open(const QUrl& url) = 0;
};

class DesktopShell final : public Shell {
public:
    void open(const QUrl& url) override;
};

Shell& shell();
// Replaces the shell in use; nullptr restores the desktop's. Not owned.
void setShell(Shell* replacement);

// A local document, optionally at a section (#fragment).
QUrl documentUrl(const QString& path, const QString& section = {});

// Where a file the program opens by name is: the current directory first, then the
// executable's folder, then the installed data folder. The current directory's path when
// it is in none of them, so a caller still reports the name it looked for.
QString locateFile(const QString& name);

} // namespace platform
