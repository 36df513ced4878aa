// Registers every kind of form object the program has with the object
// factory: the shapes and the kinds built on rich text and fields (the
// text object, the field, the table, the group), and the field's data
// types with theirs.
// Called once by whoever starts the program (and by tests), since a static
// registrar may be dropped by the linker.
#pragma once

void RegisterFormObjects();
