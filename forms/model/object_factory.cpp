#include "forms/model/object_factory.h"

#include "forms/model/formobj.h"

#include <array>

namespace {

std::array<ObjectCreator, 256>& Table()
{
    static std::array<ObjectCreator, 256> table {};
    return table;
}

} // namespace

bool IsCreatableType(uint8_t type)
{
    return type == kTypeButton || (type >= kTypeTable && type <= kTypePicture) || type == kTypeGroup;
}

bool RegisterObjectClass(uint8_t type, ObjectCreator creator)
{
    if (!IsCreatableType(type))
        return false;
    Table()[type] = creator;
    return true;
}

void UnregisterObjectClass(uint8_t type)
{
    Table()[type] = nullptr;
}

ObjectCreator FindObjectClass(uint8_t type)
{
    return IsCreatableType(type) ? Table()[type] : nullptr;
}
