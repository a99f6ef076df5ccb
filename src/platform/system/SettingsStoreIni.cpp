// The settings store as an INI file under the XDG config folder. The key levels map onto the
// path: the first level is the config folder itself, the second a folder in it, the third the
// file "<name>.conf", whose [General] section holds the values as decimal integers.
// QSettings writes the file atomically (a temporary file, then a rename), so a crash leaves
// the old file or the new one, never half of one; an update writes the file once for all its
// values, so a crash in the middle of a save leaves the whole old save or the whole new one.
#include "platform/system/SettingsStore.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QStringDecoder>
#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#endif

namespace platform {

namespace {

enum Level { kRoot, kConfigFolder, kVendorFolder, kFile };

QString configHome() {
    const QString xdg = qEnvironmentVariable("XDG_CONFIG_HOME");
    // A relative XDG_CONFIG_HOME is to be ignored.
    if (!xdg.isEmpty() && QDir::isAbsolutePath(xdg)) return xdg;
    return QDir::homePath() + QStringLiteral("/.config");
}

bool isFolder(const QString& path) {
    return QFileInfo(path).isDir();
}

// A settings file is text: UTF-8 without control characters other than tabs and line breaks.
bool isText(const QByteArray& bytes) {
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 && u != '\t' && u != '\n' && u != '\r') return false;
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString decoded = utf8(bytes);
    return !utf8.hasError() && !decoded.contains(QChar::ReplacementCharacter);
}

// QSettings reads a value written as one of Qt's serialised types through QDataStream, which
// trusts the sizes it finds: a damaged one can ask for gigabytes. The game stores only
// numbers, so a file that could hold such a value (by name, or spelt with escapes) is damaged
// and is never parsed.
bool mayHoldSerialisedValues(const QByteArray& bytes) {
    if (bytes.contains("Variant(") || bytes.contains("DateTime(")) return true;
    for (qsizetype i = bytes.indexOf('\\'); i >= 0 && i + 1 < bytes.size();
         i = bytes.indexOf('\\', i + 2)) {
        const char next = bytes[i + 1];
        if (next == 'x' || next == 'X' || (next >= '0' && next <= '7')) return true;
    }
    return false;
}

bool isDamaged(const QString& path, QSettings& settings) {
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = file.readAll();
        if (!isText(bytes) || mayHoldSerialisedValues(bytes)) return true;
    }
    settings.allKeys(); // parses the file
    return settings.status() == QSettings::FormatError;
}

class IniSettingsStore final : public TSettingsStore {
public:
    void OpenKey(const QString& key, bool canCreate) override {
        switch (level_) {
        case kRoot:
            openFolder(configHome(), key, canCreate);
            break;
        case kConfigFolder:
            openFolder(path_ + QLatin1Char('/') + key, key, canCreate);
            break;
        case kVendorFolder:
            openFile(path_ + QLatin1Char('/') + key + QStringLiteral(".conf"), key, canCreate);
            break;
        case kFile:
            failCreateKey(key); // the file is the deepest level
        }
    }

    bool KeyExists(const QString& key) const override {
        switch (level_) {
        case kRoot:
            return isFolder(configHome());
        case kConfigFolder:
            return isFolder(path_ + QLatin1Char('/') + key);
        case kVendorFolder:
            return QFileInfo(path_ + QLatin1Char('/') + key + QStringLiteral(".conf")).isFile();
        case kFile:
            break;
        }
        return false;
    }

    // A file that cannot be parsed is taken to hold the values, which cannot be read.
    bool ValueExists(const QString& name) const override {
        if (!settings_) return false;
        return damaged_ || settings_->contains(name);
    }

    std::int32_t ReadInteger(const QString& name) const override {
        if (!settings_) failGetData(name);
        if (damaged_) failDataType(name);
        if (!settings_->contains(name)) failGetData(name);
        const QVariant stored = settings_->value(name);
        std::int32_t value = 0;
        if (stored.typeId() != QMetaType::QString || !parseStoredInteger(stored.toString(), value))
            failDataType(name);
        return value;
    }

