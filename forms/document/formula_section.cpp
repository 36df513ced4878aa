// The formula set's section of the form file.
#include "forms/document/formula_section.h"

#include "forms/document/ccinterface.h"
#include "forms/document/fdocument.h"
#include "forms/document/form_sections.h"

namespace {

void WriteFormulas(FDOCUMENT& document, RECORDARCHIVE& ar)
{
    document.GetFormulaHost().Save(kFormulaSection, ar);
}

void ReadFormulas(FDOCUMENT& document, RECORDARCHIVE& ar)
{
    document.GetFormulaHost().Load(ar);
}

} // namespace

void RegisterFormulaSection()
{
    if (!FindFormSection(kFormulaSection))
        RegisterFormSection({kFormulaSection, SectionPlace::AfterFillingOrder, WriteFormulas, ReadFormulas});
}
