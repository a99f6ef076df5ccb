// The plain part of the effect label and the kind button: angle reduction, where a rotated
// caption's box and text origin go, vertical placement of a wrapped caption, the shadow and
// highlight presets, and the table of button kinds. No widget code; the controls use it.
#pragma once

#include <array>

namespace controls {

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum TVerticalAlignment { vaTop, vaCenter, vaBottom };
enum TDirection {
    drNone,
    drUp,
    drDown,
    drLeft,
    drRight,
    drUpLeft,
    drUpRight,
    drDownLeft,
    drDownRight
};
enum TShadowStyle {
    ssNone,
    ssCustom,
    ssRaised,
    ssRaisedColor,
    ssRaisedShadow,
    ssRaisedThickShadow,
    ssRecessed,
    ssRecessedColor,
    ssRecessedShadow,
    ssShadow,
    ssThickShadow
};

struct Step {
    int dx = 0, dy = 0;
    bool operator==(const Step&) const = default;
};
// One pixel step per direction, y growing downward.
Step DirectionOffset(TDirection direction);

// Whole degrees brought into 0..359: -90 gives 270, 450 gives 90.
int reduceAngle(int degrees);

// Where a caption of tw x th, rotated counter-clockwise by `angle` (1..359), goes in a label
// of labelW x labelH: its bounding box, clamped to the label and aligned in it, and the
// point the unrotated text's top-left corner is drawn from.
struct RotatedPlacement {
    int left = 0, top = 0, width = 0, height = 0;
    int originX = 0, originY = 0;
    bool operator==(const RotatedPlacement&) const = default;
};
RotatedPlacement placeRotated(int angle, int tw, int th, int labelW, int labelH,
                              TAlignment alignment, TVerticalAlignment layout);

// The top and bottom of an unrotated caption of height th, laid out in top..bottom: a text
// taller than the room overflows evenly for vaCenter and upward for vaBottom.
struct Band {
    int top = 0, bottom = 0;
    bool operator==(const Band&) const = default;
};
Band placeVertically(int top, int bottom, int th, TVerticalAlignment layout);

struct EffectPreset {
    TDirection highlightDirection;
    int highlightDepth;
    TDirection shadowDirection;
    int shadowDepth;
    int shadowSize;
    bool fontToButtonFace;
};
// The preset a shadow style applies; ssCustom has none (false).
bool presetFor(TShadowStyle style, EffectPreset& preset);

enum TProButtonKind : int {
    pbkCustom,
    pbkOk,
    pbkCancel,
    pbkCancelRus,
    pbkCancelUkr,
    pbkCancelFr,
    pbkCancelPor,
    pbkCancelEsp,
    pbkCancelGer,
    pbkCancelDan,
    pbkCancelIta,
    pbkCancelSwe,
    pbkCancelDut,
    pbkCancelPol,
    pbkHelp,
    pbkHelpRus,
    pbkHelpUkr,
    pbkHelpFr,
    pbkHelpPor,
    pbkHelpEsp,
    pbkHelpGer,
    pbkHelpDan,
    pbkHelpIta,
    pbkHelpSwe,
    pbkHelpDut,
    pbkHelpPol,
    pbkYes,
    pbkYesRus,
    pbkYesUkr,
    pbkYesFr,
    pbkYesPor,
    pbkYesEsp,
    pbkYesGer,
    pbkYesDan,
    pbkYesIta,
    pbkYesSwe,
    pbkYesDut,
    pbkYesPol,
    pbkNo,
    pbkNoRus,
    pbkNoUkr,
    pbkNoFr,
    pbkNoPor,
    pbkNoEsp,
    pbkNoGer,
    pbkNoDan,
    pbkNoIta,
    pbkNoSwe,
    pbkNoDut,
    pbkNoPol,
    pbkClose,
    pbkCloseRus,
    pbkCloseUkr,
    pbkCloseFr,
    pbkClosePor,
    pbkCloseEsp,
    pbkCloseGer,
    pbkCloseDan,
    pbkCloseIta,
    pbkCloseSwe,
    pbkCloseDut,
    pbkClosePol,
    pbkAbort,
    pbkAbortRus,
    pbkAbortUkr,
    pbkAbortFr,
    pbkAbortPor,
    pbkAbortEsp,
    pbkAbortGer,
    pbkAbortDan,
    pbkAbortIta,
    pbkAbortSwe,
    pbkAbortDut,
    pbkAbortPol,
    pbkRetry,
    pbkRetryRus,
    pbkRetryUkr,
    pbkRetryFr,
    pbkRetryPor,
    pbkRetryEsp,
    pbkRetryGer,
    pbkRetryDan,
    pbkRetryIta,
    pbkRetrySwe,
    pbkRetryDut,
    pbkRetryPol,
    pbkIgnore,
    pbkIgnoreRus,
    pbkIgnoreUkr,
    pbkIgnoreFr,
    pbkIgnorePor,
    pbkIgnoreEsp,
    pbkIgnoreGer,
    pbkIgnoreDan,
    pbkIgnoreIta,
    pbkIgnoreSwe,
    pbkIgnoreDut,
    pbkIgnorePol,
    pbkAll,
    pbkAllRus,
    pbkAllUkr,
    pbkAllFr,
    pbkAllPor,
    pbkAllEsp,
    pbkAllGer,
    pbkAllDan,
    pbkAllIta,
    pbkAllSwe,
    pbkAllDut,
    pbkAllPol,
    pbkDone,
    pbkDoneRus,
    pbkDoneUkr,
    pbkDoneFr,
    pbkDonePor,
    pbkDoneEsp,
    pbkDoneGer,
    pbkDoneDan,
    pbkDoneIta,
    pbkDoneSwe,
    pbkDoneDut,
    pbkDonePol,
    pbkPrev,
    pbkPrevRus,
    pbkPrevUkr,
    pbkPrevFr,
    pbkPrevPor,
    pbkPrevEsp,
    pbkPrevGer,
    pbkPrevDan,
    pbkPrevIta,
    pbkPrevSwe,
    pbkPrevDut,
    pbkPrevPol,
    pbkNext,
    pbkNextRus,
    pbkNextUkr,
    pbkNextFr,
    pbkNextPor,
    pbkNextEsp,
    pbkNextGer,
    pbkNextDan,
    pbkNextIta,
    pbkNextSwe,
    pbkNextDut,
    pbkNextPol,
    pbkFinish,
    pbkFinishRus,
    pbkFinishUkr,
    pbkFinishFr,
    pbkFinishPor,
    pbkFinishEsp,
    pbkFinishGer,
    pbkFinishDan,
    pbkFinishIta,
    pbkFinishSwe,
    pbkFinishDut,
    pbkFinishPol
};
constexpr int kButtonKindCount = 158;

struct KindInfo {
    int captionId = 0;
    int modalResult = 0;
    bool isDefault = false;
    bool cancel = false;
};
// What a kind sets; nothing for pbkCustom.
KindInfo kindInfo(TProButtonKind kind);
bool isHelpKind(TProButtonKind kind);
bool isCloseKind(TProButtonKind kind);
// The kind of a button group in a language, such as pbkHelp + language.
TProButtonKind helpKindFor(int language);

} // namespace controls
