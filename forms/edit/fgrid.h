// The design grid of a page layout: spacing, origin and an on switch. It
// snaps the designer's positions to grid points, gives the neighbouring
// grid lines for the arrow keys, and is kept in the form file with its
// layout. Lengths are twips.
#pragma once

#include "forms/model/geometry.h"
#include "forms/model/object_view.h"

#include <cstdint>

class RECORDARCHIVE;

// Key codes that MoveByKey answers to.
enum : uint16_t {
    kKeyLeft = 37,
    kKeyUp = 38,
    kKeyRight = 39,
    kKeyDown = 40,
};

class FGRID : public SnapGrid {
public:
    // A spacing of 0 keeps the one the grid has.
    void SetSpacing(uint16_t horizontal, uint16_t vertical);
    void SetOrigin(int32_t x, int32_t y);
    void SetOn(bool value) { on = value ? 1 : 0; }

    bool IsOn() const { return on != 0; }
    uint16_t GetHorizontalSpacing() const { return hSpacing; }
    uint16_t GetVerticalSpacing() const { return vSpacing; }
    int32_t GetHorizontalOrigin() const { return hOrigin; }
    int32_t GetVerticalOrigin() const { return vOrigin; }

    // Snaps each axis whose spacing is not 1 to the nearest grid line,
    // whether or not the grid is on.
    void Snap(POINT& point) const;
    void SnapIfOn(POINT& point) override;
    // An arrow key moves the point to the previous or next grid line on its
    // axis; other keys, or a grid that is off, leave it.
    void MoveByKey(POINT& point, uint16_t key) const;

    // The caller's group tag, the grid's record and the group's end.
    void Write(RECORDARCHIVE& ar, uint8_t groupTag) const;
    // Reads the grid's records up to the group's end (its tag already read).
    void Read(RECORDARCHIVE& ar);

private:
    uint16_t on = 1;
    uint16_t hSpacing = 72;
    uint16_t vSpacing = 72;
    int32_t hOrigin = 0;
    int32_t vOrigin = 0;
};