    void WriteInteger(const QString& name, std::int32_t value) override {
        if (!settings_) failSetData(name);
        if (damaged_) setDamagedFileAside(name);
        settings_->setValue(name, QString::number(value));
        if (!updating_) {
            writeFile(name); // at once, as a registry write
        } else if (firstPending_.isEmpty()) {
            firstPending_ = name;
        }
    }

    void BeginUpdate() override {
        updating_ = true;
        firstPending_.clear();
    }

    void EndUpdate() override {
        const QString first = firstPending_;
        CancelUpdate();
        if (!first.isEmpty()) writeFile(first);
    }

    // A write can only throw before its value is set, so nothing half-made is pending here.
    void CancelUpdate() noexcept override {
        updating_ = false;
        firstPending_.clear();
    }

private:
    void openFolder(const QString& path, const QString& key, bool canCreate) {
        if (!isFolder(path) && (!canCreate || !QDir().mkpath(path) || !isFolder(path)))
            failCreateKey(key);
        path_ = path;
        level_ = static_cast<Level>(level_ + 1);
    }

    void openFile(const QString& path, const QString& key, bool canCreate) {
        const QFileInfo info(path);
        if (info.exists() && !info.isFile()) failCreateKey(key);
        if (!info.exists()) {
            QFile created(path);
            if (!canCreate || !created.open(QIODevice::WriteOnly)) failCreateKey(key);
        }
        path_ = path;
        level_ = kFile;
        settings_ = std::make_unique<QSettings>(path, QSettings::IniFormat);
        damaged_ = isDamaged(path, *settings_);
    }

    void writeFile(const QString& reportedName) {
        removeAbandonedLocks();
        settings_->sync();
        if (settings_->status() == QSettings::AccessError) failSetData(reportedName);
    }

    // QSettings locks the file while it writes, and takes a lock on the lock to clear a stale
    // one. A writer killed in the middle of either leaves lock files that Qt waits for until
    // they are half a minute old, or, killed while clearing, that it may never get past. A lock
    // file that is over a second old and unreadable, or whose owner no longer runs, belongs to
    // no live writer: they go before the save.
    void removeAbandonedLocks() const {
        const QFileInfo file(path_);
        const QDir folder = file.dir();
        const QStringList locks = folder.entryList({file.fileName() + QStringLiteral(".lock*")},
                                                   QDir::Files | QDir::Hidden);
        for (const QString& name : locks) {
            const QString lock = folder.filePath(name);
            if (QFileInfo(lock).lastModified().msecsTo(QDateTime::currentDateTime()) < 1000)
                continue;
            qint64 pid = 0;
            QString host, application;
            const bool readable = QLockFile(lock).getLockInfo(&pid, &host, &application);
            if (!readable || !processRuns(pid)) QFile::remove(lock);
        }
    }

    static bool processRuns(qint64 pid) {
#ifdef Q_OS_UNIX
        return pid > 0 && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH);
#else
        return pid > 0; // the registry is the store there
#endif
    }

    // The first write over a damaged file keeps it as "<file>.damaged" and starts afresh.
    void setDamagedFileAside(const QString& name) {
        const QString aside = path_ + QStringLiteral(".damaged");
        settings_.reset();
        QFile::remove(aside);
        if (!QFile::rename(path_, aside)) failSetData(name);
        settings_ = std::make_unique<QSettings>(path_, QSettings::IniFormat);
        damaged_ = false;
    }

    Level level_ = kRoot;
    QString path_;
    std::unique_ptr<QSettings> settings_;
    bool damaged_ = false;
    bool updating_ = false;
    QString firstPending_; // the first value written in the update, for its failure message
};

} // namespace

std::unique_ptr<TSettingsStore> createSettingsStore() {
    return std::make_unique<IniSettingsStore>();
}

} // namespace platform
