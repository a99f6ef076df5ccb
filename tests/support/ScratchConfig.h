// Points XDG_CONFIG_HOME at a fresh folder for as long as it lives, so a test's settings
// never meet another test's or the user's.
#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <QtGlobal>

namespace testing_support {

class ScratchConfig {
public:
    ScratchConfig()
        : previous_(qgetenv("XDG_CONFIG_HOME"))
        , hadPrevious_(qEnvironmentVariableIsSet("XDG_CONFIG_HOME")) {
        qputenv("XDG_CONFIG_HOME", dir_.path().toUtf8());
    }
    ~ScratchConfig() {
        if (hadPrevious_)
            qputenv("XDG_CONFIG_HOME", previous_);
        else
            qunsetenv("XDG_CONFIG_HOME");
    }
    ScratchConfig(const ScratchConfig&) = delete;
    ScratchConfig& operator=(const ScratchConfig&) = delete;

    QString path() const { return dir_.path(); }
    QString vendorFolder() const { return path() + QStringLiteral("/Norvane"); }
    QString file() const { return vendorFolder() + QStringLiteral("/Brainlock.conf"); }

private:
    QTemporaryDir dir_;
    QByteArray previous_;
    bool hadPrevious_;
};

} // namespace testing_support
