// The form document's side of a test fill: every field put back to its
// saved value, every field's rule checked before the form is printed, and
// the fill ended before the form is closed.
#include "forms/document/fdocument.h"

#include "forms/document/document_host.h"
#include "forms/document/document_messages.h"
#include "forms/model/object_view.h"
#include "forms/objects/ffield.h"

#include "platform/ui/view.h"

namespace {

// "Out of memory!"
constexpr int kOutOfMemoryMessage = 194;

} // namespace

int FDOCUMENT::RevertAllFields()
{
    for (int i = 0; i < tabOrder.GetCount(); ++i) {
        auto* field = dynamic_cast<FFIELD*>(tabOrder.GetAt(i));
        if (field && !field->RevertValue(documentCounter)) {
            ShowDocumentMessage(LoadDocumentString(kOutOfMemoryMessage));
            return 0;
        }
    }
    return 1;
}

int FDOCUMENT::ValidateAllFields()
{
    OBJECT_VIEW* view = GetActiveFillView();
    if (!view)
        view = GetActiveObjectView();
    for (int i = 0; i < tabOrder.GetCount(); ++i) {
        auto* field = dynamic_cast<FFIELD*>(tabOrder.GetAt(i));
        if (field && !field->CheckRule(view))
            return 0;
    }
    return 1;
}

OBJECT_VIEW* FDOCUMENT::GetActiveFillView()
{
    for (ui::View* view : Views())
        if (auto* shown = dynamic_cast<OBJECT_VIEW*>(view); shown && shown->IsActiveView())
            return shown->IsFillView() ? shown : nullptr;
    return nullptr;
}

int FDOCUMENT::CommitFieldEdit(END_EDIT_FLAGS flags)
{
    OBJECT_VIEW* view = GetActiveFillView();
    if (!view)
        return 1;
    if (!view->CommitCurrentField(flags))
        return 0;
    return flags.acceptWithoutCheck ? 1 : ValidateAllFields();
}

void FDOCUMENT::EndTestFill()
{
    if (IsTestFilling() && host)
        host->EndTestFill(*this);
}
