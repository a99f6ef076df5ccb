// The window fonts by family and pixel height, with free metric-close stand-ins for the
// families a Linux desktop lacks.
#pragma once

#include <QFont>
#include <QString>

namespace platform {

inline const QString kSansFamily = QStringLiteral("MS Sans Serif");
inline const QString kSerifFamily = QStringLiteral("Times New Roman");
constexpr int kSansPixelSize = 11;

// Reading the font configuration takes the first frame several milliseconds, and Qt does it
// only once the application object stands. Called on the work-ahead thread (startWorkAhead)
// before that object is made, it reads it meanwhile; the first use of a font waits for that
// work (where fonts come from fontconfig; elsewhere this does nothing).
void readFontConfiguration();

// Registers the substitutes once per process (Liberation Sans and Serif).
void installFontSubstitutes();

QFont pixelFont(const QString& family, int pixelSize, bool bold = false);
// "MS Sans Serif", 11 pixels high: the font of every control unless a control says otherwise.
QFont uiFont(bool bold = false);

} // namespace platform
