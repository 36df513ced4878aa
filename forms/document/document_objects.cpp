#include "forms/document/document_objects.h"

#include "forms/document/special_fields.h"
#include "forms/objects/ffield.h"
#include "forms/objects/form_objects.h"

namespace {

std::unique_ptr<FORMOBJ> MakeSpecialField(std::string_view name, uint16_t fieldId)
{
    return FFIELD::CreateNamed(name, fieldId);
}

} // namespace

void RegisterDocumentObjects()
{
    RegisterFormObjects();
    SetSpecialFieldMaker(&MakeSpecialField);
}
