// The four fields of a form that lie on no page: who is to receive the form
// by fax or e-mail. Each is named by a string's text and has a fixed id. The
// field kind, when it exists, registers how such a field is made.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

class FOBJLIST;
class FORMOBJ;

struct SpecialFieldSlot {
    uint16_t nameId; // the string whose text names the field
    uint16_t fieldId;
};

constexpr SpecialFieldSlot kSpecialFields[] = {
    {474, 0xFFFE}, // "Fax: Recipient Name"
    {399, 0xFFFD}, // "Fax: Recipient Number"
    {475, 0xFFFC}, // "EMail: Recipient Name"
    {413, 0xFFFB}, // "EMail: Recipient EMail Address"
};

// Makes a stand-alone field of that name and id, or null.
using SpecialFieldMaker = std::unique_ptr<FORMOBJ> (*)(std::string_view name, uint16_t fieldId);

// The maker in use; null while no field kind has registered one.
SpecialFieldMaker GetSpecialFieldMaker();
// Returns the previous maker.
SpecialFieldMaker SetSpecialFieldMaker(SpecialFieldMaker maker);

// Fills an empty list with the four default fields, when a maker exists.
void MakeDefaultSpecialFields(FOBJLIST& list);

// Each field of `read` replaces the field of `list` that has the same name
// or the same field id (or joins the list); objects that are no field are
// dropped. `read` is left empty.
void ReplaceSpecialFields(FOBJLIST& list, FOBJLIST& read);
