// The edit cycle of a value: the in-place rich-text editor opened over the
// field with the value's edit text, and the editor's text taken back,
// validated and stored when the edit ends.
#include "forms/fields/datatypes/datatype.h"

#include "forms/fields/editor/edithandle.h"
#include "forms/fields/editor/field_edit_site.h"
#include "forms/fields/editor/texteditwnd.h"
#include "forms/fields/richtext/textdrawinfo.h"
#include "forms/model/object_document.h"
#include "forms/model/object_view.h"

#include "platform/ui/message_box.h"

#include <exception>

namespace {

// The editor's zoom from the view's: the view's percentages on the
// viewport, the window at 100 %, which the editor's contexts turn back into
// the same zoom.
EDITZOOM ZoomOf(const TEXTDRAWINFO& info)
{
    EDITZOOM zoom;
    zoom.viewportX = info.zoom.zoomX;
    zoom.viewportY = info.zoom.zoomY;
    zoom.windowX = 100;
    zoom.windowY = 100;
    return zoom;
}

// The document's in-place flag keeps the focus where it is.
bool MayTakeFocus(OBJECT_VIEW* view)
{
    const OBJECT_DOCUMENT* doc = view ? view->GetObjectDocument() : nullptr;
    return !doc || !doc->IsInPlaceActive();
}

void ShowRefusal(const std::string& message)
{
    ui::MessageBox(message, {});
}

} // namespace

void DATATYPE::CreateControl(const TEXTDRAWINFO& info, const RECT& editRect, const RECT& textRect, TEXTATTR attr,
    uint8_t alignment, uint16_t textLimit, const uint32_t* background1, const uint32_t* background2,
    OBJECT_VIEW* fillView, FORMOBJ* field, uintptr_t handleValue)
{
    // An editor still open from before is dropped unread.
    CloseEditor();
    pEditSite = std::make_unique<FIELDEDITSITE>(fillView, field);
    std::string text;
    GetText(text);
    DecodeFaceNames(text);
    const int selectAll = SelectAllOnEdit();

    pEditHandle = std::make_unique<EDITHANDLE>();
    if (!pEditHandle->Create(pEditSite.get())) {
        CloseEditor();
        return;
    }
    pEditHandle->hidden = static_cast<uint32_t>(handleValue);
    const EDITDRAWVALUES values {info.mode, info.slot, info.printerId};
    QWidget* parent = fillView ? fillView->GetTrackingWindow() : nullptr;
    if (!pEditHandle->Open(
            values, ZoomOf(info), text, attr, alignment, textLimit, editRect, textRect, parent, selectAll ? 0 : 1)) {
        CloseEditor();
        return;
    }
    pEditHandle->SetRichPaste(KeepsFormatting());
    if (selectAll)
        pEditHandle->SelectAll();
    if (MayTakeFocus(fillView) && pEditHandle->Window())
        pEditHandle->Window()->SetFocus();
    if (background1)
        pEditHandle->SetBackColour(*background1);
    if (background2)
        pEditHandle->SetBackColour2(*background2);
    bChanged = 0;
}

int DATATYPE::EndEdit(OBJECT_VIEW*, const RECT&, END_EDIT_FLAGS flags)
{
    if (!pEditHandle || !pEditHandle->Window())
        return 0;
    if (!KeepsFormatting())
        pEditHandle->StripCodes();
    const std::string raw = pEditHandle->GetText();
    std::string text = raw;
    try {
        EncodeFaceNames(text);
    } catch (const std::exception&) {
        text = raw;
    }

    std::string message;
    if (!flags.acceptWithoutCheck && !SetText(text, message, 1)) {
        ShowRefusal(message);
        if (flags.closeWhenRefused)
            CloseEditor();
        return 0;
    }
    if (!flags.closeWhenRefused && !StoreText(text)) {
        ShowRefusal(message);
        if (flags.acceptWithoutCheck)
            CloseEditor();
        return 0;
    }
    pEditHandle->EndEdit(0);
    CloseEditor();
    return 1;
}

void DATATYPE::CloseEditor()
{
    // The window reports to the site until it is gone.
    pEditHandle.reset();
    pEditSite.reset();
}

void DATATYPE::ShowControl(int show)
{
    bShown = show;
    if (pEditHandle && pEditHandle->Window())
        pEditHandle->Window()->ShowWindow(show != 0);
}

void DATATYPE::SetFocus(uintptr_t)
{
    if (pEditHandle && pEditHandle->Window())
        pEditHandle->Window()->SetFocus();
}

int DATATYPE::GetControl(TEXTEDITWND*& out)
{
    out = pEditHandle ? pEditHandle->Window() : nullptr;
    return out ? 1 : 0;
}

int DATATYPE::EditTextDiffers()
{
    if (!pEditHandle || !pEditHandle->Window())
        return 0;
    std::string value;
    GetText(value);
    return pEditHandle->GetText() != value ? 1 : 0;
}
