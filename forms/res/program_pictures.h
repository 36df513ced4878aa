// The program's colour pictures (the splash window's bitmap and the About
// box's icons), kept as PNG files under forms/res/pictures by resource id.
#pragma once

#include "platform/res/kind.h"

#include <QImage>

#include <cstdint>

// The bitmap or icon of that id; a null image, after telling the
// missing-resource handler, for one without a picture.
QImage ProgramPicture(res::Kind kind, uint32_t id);
