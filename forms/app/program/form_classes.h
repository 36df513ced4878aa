// The program's document and view classes: the form document, and the
// views that are built, by their index in the template's table.
#pragma once

#include "forms/app/program/forms_app.h"

AppClasses FormAppClasses();
