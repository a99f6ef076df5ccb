#include "controls/ProCtrlsCore.h"

#include "controls/ProConst.h"

#include <cmath>
#include <numbers>

namespace controls {

namespace {
constexpr int kGroupSize = 12; // one meaning in every language
constexpr int kFirstGroupKind = pbkCancel;

struct GroupInfo {
    int modalResult;
    bool isDefault;
    bool cancel;
};
// Cancel, Help, Yes, No, Close, Abort, Retry, Ignore, All, Done, Prev, Next, Finish.
constexpr std::array<GroupInfo, kButtonGroupCount> kGroups{{{2, false, true},
                                                            {0, false, false},
                                                            {6, true, false},
                                                            {7, false, true},
                                                            {0, false, false},
                                                            {3, false, false},
                                                            {4, false, false},
                                                            {5, false, false},
                                                            {8, false, false},
                                                            {9, true, false},
                                                            {0, false, false},
                                                            {0, true, false},
                                                            {10, true, false}}};
} // namespace

Step DirectionOffset(TDirection direction) {
    static constexpr std::array<Step, 9> kSteps{
        {{0, 0}, {0, -1}, {0, 1}, {-1, 0}, {1, 0}, {-1, -1}, {1, -1}, {-1, 1}, {1, 1}}};
    return kSteps[static_cast<std::size_t>(direction)];
}

int reduceAngle(int degrees) {
    const int r = degrees % 360;
    return r < 0 ? r + 360 : r;
}

RotatedPlacement placeRotated(int angle, int tw, int th, int labelW, int labelH,
                              TAlignment alignment, TVerticalAlignment layout) {
    const double radians = angle * std::numbers::pi / 180.0;
    const double cosine = std::cos(radians);
    const double sine = std::sin(radians);
    const int a = static_cast<int>(std::trunc(tw * cosine));
    const int b = static_cast<int>(std::trunc(tw * sine));
    const int c = static_cast<int>(std::trunc(th * cosine));
    const int d = static_cast<int>(std::trunc(th * sine));
    int w = 0;
    int h = 0;
    if (angle < 90) {
        w = a + d;
        h = b + c;
    } else if (angle < 180) {
        w = d - a;
        h = b - c;
    } else if (angle < 270) {
        w = -a - d;
        h = -b - c;
    } else {
        w = a - d;
        h = c - b;
    }
    w = std::min(w, labelW);
    h = std::min(h, labelH);

    RotatedPlacement placed{0, 0, w, h, 0, 0};
    if (alignment == taCenter) placed.left += (labelW - w) / 2;
    if (alignment == taRightJustify) placed.left += labelW - w;
    if (layout == vaCenter) placed.top += (labelH - h) / 2;
    if (layout == vaBottom) placed.top += labelH - h;

    Step toOrigin;
    if (angle < 90)
        toOrigin = {0, b};
    else if (angle < 180)
        toOrigin = {-a, h};
    else if (angle < 270)
        toOrigin = {w, -c};
    else
        toOrigin = {-d, 0};
    placed.originX = placed.left + toOrigin.dx;
    placed.originY = placed.top + toOrigin.dy;
    return placed;
}

Band placeVertically(int top, int bottom, int th, TVerticalAlignment layout) {
    Band band{top, top + th};
    if (layout == vaCenter) {
        const int shift = (bottom - band.bottom) / 2; // truncates toward zero
        band.top += shift;
        band.bottom += shift;
    } else if (layout == vaBottom) {
        const int shift = bottom - band.bottom;
        band.top += shift;
        band.bottom += shift;
    } else {
        band.bottom = bottom;
    }
    return band;
}

bool presetFor(TShadowStyle style, EffectPreset& preset) {
    switch (style) {
    case ssCustom:
        return false;
    case ssNone:
        preset = {drNone, 0, drNone, 0, 0, false};
        break;
    case ssRaised:
        preset = {drUpLeft, 1, drNone, 0, 0, false};
        break;
    case ssRaisedColor:
        preset = {drUpLeft, 1, drDownRight, 1, 1, true};
        break;
    case ssRaisedShadow:
        preset = {drUpLeft, 1, drDownRight, 1, 1, false};
        break;
    case ssRaisedThickShadow:
        preset = {drUpLeft, 1, drDownRight, 1, 4, false};
        break;
    case ssRecessed:
        preset = {drDownRight, 1, drNone, 0, 0, false};
        break;
    case ssRecessedColor:
        preset = {drDownRight, 1, drUpLeft, 1, 1, true};
        break;
    case ssRecessedShadow:
        preset = {drDownRight, 1, drUpLeft, 1, 1, false};
        break;
    case ssShadow:
        preset = {drNone, 0, drDownRight, 2, 1, false};
        break;
    case ssThickShadow:
        preset = {drNone, 0, drDownRight, 1, 4, false};
        break;
    }
    return true;
}

KindInfo kindInfo(TProButtonKind kind) {
    if (kind == pbkOk) return {kOkCaptionId, 1, true, false};
    if (kind < kFirstGroupKind || kind >= kButtonKindCount) return {};
    const int group = (kind - kFirstGroupKind) / kGroupSize;
    const int language = (kind - kFirstGroupKind) % kGroupSize;
    const GroupInfo& info = kGroups[static_cast<std::size_t>(group)];
    return {buttonCaptionId(group, language), info.modalResult, info.isDefault, info.cancel};
}

bool isHelpKind(TProButtonKind kind) {
    return kind >= pbkHelp && kind <= pbkHelpPol;
}

bool isCloseKind(TProButtonKind kind) {
    return kind >= pbkClose && kind <= pbkClosePol;
}

TProButtonKind helpKindFor(int language) {
    return static_cast<TProButtonKind>(pbkHelp + language);
}

} // namespace controls
