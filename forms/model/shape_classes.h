// Registers the box, ellipse, line and orthogonal line with the object
// factory under their type bytes; called once by whoever starts the
// program (and by tests), since a static registrar may be dropped by the
// linker.
#pragma once

void RegisterShapeClasses();
