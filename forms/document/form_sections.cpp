// The registry of form-file sections.
#include "forms/document/form_sections.h"

#include <algorithm>
#include <list>

namespace {
std::list<FORM_SECTION>& Sections()
{
    static std::list<FORM_SECTION> sections;
    return sections;
}
}

void RegisterFormSection(const FORM_SECTION& section)
{
    for (FORM_SECTION& s : Sections())
        if (s.tag == section.tag) {
            s = section;
            return;
        }
    Sections().push_back(section);
}

void UnregisterFormSection(uint8_t tag)
{
    Sections().remove_if([tag](const FORM_SECTION& s) { return s.tag == tag; });
}

const FORM_SECTION* FindFormSection(uint8_t tag)
{
    for (const FORM_SECTION& s : Sections())
        if (s.tag == tag)
            return &s;
    return nullptr;
}

std::vector<const FORM_SECTION*> FormSectionsAt(SECTION_PLACE place)
{
    std::vector<const FORM_SECTION*> out;
    for (const FORM_SECTION& s : Sections())
        if (s.place == place)
            out.push_back(&s);
    return out;
}
