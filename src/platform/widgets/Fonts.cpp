#include "platform/widgets/Fonts.h"

#include "platform/system/ThreadPriority.h"

#include <QFontDatabase>
#include <QStringList>
#include <future>
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

std::future<void>& fontConfiguration() {
    static std::future<void> reading;
    return reading;
}

// The family to ask for: the named one where it is installed, else its stand-in. Asked of
// the list of installed families, once per family: a request for a missing family would
// make Qt work out fontconfig's whole fallback list for it, and an alias lookup (hasFamily)
// costs as much; either would cost the first frame several milliseconds.
QString installedFamily(const QString& family) {
    static const QStringList installed = [] {
        waitForFontConfiguration();
        return QFontDatabase::families();
    }();
    const QString substitute = standIn(family);
    if (substitute.isEmpty() || installed.contains(family)) return family;
    return substitute;
}

} // namespace

void startReadingFontConfiguration() {
#ifdef BRAINLOCK_FONTCONFIG
    // fontconfig keeps the configuration it reads as its current one, which Qt then finds.
    fontConfiguration() = std::async(std::launch::async, [] {
        yieldToTheWindow(); // it runs as the program waits for the X server
        FcInit();
    });
#endif
}

// Two readers at once would each read it all.
void waitForFontConfiguration() {
    if (fontConfiguration().valid()) fontConfiguration().get();
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
