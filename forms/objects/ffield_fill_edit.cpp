// The field's side of filling a form: opening it for editing, committing
// what was entered through its data type and recalculating what depends on
// it, its help, and what its open control is asked while the view changes.
#include "forms/objects/ffield.h"

#include "forms/fields/datatypes/check_datatype.h"
#include "forms/fields/datatypes/datatype.h"
#include "forms/fields/datatypes/fieldvalues.h"
#include "forms/fields/editor/texteditwnd.h"
#include "forms/fields/richtext/textdrawinfo.h"
#include "forms/model/default_printer.h"
#include "forms/model/object_document.h"
#include "forms/model/object_view.h"
#include "forms/model/shade.h"
#include "forms/model/viewdc.h"

#include "platform/text/cp1252.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

namespace {

constexpr int8_t kLayoutSlot = 0;
// The answer of a key that the field does not take.
constexpr uint8_t kKeyNotTaken = 5;
// The caption editor that a typed key opens: black on white.
constexpr uint32_t kCaptionText = 0x000000;
constexpr uint32_t kCaptionBack = 0xFFFFFF;

bool IsTextKind(uint8_t tag)
{
    return tag == kKindNumber || tag == kKindDate || tag == kKindText || tag == kKindMemo;
}

// A click of the left button at a point of the widget.
void ClickAt(QWidget& widget, QPointF at)
{
    QMouseEvent press(
        QEvent::MouseButtonPress, at, widget.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &press);
    QMouseEvent release(
        QEvent::MouseButtonRelease, at, widget.mapToGlobal(at), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &release);
}

// Puts the editor's caret where the user clicked, as a click of its own.
void ClickInto(TEXTEDITWND& editor, POINT device)
{
    if (QWidget* widget = editor.GetWidget())
        ClickAt(*widget, QPointF(widget->mapFromParent(QPoint(device.x, device.y))));
}

// Types one character into the editor, as a key of its own.
void TypeInto(TEXTEDITWND& editor, char ch)
{
    QWidget* widget = editor.GetWidget();
    if (!widget)
        return;
    const QString text = text::ToQString(std::string_view(&ch, 1));
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, text);
    QCoreApplication::sendEvent(widget, &press);
}

} // namespace

TEXTEDITWND* FFIELD::GetTextEditor() const
{
    TEXTEDITWND* editor = nullptr;
    if (pDataType && pDataType->GetControl(editor))
        return editor;
    return nullptr;
}

FIELDDROPLIST FFIELD::GetDropList(VIEWDC& dc)
{
    FIELDDROPLIST list;
    RECT value;
    GetInnerRect(value, dc);
    RECT outer;
    GetOuterRect(outer, dc);
    // One device pixel below the field's outer bottom, as tall as the list
    // extent (three cell heights for a table cell, which has none).
    POINT pixel[2] = {{0, 0}, {1, 1}};
    dc.DPtoLP(pixel, 2);
    const int32_t gap = std::abs(pixel[1].y - pixel[0].y);
    const int32_t height = GetType() == kTypeCell ? 3 * (rect.bottom - rect.top) : ListHeight();
    const int32_t top = outer.bottom + gap - value.top;
    list.list = {0, top, rect.right - rect.left, top + height};
    RECT button;
    GetDropButtonRect(button, dc);
    list.button = button.Offset(-value.left, -value.top);
    if (auto* values = dynamic_cast<LISTBOXVALUES*>(pValues.get()))
        list.permitOthers = values->bListOnly ? 0 : 1;
    pListSource = std::make_unique<FIELDLISTSOURCE>(pValues.get());
    list.source = pListSource.get();
    return list;
}

