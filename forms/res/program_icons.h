// The program's icons, drawn for it as SVG files under forms/res/icons
// (named by resource id) and rendered at the size asked for.
#pragma once

#include <QByteArray>
#include <QImage>

#include <cstdint>

// The program's own icon: on its windows, in the About box and in its
// desktop entry.
inline constexpr uint32_t kProgramIconId = 2226;

// The icon of that id on a transparent background (size × size pixels);
// a null image, after telling the missing-resource handler, for an id
// without an icon.
QImage ProgramIcon(uint32_t id, int size = 32);

// A picture drawn as an SVG of forms/res/icons at the size its file gives
// (the alignment menu's pictures), on a transparent background; a null
// image, after telling the missing-resource handler, for an id without one.
QImage ProgramSvgBitmap(uint32_t id);

// The SVG file of an icon as it is stored; empty, after telling the
// missing-resource handler, for an id without one.
QByteArray ProgramIconSvg(uint32_t id);
