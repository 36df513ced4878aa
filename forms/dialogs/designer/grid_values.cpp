#include "forms/dialogs/designer/grid_values.h"

#include "forms/edit/fgrid.h"

#include <cmath>

double TwipsPerUnit(uint8_t unit)
{
    return unit == kUnitCentimetres ? 567.0 : 1440.0;
}

double TwipsToUnit(int32_t twips, uint8_t unit)
{
    return twips / TwipsPerUnit(unit);
}

int32_t UnitToTwips(double value, uint8_t unit)
{
    return static_cast<int32_t>(std::trunc(value * TwipsPerUnit(unit)));
}

GridValues GridValues::FromGrid(const FGRID& grid, uint8_t unit)
{
    GridValues values;
    values.unit = unit;
    values.hSpacing = TwipsToUnit(grid.GetHorizontalSpacing(), unit);
    values.vSpacing = TwipsToUnit(grid.GetVerticalSpacing(), unit);
    values.hOffset = TwipsToUnit(grid.GetHorizontalOrigin(), unit);
    values.vOffset = TwipsToUnit(grid.GetVerticalOrigin(), unit);
    return values;
}

void GridValues::ToGrid(FGRID& grid) const
{
    grid.SetSpacing(
        static_cast<uint16_t>(UnitToTwips(hSpacing, unit)), static_cast<uint16_t>(UnitToTwips(vSpacing, unit)));
    grid.SetOrigin(UnitToTwips(hOffset, unit), UnitToTwips(vOffset, unit));
}

void GridValues::SwitchUnit(uint8_t newUnit)
{
    if (newUnit == unit)
        return;
    for (double* value : {&hSpacing, &vSpacing, &hOffset, &vOffset}) {
        const auto twips = static_cast<int16_t>(std::lround(*value * TwipsPerUnit(unit)));
        *value = TwipsToUnit(twips, newUnit);
    }
    unit = newUnit;
}
