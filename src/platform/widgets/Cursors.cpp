#include "platform/widgets/Cursors.h"

#include <QBitmap>
#include <QImage>
#include <map>
#include <optional>

namespace platform {

namespace {

struct CursorEntry {
    QString picture;
    int hotX = 0, hotY = 0;
    std::optional<QCursor> made;
};

std::map<int, CursorEntry>& cursorTable() {
    static std::map<int, CursorEntry> table;
    return table;
}

// Black pixels draw black, white ones white, see-through ones nothing.
QCursor monochromeCursor(const QString& picture, int hotX, int hotY) {
    const QImage image = QImage(picture).convertToFormat(QImage::Format_ARGB32);
    QImage shape(image.size(), QImage::Format_MonoLSB);
    QImage mask(image.size(), QImage::Format_MonoLSB);
    shape.fill(0);
    mask.fill(0);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qAlpha(p) < 128) continue;
            mask.setPixel(x, y, 1);
            shape.setPixel(x, y, qGray(p) < 128 ? 1 : 0);
        }
    return QCursor(QBitmap::fromImage(shape), QBitmap::fromImage(mask), hotX, hotY);
}

} // namespace

// Each cursor is made the first time it is asked for: most are never needed at start-up.
void registerCursors() {
    const struct {
        int number;
        const char* picture;
        int hotX, hotY;
    } cursors[] = {{crHandPoint, ":/cursors/handpoint.png", 6, 0},
                   {crSmallHandPoint, ":/cursors/smallhandpoint.png", 13, 9},
                   {crGrabHand, ":/cursors/grabhand.png", 4, 2},
                   {crGrabHandArrow, ":/cursors/grabhandarrow.png", 0, 0},
                   {crDragHand, ":/cursors/draghand.png", 0, 0}};
    for (const auto& c : cursors)
        cursorTable().insert_or_assign(
            c.number, CursorEntry{QString::fromLatin1(c.picture), c.hotX, c.hotY, std::nullopt});
}

QCursor screenCursor(int number) {
    const auto found = cursorTable().find(number);
    if (found == cursorTable().end()) return QCursor(Qt::ArrowCursor);
    CursorEntry& entry = found->second;
    if (!entry.made) entry.made = monochromeCursor(entry.picture, entry.hotX, entry.hotY);
    return *entry.made;
}

} // namespace platform
