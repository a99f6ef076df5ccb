#include "controls/SevenLayout.h"

#include "controls/SevenFormat.h"

#include <algorithm>
#include <cmath>

namespace controls {

const std::array<std::array<bool, kSegmentCount>, 12> kSegmentTable = {{
    // top, lower right, upper right, bottom, upper left, lower left, middle
    {1, 1, 1, 1, 1, 1, 0}, // 0
    {0, 1, 1, 0, 0, 0, 0}, // 1
    {1, 0, 1, 1, 0, 1, 1}, // 2
    {1, 1, 1, 1, 0, 0, 1}, // 3
    {0, 1, 1, 0, 1, 0, 1}, // 4
    {1, 1, 0, 1, 1, 0, 1}, // 5
    {1, 1, 0, 1, 1, 1, 1}, // 6
    {1, 1, 1, 0, 0, 0, 0}, // 7
    {1, 1, 1, 1, 1, 1, 1}, // 8
    {1, 1, 1, 1, 1, 0, 1}, // 9
    {0, 0, 0, 0, 0, 0, 0}, // blank
    {0, 0, 0, 0, 0, 0, 1}, // minus
}};

CellGeometry cellGeometry(const Rect& c, int t, int s) {
    const int mid = (c.top + c.bottom) / 2;
    const int hs = s / 2;
    const int ht = t / 2;
    CellGeometry g;
    g.outer[segTop] = {{{c.left + s, c.top},
                        {c.left + t + s, c.top + t},
                        {c.right - t - s, c.top + t},
                        {c.right - s, c.top}}};
    g.outer[segLowerRight] = {{{c.right, c.bottom - s},
                               {c.right - t, c.bottom - t - s},
                               {c.right - t, mid + t + hs},
                               {c.right, mid + hs}}};
    g.outer[segUpperRight] = {{{c.right, mid - hs},
                               {c.right - t, mid - t - hs},
                               {c.right - t, c.top + t + s},
                               {c.right, c.top + s}}};
    g.outer[segBottom] = {{{c.left + s, c.bottom},
                           {c.left + t + s, c.bottom - t},
                           {c.right - t - s, c.bottom - t},
                           {c.right - s, c.bottom}}};
    g.outer[segUpperLeft] = {{{c.left, c.top + s},
                              {c.left + t, c.top + t + s},
                              {c.left + t, mid - t - hs},
                              {c.left, mid - hs}}};
    g.outer[segLowerLeft] = {{{c.left, mid + hs},
                              {c.left + t, mid + hs + t},
                              {c.left + t, c.bottom - t - s},
                              {c.left, c.bottom - s}}};
    const Pt q1{c.left + s + ht, mid - ht};
    const Pt q2{c.right - s - ht, mid - ht};
    const Pt q3{c.right - s - ht, mid + ht};
    const Pt q4{c.left + s + ht, mid + ht};
    g.middleLine = (q1.y + q4.y) / 2;
    g.middle = {{{q1.x - ht, g.middleLine}, q1, q2, {q2.x + ht, g.middleLine}, q3, q4}};
    return g;
}

int roundHalfEven(double x) {
    return static_cast<int>(std::nearbyint(x));
}

int clampNumberOfDigit(int n) {
    return std::clamp(n, kMinDigitCells, kMaxDigitCells);
}

// The value is UTF-8: it is cut after `limit` characters, never inside one.
std::string cutValue(const std::string& value, TSSType type) {
    const std::size_t limit = type == ssTime ? kMaxTimeChars : kMaxNumberChars;
    std::size_t characters = 0;
    for (std::size_t i = 0; i < value.size(); ++i) {
        const bool startsCharacter = (static_cast<unsigned char>(value[i]) & 0xC0) != 0x80;
        if (startsCharacter && characters++ == limit) return value.substr(0, i);
    }
    return value;
}

namespace {

Rect moved(Rect r, int dx) {
    return {r.left + dx, r.top, r.right + dx, r.bottom};
}

void addBox(SevenPlan& plan, Shape::Role role, Rect box, bool lit) {
    Shape shape;
    shape.kind = Shape::Box;
    shape.role = role;
    shape.box = box;
    shape.lit = lit;
    plan.shapes.push_back(std::move(shape));
}

void addCell(SevenPlan& plan, const Rect& cell, int code, int thickness, int space) {
    const CellGeometry g = cellGeometry(cell, thickness, space);
    const auto& lit = kSegmentTable[static_cast<std::size_t>(code)];
    for (int seg = segTop; seg < segMiddle; ++seg) {
        const auto& quad = g.outer[static_cast<std::size_t>(seg)];
        plan.shapes.push_back({Shape::Polygon,
                               Shape::SegmentPart,
                               std::vector<Pt>(quad.begin(), quad.end()),
                               {},
                               lit[static_cast<std::size_t>(seg)]});
    }
    plan.shapes.push_back({Shape::Polygon,
                           Shape::SegmentPart,
                           std::vector<Pt>(g.middle.begin(), g.middle.end()),
                           {},
                           lit[segMiddle]});
    plan.cells.push_back(cell);
    plan.codes.push_back(code);
}

void addSign(SevenPlan& plan, const Rect& c, int thickness, bool negative) {
    const int w = std::min(c.right - c.left, c.bottom - c.top);
    const int hw = w / 2;
    const int ht = thickness / 2;
    const int cx = c.left + hw;
    const int cy = c.top + hw;
    addBox(plan, Shape::SignBar, {cx - ht, cy - hw, cx + ht, cy + hw}, !negative);
    addBox(plan, Shape::SignBar, {cx - hw, cy - ht, cx + hw, cy + ht}, !negative);
    addBox(plan, Shape::SignBar, {cx - hw, cy + w - ht, cx + hw, cy + w + ht}, negative);
}

int codeOf(char c) {
    if (c == '-') return kMinusCode;
    if (c >= '0' && c <= '9') return c - '0';
    return kBlankCode; // exponent letters and anything else without a pattern
}

struct DisplayText {
    std::string text;
    int cellWidth = 0;
    double number = 0;       // number mode: the value as read
    bool evenSecond = false; // time mode: whether the colon is lit
};

std::optional<DisplayText> numberText(const SevenProps& p, std::string& error) {
    const std::optional<double> f = parseDecimal(p.value);
    if (!f) {
        error = "'" + p.value + "' is not a valid floating point value";
        return std::nullopt;
    }
    DisplayText d;
    d.number = *f;
    const double shown = p.showPlusMinus ? std::fabs(*f) : *f;
    d.text = formatGeneral(shown);
    if (p.leadingZeros && d.text.find('.') == std::string::npos)
        d.text = formatWhole(shown, p.numberOfDigit);
    const int cells = p.showPlusMinus ? p.numberOfDigit + 1 : p.numberOfDigit;
    d.cellWidth = roundHalfEven(static_cast<double>(p.width) / cells);
    return d;
}

DisplayText timeDisplayText(const SevenProps& p) {
    const TimeFields fields = parseTimeFields(p.value);
    DisplayText d;
    d.text = timeText(fields);
    d.evenSecond = fields.seconds % 2 == 0;
    d.cellWidth = static_cast<int>((p.width - (3 * p.horzSpace) / 2) / 6.0);
    return d;
}

} // namespace

SevenPlanResult planSevenSegment(const SevenProps& input) {
    SevenProps p = input;
    const bool number = p.valueType == ssNumber;
    SevenPlanResult result;
    std::optional<DisplayText> shown;
    if (number) {
        shown = numberText(p, result.error);
        if (!shown) return result;
    } else {
        p.numberOfDigit = kTimeCells;
        shown = timeDisplayText(p);
    }
    const std::string& text = shown->text;
    const int cellW = shown->cellWidth;
    const int n = p.numberOfDigit;
    const int t = p.thickness;
    const int hs = p.horzSpace;

    SevenPlan plan;
    plan.numberOfDigit = n;
    Rect cell{hs / 2, p.vertSpace, cellW - hs / 2, p.height - p.vertSpace};
    if (number && p.showPlusMinus) {
        addSign(plan, cell, t, shown->number < 0);
        cell = moved(cell, cellW);
    }

    const auto dot = text.find('.');
    const int pointPos = dot == std::string::npos ? 0 : static_cast<int>(dot) + 1;
    const int length = static_cast<int>(text.size());
    const int count = number && pointPos > 0 ? length - 1 : length;
    const int offset = n - count;
    const bool points = number && p.showDecimalPoint && hs > t;

    for (int i = 1; i <= n; ++i) {
        int code = kBlankCode;
        if (i > offset) {
            const int k = i - offset; // 1-based position in the text, the '.' skipped
            if (number) {
                if (points && pointPos > 0 && k == pointPos)
                    addBox(
                        plan, Shape::DecimalPoint,
                        {cell.left - hs / 4 - t, cell.bottom - t, cell.left - hs / 4, cell.bottom},
                        true);
                const int at = pointPos > 0 && k >= pointPos ? k + 1 : k;
                code = codeOf(text[static_cast<std::size_t>(at - 1)]);
            } else {
                code = codeOf(text[static_cast<std::size_t>(k - 1)]);
            }
        }
        addCell(plan, cell, code, t, p.space);
        if (points && i != n)
            addBox(plan, Shape::DecimalPoint,
                   {cell.right + (3 * hs) / 4 - t, cell.bottom - t, cell.right + (3 * hs) / 4,
                    cell.bottom},
                   false);
        if (!number && i % 2 == 0 && i != n) {
            const int m = cellGeometry(cell, t, p.space).middleLine;
            const int x1 = cell.right + (2 * hs - t) / 2;
            const int x2 = cell.right + (2 * hs + t) / 2;
            const int cs = p.colonSpace;
            addBox(plan, Shape::ColonDot, {x1, m - t - cs, x2, m - cs}, shown->evenSecond);
            addBox(plan, Shape::ColonDot, {x1, m + cs, x2, m + cs + t}, shown->evenSecond);
            cell = moved(cell, cellW + hs - 1);
        } else {
            cell = moved(cell, cellW);
        }
    }
    result.plan = std::move(plan);
    return result;
}

} // namespace controls
