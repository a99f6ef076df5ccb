#include "platform/widgets/Fonts.h"

#include "platform/system/WorkAhead.h"

#include <QFontDatabase>
#include <QStringList>
#ifdef BRAINLOCK_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace platform {

namespace {

// Free, metric-close stand-ins for the families a Linux desktop lacks: without them the names
// fall back to DejaVu Sans or a monospace face, whose wider glyphs overflow the fixed layout.
QString standIn(const QString& family) {
    if (family == kSansFamily) return QStringLiteral("Liberation Sans");
    if (family == kSerifFamily) return QStringLiteral("Liberation Serif");
    return {};
}

// The family to ask for: the named one where it is installed, else its stand-in. Asked of
// the list of installed families, once per family: a request for a missing family would
// make Qt work out fontconfig's whole fallback list for it, and an alias lookup (hasFamily)
// costs as much; either would cost the first frame several milliseconds.
QString installedFamily(const QString& family) {
    static const QStringList installed = [] {
        waitForWorkAhead(); // two readers at once would each read it all
        return QFontDatabase::families();
    }();
    const QString substitute = standIn(family);
    if (substitute.isEmpty() || installed.contains(family)) return family;
    return substitute;
}

} // namespace

void readFontConfiguration() {
#ifdef BRAINLOCK_FONTCONFIG
    FcInit(); // fontconfig keeps it as its current configuration, which Qt then finds
#endif
}

void installFontSubstitutes() {
    // Fonts made elsewhere by family name (style sheets, rich text) find the stand-ins too.
    for (const QString& family : {kSansFamily, kSerifFamily})
        QFont::insertSubstitution(family, standIn(family));
}

QFont pixelFont(const QString& family, int pixelSize, bool bold) {
    QFont font(installedFamily(family));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QFont uiFont(bool bold) {
    return pixelFont(kSansFamily, kSansPixelSize, bold);
}

} // namespace platform