void FFIELD::GiveDropList(TEXTEDITWND& editor, const FIELDDROPLIST& list, bool openNow)
{
    DROPLISTDESC desc;
    desc.listRect = list.list;
    desc.buttonRect = list.button;
    desc.valuesOnly = list.permitOthers ? 0 : 1;
    desc.source = list.source;
    editor.OpenDropList(desc);
    // A click on the drop button opens the list at once, as the button's
    // own click does.
    DROP_BUTTON* button = openNow ? editor.GetDropButton() : nullptr;
    if (QWidget* widget = button ? button->GetWidget() : nullptr)
        ClickAt(*widget, QPointF(widget->width() / 2.0, widget->height() / 2.0));
}

void FFIELD::Activate(OBJECT_VIEW* view, const POINT* point, int toggle, int typed)
{
    if (!pDataType)
        return;
    if (IsProtected() || pDataType->IsPicture()) {
        SetSelectFlag(1);
        if (view) {
            Invalidate(view);
            view->SetFocus();
        }
        return;
    }
    VIEWDC dc(view, kOwnWindow);
    if (!dc.IsSetUp())
        return;
    const uint8_t tag = pDataType->GetTypeTag();
    RECT value;
    if (IsTextKind(tag) && !pValues)
        GetTextRect(value, dc);
    else
        GetInnerRect(value, dc);
    const RECT device = ToDevice(dc, value).Normalized();
    TEXTATTR font;
    GetFont(&font);
    uint8_t align = 0;
    GetAlignment(&align);
    BASICSHADE fill;
    GetShade(&fill);
    const uint16_t spacing = IsTextType() ? nLineSpacing : 0xFFFF;
    const uint32_t back1 = fill.colour1;
    const uint32_t back2 = fill.colour2;
    const TEXTZOOM zoom {dc.zoomX, dc.zoomY, dc.originX, dc.originY};
    const TEXTDRAWINFO info(dc.dc, {0, 0}, dc.deviceKind, kLayoutSlot, kDefaultPrinterId, zoom, value, 0);
    pDataType->CreateControl(
        info, device, value, font, align, spacing, &back1, &back2, view, this, static_cast<uintptr_t>(typed));
    if (view)
        view->SetTextFormatting(pDataType->KeepsFormatting());
    TEXTEDITWND* editor = GetTextEditor();
    if (editor && pValues) {
        const FIELDDROPLIST list = GetDropList(dc);
        RECT button = list.button.Offset(value.left - dc.originX, value.top - dc.originY);
        POINT corners[2] = {{button.left, button.top}, {button.right, button.bottom}};
        dc.LPtoDP(corners, 2);
        const RECT deviceButton = RECT {corners[0].x, corners[0].y, corners[1].x, corners[1].y}.Normalized();
        const bool onButton = point && point->x >= deviceButton.left && point->x < deviceButton.right
            && point->y >= deviceButton.top && point->y < deviceButton.bottom;
        GiveDropList(*editor, list, onButton);
    } else if (editor && point && IsTextKind(tag) && !pDataType->SelectAllOnEdit()) {
        ClickInto(*editor, *point);
    }
    if (toggle)
        ToggleCheck(view);
}

int FFIELD::CommitEdit(OBJECT_VIEW* view, END_EDIT_FLAGS flags)
{
    if (!pDataType)
        return 1;
    if (IsProtected() || pDataType->IsPicture()) {
        if (view)
            Invalidate(view);
        SetSelectFlag(0);
        if (view)
            Invalidate(view);
        return 1;
    }
    // A field whose editor never opened has nothing to commit; a check
    // box's control closes whatever it holds.
    if (!IsCheckBox() && !pDataType->pEditHandle && !GetTextEditor())
        return 1;
    VIEWDC dc(view, kOwnWindow);
    RECT update {0, 0, 0, 0};
    if (dc.IsSetUp())
        GetUpdateRect(update, dc, 1);
    const int answer = pDataType->EndEdit(view, update, flags);
    if (!answer)
        return 0;
    // The closed editor leaves the field's old picture: the value taken is
    // drawn afresh.
    if (view && !IsCheckBox() && update.right > update.left)
        view->InvalidateRect(update, true);
    if (!flags.closeWhenRefused && pDataType->bChanged && !IsCheckBox()) {
        pDataType->bChanged = 0;
        if (OBJECT_DOCUMENT* document = view ? view->GetObjectDocument() : nullptr)
            document->Calculate(nFieldId);
    }
    if (view)
        view->UpdateWindow();
    pListSource.reset();
    return answer;
}

