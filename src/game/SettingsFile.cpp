#include "game/SettingsFile.h"

#include "platform/system/SettingsStore.h"

#include <QString>

namespace game {

namespace {
QString nameOf(const SettingField& field) {
    return QString::fromLatin1(field.name);
}
} // namespace

SettingsFile::SettingsFile() = default;
SettingsFile::~SettingsFile() = default;

void SettingsFile::open() {
    store_ = platform::createSettingsStore();
    store_->OpenKey(QStringLiteral("Software"), true);
    for (const QString& level : {QStringLiteral("Norvane"), QStringLiteral("Brainlock")})
        store_->OpenKey(level, true); // created when missing
    open_ = true;
}

bool SettingsFile::hasSettings() const {
    return store_->ValueExists(nameOf(kSettingFields.front()));
}

void SettingsFile::read(TSettings& into) const {
    for (const SettingField& field : kSettingFields) {
        if (field.integer)
            into.*field.integer = field.playable(store_->ReadInteger(nameOf(field)));
        else
            into.*field.flag = store_->ReadBool(nameOf(field));
    }
}

void SettingsFile::write(const TSettings& values) {
    platform::TSettingsUpdate update(*store_);
    for (const SettingField& field : kSettingFields)
        store_->WriteInteger(nameOf(field), field.stored(values));
    update.Commit();
}

} // namespace game
