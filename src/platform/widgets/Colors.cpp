#include "platform/widgets/Colors.h"

#include <QGuiApplication>
#include <QPalette>

namespace platform {

namespace {
QColor systemColor(TColor role) {
    const QPalette palette = QGuiApplication::palette();
    switch (role) {
    case clBtnFace:
        return palette.color(QPalette::Button);
    case clBtnHighlight:
        return palette.color(QPalette::Light);
    case clBtnShadow:
        return palette.color(QPalette::Dark);
    case cl3DDkShadow:
        return palette.color(QPalette::Shadow);
    case clWindowText:
        return palette.color(QPalette::WindowText);
    default:
        return palette.color(QPalette::Window); // an unknown role: the window's background
    }
}
} // namespace

QColor toQColor(TColor c) {
    if (isSystemColor(c)) return systemColor(c);
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>((c >> 16) & 0xFF));
}

} // namespace platform