int FFIELD::ShowHelp(OBJECT_VIEW* view, const RECT& rect)
{
    if (strHelp.empty())
        return 0;
    ShowHelpPopup(view ? view->GetTrackingWindow() : nullptr, rect);
    return 1;
}

void FFIELD::SetFocus()
{
    if (pDataType)
        pDataType->SetFocus(0);
}

void FFIELD::ShowControl()
{
    if (pDataType)
        pDataType->ShowControl(1);
}

void FFIELD::HideControl()
{
    if (pDataType)
        pDataType->ShowControl(0);
}

void FFIELD::ClearEditValue()
{
    if (pDataType)
        pDataType->ClearValue();
}

uint8_t FFIELD::BeginEdit(uintptr_t viewArg, uintptr_t key, uintptr_t)
{
    auto* view = reinterpret_cast<OBJECT_VIEW*>(viewArg);
    if (!pDataType || IsProtected() || pDataType->IsPicture() || pDataType->GetTypeTag() == kKindBarcode)
        return kKeyNotTaken;
    // The open editor takes typed keys itself; a key reaching the field
    // opens it. A check box takes keys through its own window, but in the
    // designer a key opens the caption's editor and is typed there.
    if (IsCheckBox()) {
        auto* box = dynamic_cast<CHECK_DATATYPE*>(pDataType.get());
        if (!box || !view)
            return kKeyNotTaken;
        if (!box->HasControl()) {
            VIEWDC dc(view, kOwnWindow);
            if (!dc.IsSetUp() || dc.outputMode != kOutputDesign)
                return kKeyNotTaken;
            box->EditCaption(dc, kCaptionText, kCaptionBack, view, this);
        }
        TEXTEDITWND* editor = GetTextEditor();
        if (!editor)
            return kKeyNotTaken;
        TypeInto(*editor, static_cast<char>(key));
        return 0;
    }
    if (!GetTextEditor())
        Activate(view, nullptr, 0, 1);
    return GetTextEditor() ? 0 : kKeyNotTaken;
}

void FFIELD::EndEdit()
{
    if (pDataType && IsCheckBox())
        pDataType->CloseControl(nullptr, this);
}

int FFIELD::GetRichText(uintptr_t* out)
{
    TEXTEDITWND* editor = GetTextEditor();
    if (out)
        *out = reinterpret_cast<uintptr_t>(editor);
    return editor ? 1 : 0;
}

int FFIELD::EditHookState()
{
    if (!pDataType)
        return 0;
    return pDataType->HasControl();
}

void FFIELD::EditHookCommand(uintptr_t arg)
{
    // arg is the view whose scroll or zoom moved the field: the open editor
    // follows the value rectangle.
    auto* view = reinterpret_cast<OBJECT_VIEW*>(arg);
    TEXTEDITWND* editor = GetTextEditor();
    if (!view || !editor || !pDataType || !pDataType->pEditHandle)
        return;
    VIEWDC dc(view, kOwnWindow);
    if (!dc.IsSetUp())
        return;
    RECT value;
    if (IsTextKind(pDataType->GetTypeTag()) && !pValues)
        GetTextRect(value, dc);
    else
        GetInnerRect(value, dc);
    pDataType->pEditHandle->SetZoom({dc.zoomX, dc.zoomY, 100, 100});
    pDataType->pEditHandle->MoveWindow(ToDevice(dc, value).Normalized(), true);
}

void FFIELD::EditHookReset()
{
    if (pDataType && pDataType->pEditHandle)
        pDataType->pEditHandle->InvalidateText();
}
