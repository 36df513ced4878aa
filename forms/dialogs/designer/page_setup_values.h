// What the Page Setup dialog edits: the paper size as oriented, the four
// margins, the orientation and the contents-only switch, in twips, with the
// limits the form's objects set and the checks OK makes.
#pragma once

#include "forms/dialogs/designer/edit_number.h"
#include "forms/model/geometry.h"

#include <cstdint>
#include <optional>
#include <string>

class FLAYOUT;

// Control ids of the Page Setup dialog.
inline constexpr int kPaperList = 1280;
inline constexpr int kWidthEdit = 1275;
inline constexpr int kHeightEdit = 1274;
inline constexpr int kPortrait = 1242;
inline constexpr int kLandscape = 1243;
inline constexpr int kTopEdit = 1278;
inline constexpr int kBottomEdit = 1276;
inline constexpr int kLeftEdit = 1279;
inline constexpr int kRightEdit = 1277;
inline constexpr int kInchesRadio = 1240;
inline constexpr int kCentimetresRadio = 1241;
inline constexpr int kContentsOnly = 1426;

struct PageSetupValues {
    int32_t width = 0;
    int32_t height = 0;
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
    bool contentsOnly = false;
    // 0 portrait, 1 landscape.
    int orientation = 0;
    // 0 inches, 1 centimetres.
    uint8_t unit = 0;
    int32_t maxWidth = 32400;
    int32_t minWidth = 1440;
    int32_t maxHeight = 32400;
    int32_t minHeight = 1440;
    // The least width or height left between the margins.
    int32_t minPrintable = 1440;

    // The layout keeps printable edges: a right (bottom) margin is the
    // paper's width (height) less the right (bottom) edge. The orientation
    // is option byte 2, the contents-only switch option byte 1. The paper
    // may not become smaller than the extent of the form's objects.
    static PageSetupValues FromLayout(const FLAYOUT& layout, const RECT& extent, uint8_t unit);
    void ToLayout(FLAYOUT& layout) const;

    // The first check that fails on OK.
    using Problem = EditProblem;
    std::optional<Problem> Check() const;
};

// Twips shown in the unit with two decimals, and read back (truncated).
std::string PageLengthText(int32_t twips, uint8_t unit);
int32_t PageLengthTwips(double value, uint8_t unit);
