// The fill view's commands that act on the values: the date and time typed
// in for the user, and printing or previewing the filled form.
#include "forms/app/views/fill/ffillview.h"

#include "forms/app/views/date_time_text.h"
#include "forms/document/fdocument.h"
#include "forms/fields/datatypes/datedatatype.h"
#include "forms/fields/datatypes/intl_settings.h"
#include "forms/fields/editor/texteditwnd.h"
#include "forms/objects/ffield.h"

#include "platform/ui/clock.h"

void FFILLVIEW::OnInsertDateTime()
{
    DATATYPE* type = currentField ? currentField->GetDataType() : nullptr;
    TEXTEDITWND* editor = CanEditCurrentField();
    if (!type || !editor)
        return;
    const uint8_t kind = type->GetTypeTag();
    const auto* date = dynamic_cast<const DATEDATATYPE*>(type);
    const uint8_t order = date ? date->GetDateOrder() : SystemDateOrder();
    const std::string text = DateTimeText(ui::Now(), kind, order);
    if (!text.empty())
        editor->InsertText(text);
}

bool FFILLVIEW::PrintFilled(bool direct)
{
    FDOCUMENT* doc = GetFormDocument();
    if (!doc)
        return false;
    FFIELD* kept = currentField;
    if (!doc->CommitFieldEdit({}))
        return false;
    directPrint = direct;
    const bool printed = direct ? PrintDirect() : OnFilePrint();
    directPrint = false;
    if (kept && !currentField)
        SetCurrentField(kept);
    return printed;
}

void FFILLVIEW::OnFillPrintPreview()
{
    FDOCUMENT* doc = GetFormDocument();
    if (!doc)
        return;
    previewField = currentField;
    if (!doc->CommitFieldEdit({})) {
        previewField = nullptr;
        return;
    }
    currentField = nullptr;
    OnFilePrintPreview();
    FFIELD* back = previewField;
    previewField = nullptr;
    if (back && !currentField)
        SetCurrentField(back);
}
