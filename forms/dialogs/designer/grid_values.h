// The four values of the Grid Spacings dialog in the display unit, their
// ranges, and their conversion to and from twips.
#pragma once

#include <cstdint>

class FGRID;

// Display units.
inline constexpr uint8_t kUnitInches = 0;
inline constexpr uint8_t kUnitCentimetres = 1;

struct GridValues {
    double hSpacing = 0;
    double vSpacing = 0;
    double hOffset = 0;
    double vOffset = 0;
    uint8_t unit = kUnitInches;

    // The grid's spacing and origin in the unit.
    static GridValues FromGrid(const FGRID& grid, uint8_t unit);
    // The values in twips, truncated toward zero, given to the grid:
    // a spacing of 0 keeps the grid's.
    void ToGrid(FGRID& grid) const;
    // Each value goes through whole twips (rounded) in the old unit and
    // comes back in the new one.
    void SwitchUnit(uint8_t newUnit);
};

// Twips per unit: 1440 to the inch, 567 to the centimetre.
double TwipsPerUnit(uint8_t unit);
double TwipsToUnit(int32_t twips, uint8_t unit);
// Truncated toward zero.
int32_t UnitToTwips(double value, uint8_t unit);

// The ranges the dialog checks: spacings 0 to 2, offsets 0 to 10.
inline constexpr double kMaxGridSpacing = 2.0;
inline constexpr double kMaxGridOffset = 10.0;
