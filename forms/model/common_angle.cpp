#include "forms/model/common_angle.h"

#include "forms/model/formobj.h"

namespace {

// An angle no object answers: left by an object that has no one angle (a
// group of mixed angles).
constexpr uint16_t kNoAngle = 0xFFFF;

} // namespace

bool TurnsWithRotationBox(const FORMOBJ& object)
{
    return object.GetType() == kTypeText || object.GetType() == kTypeGroup;
}

int QueryCommonAngle(const std::vector<FORMOBJ*>& objects, uint16_t* out)
{
    for (const FORMOBJ* o : objects)
        if (!TurnsWithRotationBox(*o))
            return 0;
    bool found = false;
    bool same = true;
    uint16_t common = kNoAngle;
    for (FORMOBJ* o : objects) {
        uint16_t angle = kNoAngle;
        if (!o->QueryAngle(&angle))
            continue;
        if (!found)
            common = angle;
        else if (angle != common)
            same = false;
        found = true;
    }
    if (found && same && common != kNoAngle && out)
        *out = common;
    return 1;
}
