// The sections of a form file whose owners live outside the document: each
// owner registers how it writes and reads its section, and where in the
// file the section stands. A section nobody has registered is stepped over
// when read and not written.
#pragma once

#include <cstdint>
#include <vector>

class FDOCUMENT;
class RECORDARCHIVE;

// Where a registered section is written in the form body, or behind it.
enum class SectionPlace {
    AfterFontTable, // the database links
    AfterFillingOrder, // the formula set
    BeforeBodyEnd, // the Runlet identifier
    AfterItems, // the picture references, behind the OLE items
};

struct FormSection {
    uint8_t tag;
    SectionPlace place;
    // Writes the whole section, its tag included.
    void (*write)(FDOCUMENT& document, RECORDARCHIVE& ar);
    // Reads the section whose tag was just read.
    void (*read)(FDOCUMENT& document, RECORDARCHIVE& ar);
};

// Adds or replaces the section of that tag.
void RegisterFormSection(const FormSection& section);
void UnregisterFormSection(uint8_t tag);
// The registered section of that tag, or null.
const FormSection* FindFormSection(uint8_t tag);
// The registered sections of a place, in the order they were registered.
std::vector<const FormSection*> FormSectionsAt(SectionPlace place);
