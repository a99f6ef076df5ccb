#include "platform/Fonts.h"

#include <QFontDatabase>

namespace platform {

void installFontSubstitutes() {
    // Without these the names fall back to DejaVu Sans or a monospace face, whose wider
    // glyphs overflow the fixed layout.
    const struct {
        QString family;
        QString substitute;
    } table[] = {{kSansFamily, QStringLiteral("Liberation Sans")},
                 {kSerifFamily, QStringLiteral("Liberation Serif")}};
    for (const auto& entry : table) {
        if (!QFontDatabase::hasFamily(entry.family))
            QFont::insertSubstitution(entry.family, entry.substitute);
    }
}

QFont pixelFont(const QString& family, int pixelSize, bool bold) {
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QFont uiFont(bool bold) {
    return pixelFont(kSansFamily, kSansPixelSize, bold);
}

} // namespace platform
