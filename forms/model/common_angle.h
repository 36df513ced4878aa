// The angle that several objects share, as the rotation box asks it of a
// group's members or of the selected objects.
#pragma once

#include <cstdint>
#include <vector>

class FORMOBJ;

// Whether the object turns with the rotation box: a text object or a group.
bool TurnsWithRotationBox(const FORMOBJ& object);
// 0 unless each object turns with the rotation box; then 1, and the angle
// is written when every object that answers gives the same one.
int QueryCommonAngle(const std::vector<FORMOBJ*>& objects, uint16_t* out);
