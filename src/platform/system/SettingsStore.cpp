#include "platform/system/SettingsStore.h"

#include <limits>

namespace platform {

namespace {
[[noreturn]] void fail(const QString& text) {
    throw ESettingsError(text.toStdString());
}
} // namespace

void failCreateKey(const QString& key) {
    fail(QStringLiteral("Failed to create key %1").arg(key));
}
void failSetData(const QString& name) {
    fail(QStringLiteral("Failed to set data for '%1'").arg(name));
}
void failGetData(const QString& name) {
    fail(QStringLiteral("Failed to get data for '%1'").arg(name));
}
void failDataType(const QString& name) {
    fail(QStringLiteral("Invalid data type for '%1'").arg(name));
}

bool parseStoredInteger(const QString& text, std::int32_t& value) {
    qsizetype i = 0;
    const bool negative = text.startsWith(QLatin1Char('-'));
    if (negative) ++i;
    if (i == text.size()) return false;
    std::int64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
        magnitude = magnitude * 10 + (c.unicode() - u'0');
        if (magnitude > std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1) return false;
    }
    const std::int64_t signedValue = negative ? -magnitude : magnitude;
    if (signedValue > std::numeric_limits<std::int32_t>::max()) return false;
    value = static_cast<std::int32_t>(signedValue);
    return true;
}

} // namespace platform
