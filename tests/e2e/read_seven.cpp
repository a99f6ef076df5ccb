// Reads the digits a seven-segment display shows in a screenshot: for each cell, which
// segments are lit (red), matched against the segment table.
// Usage: read_seven SHOT.png LEFT TOP WIDTH HEIGHT DIGITS THICKNESS HORZSPACE
#include "controls/SevenLayout.h"

#include <QColor>
#include <QImage>
#include <cstdio>
#include <cstdlib>
#include <string>

using namespace controls;

namespace {

QPoint centre(const auto& points) {
    long x = 0, y = 0;
    for (const Pt& p : points)
        x += p.x, y += p.y;
    const long n = static_cast<long>(points.size());
    return {static_cast<int>(x / n), static_cast<int>(y / n)};
}

bool isLit(const QColor& c) {
    return c.red() > 180 && c.green() < 80 && c.blue() < 80;
}

// A segment two pixels thick may have its centre on its edge: the pixels around it count too.
bool isLitAround(const QImage& shot, QPoint at) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (isLit(shot.pixelColor(at.x() + dx, at.y() + dy))) return true;
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 9) {
        std::fprintf(stderr, "usage: %s SHOT LEFT TOP WIDTH HEIGHT DIGITS THICKNESS HORZSPACE\n",
                     argv[0]);
        return 2;
    }
    const QImage shot(QString::fromLocal8Bit(argv[1]));
    if (shot.isNull()) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 2;
    }
    const int left = std::atoi(argv[2]);
    const int top = std::atoi(argv[3]);
    SevenProps props;
    props.width = std::atoi(argv[4]);
    props.height = std::atoi(argv[5]);
    props.numberOfDigit = std::atoi(argv[6]);
    props.thickness = std::atoi(argv[7]);
    props.horzSpace = std::atoi(argv[8]);
    props.showDecimalPoint = false;
    const SevenPlanResult result = planSevenSegment(props);
    std::string digits;
    for (const Rect& cell : result.plan->cells) {
        const CellGeometry g = cellGeometry(cell, props.thickness, props.space);
        std::array<bool, kSegmentCount> lit{};
        for (int s = 0; s < segMiddle; ++s) {
            const QPoint c = centre(g.outer[static_cast<std::size_t>(s)]);
            lit[static_cast<std::size_t>(s)] = isLitAround(shot, {left + c.x(), top + c.y()});
        }
        const QPoint m = centre(g.middle);
        lit[segMiddle] = isLitAround(shot, {left + m.x(), top + m.y()});
        char shown = '?';
        for (int code = 0; code <= 9; ++code)
            if (kSegmentTable[static_cast<std::size_t>(code)] == lit)
                shown = static_cast<char>('0' + code);
        digits += shown;
    }
    std::printf("%s\n", digits.c_str());
    return 0;
}
