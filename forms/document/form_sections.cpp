// The registry of form-file sections.
#include "forms/document/form_sections.h"

#include <algorithm>
#include <list>

namespace {
std::list<FormSection>& Sections()
{
    static std::list<FormSection> sections;
    return sections;
}
} // namespace

void RegisterFormSection(const FormSection& section)
{
    for (FormSection& s : Sections())
        if (s.tag == section.tag) {
            s = section;
            return;
        }
    Sections().push_back(section);
}

void UnregisterFormSection(uint8_t tag)
{
    Sections().remove_if([tag](const FormSection& s) { return s.tag == tag; });
}

const FormSection* FindFormSection(uint8_t tag)
{
    for (const FormSection& s : Sections())
        if (s.tag == tag)
            return &s;
    return nullptr;
}

std::vector<const FormSection*> FormSectionsAt(SectionPlace place)
{
    std::vector<const FormSection*> out;
    for (const FormSection& s : Sections())
        if (s.place == place)
            out.push_back(&s);
    return out;
}
