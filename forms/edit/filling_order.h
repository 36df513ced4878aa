// What the undo list asks of a document's filling order (its fields in tab
// order) when it takes deleted objects and puts them back; the form
// document implements it over its array of fields.
#pragma once

#include <vector>

class FORMOBJ;

class FillingOrder {
public:
    virtual ~FillingOrder() = default;
    // Every field's tab index becomes its position.
    virtual void Renumber() = 0;
    // Puts the fields of objects put back on their page (fields, table
    // cells, group members) into the filling order at their own tab
    // indexes, lowest first, so that each takes the place it had.
    virtual void RestoreFields(const std::vector<FORMOBJ*>& objects) = 0;
};
