// The registration table from object type byte to creation function: each
// kind registers itself, and the object list creates objects on load
// through it. A type without a registered class is stepped over on load.
#pragma once

#include <cstdint>
#include <memory>

class FORMOBJ;

using ObjectCreator = std::unique_ptr<FORMOBJ> (*)();

// Types that an object list creates: the button, the table to the picture,
// and the group.
bool IsCreatableType(uint8_t type);
// Registers the class for a creatable type; false for any other type.
bool RegisterObjectClass(uint8_t type, ObjectCreator creator);
// Removes the registration of a type.
void UnregisterObjectClass(uint8_t type);
// The creation function of a type, or null when no class is registered.
ObjectCreator FindObjectClass(uint8_t type);
