// The control ids of the tool bars' boxes, which are also the commands a
// box sends to the active view.
#pragma once

inline constexpr unsigned ID_ZOOM_BOX = 101;
inline constexpr unsigned ID_STYLE_BOX = 111;
inline constexpr unsigned ID_SIZE_BOX = 112;
inline constexpr unsigned ID_FACE_BOX = 113;
inline constexpr unsigned ID_ROTATION_BOX = 183;
