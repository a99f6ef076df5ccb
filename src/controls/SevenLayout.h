// What a seven-segment display draws, as plain geometry: the cell rectangles, the segment
// polygons of each cell, decimal points, colon dots and the sign cell, each marked lit or
// unlit. The widget fills these shapes in its colours; tests check them directly.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace controls {

enum TSSType { ssNumber = 0, ssTime = 1 };

struct Pt {
    int x = 0;
    int y = 0;
    bool operator==(const Pt&) const = default;
};

// (left, top)-(right, bottom); a fill covers left <= x < right, top <= y < bottom.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const Rect&) const = default;
};

// The display's properties as the layout needs them; defaults are the control's own.
struct SevenProps {
    std::string value = "0";
    int width = 150;
    int height = 50;
    int thickness = 5;
    int space = 2;
    int horzSpace = 8;
    int vertSpace = 2;
    int colonSpace = 4;
    int numberOfDigit = 5;
    TSSType valueType = ssNumber;
    bool showDecimalPoint = true;
    bool showPlusMinus = false;
    bool leadingZeros = false;
};

constexpr int kMaxNumberChars = 25; // Value is cut to this many characters in number mode
constexpr int kMaxTimeChars = 8;    // and to this many in time mode
constexpr int kMinDigitCells = 1;
constexpr int kMaxDigitCells = 20;
constexpr int kTimeCells = 6;
constexpr int kBlankCode = 10;
constexpr int kMinusCode = 11;

// Segments in the order they are computed and drawn.
enum Segment {
    segTop,
    segLowerRight,
    segUpperRight,
    segBottom,
    segUpperLeft,
    segLowerLeft,
    segMiddle,
    kSegmentCount
};

// Which segments each cell code lights: 0..9 the digits, 10 blank, 11 minus.
extern const std::array<std::array<bool, kSegmentCount>, 12> kSegmentTable;

struct CellGeometry {
    std::array<std::array<Pt, 4>, 6> outer; // top .. lower left, in Segment order
    std::array<Pt, 6> middle;               // the hexagon of the middle segment
    int middleLine = 0;                     // M, the y the colon dots are placed around
};

CellGeometry cellGeometry(const Rect& cell, int thickness, int space);

// Nearest integer, an exact half going to the even neighbour (20.5 -> 20, 21.5 -> 22).
int roundHalfEven(double x);

struct Shape {
    enum Kind { Polygon, Box };
    enum Role { SegmentPart, DecimalPoint, ColonDot, SignBar };
    Kind kind = Polygon;
    Role role = SegmentPart;
    std::vector<Pt> points; // Polygon
    Rect box;               // Box
    bool lit = false;
};

struct SevenPlan {
    std::vector<Shape> shapes; // in drawing order, over a background of the control's colour
    std::vector<Rect> cells;   // the digit cells, left to right (not the sign cell)
    std::vector<int> codes;    // the code each digit cell shows
    int numberOfDigit = 0;     // the cell count in force after the paint (6 in time mode)
};

struct SevenPlanResult {
    std::optional<SevenPlan> plan;
    std::string error; // why there is no plan: the value did not convert
};

// Lays out one paint of the display. Fails only in number mode for a value that is not a
// decimal number.
SevenPlanResult planSevenSegment(const SevenProps& props);

// The cell count a display may have.
int clampNumberOfDigit(int n);
// Value as the setter keeps it: cut to the length the mode allows.
std::string cutValue(const std::string& value, TSSType type);

} // namespace controls
