// The fill view's life in its frame: its drawing contexts, its commands,
// window events, activation and switching in and out.
#include "forms/app/views/fill/ffillview.h"

#include "forms/app/views/view_index.h"
#include "forms/document/fdocument.h"
#include "forms/fields/editor/texteditwnd.h"
#include "forms/objects/ffield.h"

#include "platform/ui/cmd_ui.h"
#include "platform/ui/document.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

FFILLVIEW::FFILLVIEW()
{
    RegisterCommands();
}

FFILLVIEW::~FFILLVIEW()
{
    EndFilling();
}

void FFILLVIEW::EndFilling()
{
    // An editor still open goes without its text.
    if (currentField) {
        currentField->CommitEdit(this, {.acceptWithoutCheck = true, .closeWhenRefused = true});
        currentField = nullptr;
    }
    textFormatting = false;
    FDOCUMENT* doc = GetFormDocument();
    if (!doc || !filling)
        return;
    PTRARRAY& order = doc->GetTabOrder();
    for (int i = 0; i < order.GetCount(); ++i)
        if (auto* field = dynamic_cast<FFIELD*>(order.GetAt(i)))
            field->ClearEditValue();
    doc->PutBackFieldValues();
    filling = false;
}

void FFILLVIEW::RegisterCommands()
{
    // Phrases, spelling, the thesaurus and pictures come later.
    for (unsigned id : {ID_INSERT_PHRASE, ID_PHRASE_LIBRARY, ID_SPELL_ALL, ID_SPELL_CURRENT, ID_THESAURUS})
        AddUpdate(id, [](ui::CmdUI& cmdUI) { cmdUI.Enable(false); });
    AddCommand(ID_INSERT_DATE_TIME, [this](unsigned) { OnInsertDateTime(); });
    AddUpdate(ID_INSERT_DATE_TIME, [this](ui::CmdUI& cmdUI) { cmdUI.Enable(CanEditCurrentField() != nullptr); });
    AddCommand(ID_FILE_PRINT, [this](unsigned) { PrintFilled(false); });
    AddCommand(ID_FILE_PRINT_DIRECT, [this](unsigned) { PrintFilled(true); });
    AddCommand(ID_FILE_PRINT_PREVIEW, [this](unsigned) { OnFillPrintPreview(); });
    // Cut, Copy and Paste go to the open editor; pictures have no cache yet.
    for (unsigned id : {ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE}) {
        AddCommand(id, [this](unsigned command) {
            if (TEXTEDITWND* editor = CanEditCurrentField())
                editor->OnCommand(command);
        });
        AddUpdate(id, [this](ui::CmdUI& cmdUI) {
            TEXTEDITWND* editor = CanEditCurrentField();
            cmdUI.Enable(editor && editor->IsCommandEnabled(cmdUI.Id()));
        });
    }
    AddUpdate(ID_INSERT_PICTURE, [](ui::CmdUI& cmdUI) { cmdUI.Enable(false); });
}

OBJECT_DOCUMENT* FFILLVIEW::GetObjectDocument()
{
    return GetFormDocument();
}

TEXTEDITWND* FFILLVIEW::CanEditCurrentField() const
{
    return currentField ? currentField->GetTextEditor() : nullptr;
}

int FFILLVIEW::SetupDC(VIEWDC& dc, gdi::DC* device)
{
    if (!FBASEVIEW::SetupDC(dc, device))
        return 0;
    dc.outputMode = kOutputFill;
    return 1;
}

int FFILLVIEW::SetupOwnDC(VIEWDC& dc)
{
    return SetupDC(dc, dc.dc);
}

void FFILLVIEW::OnInitialUpdate()
{
    FBASEVIEW::OnInitialUpdate();
    textFormatting = false;
    InvalidateAll();
    StartFilling();
}

void FFILLVIEW::OnViewSwitch(bool incoming, ui::View* other)
{
    if (incoming) {
        if (auto* from = dynamic_cast<FBASEVIEW*>(other))
            SetZoom(from->GetZoom());
        return;
    }
    // The values filled in go: the form keeps its saved values.
    EndFilling();
    EnableOtherViews(true);
}

void FFILLVIEW::EnableOtherViews(bool enable)
{
    ui::Document* doc = GetDocument();
    if (!doc)
        return;
    for (ui::View* view : doc->Views())
        if (auto* other = dynamic_cast<FBASEVIEW*>(view); other && other != this)
            if (QWidget* window = other->GetWindow())
                window->setEnabled(enable);
}

void FFILLVIEW::OnActivateView(bool activate, ui::View* activated, ui::View* deactivated)
{
    FBASEVIEW::OnActivateView(activate, activated, deactivated);
    if (activate) {
        if (FDOCUMENT* doc = GetFormDocument())
            doc->SetViewMode(kViewModeFill);
        EnableOtherViews(false);
        return;
    }
    if (activated == this)
        return;
    if (QWidget* window = GetWindow();
        activated && activated->GetWindow() && window && window->isAncestorOf(activated->GetWindow()))
        return;
    if (currentField) {
        currentField->CommitEdit(this, {.acceptWithoutCheck = true, .closeWhenRefused = true});
        textFormatting = false;
        currentField = nullptr;
    }
    EnableOtherViews(true);
}

void FFILLVIEW::OnUpdate(ui::View* sender, uint32_t hintCode, const FHINT* hint)
{
    FBASEVIEW::OnUpdate(sender, hintCode, hint);
}

void FFILLVIEW::OnUpdateViewMenu(ui::CmdUI& cmdUI)
{
    const unsigned id = cmdUI.Id();
    if (id == ID_VIEW_DESIGN + kDesignView)
        cmdUI.Enable(true);
    else if (id == ID_VIEW_DESIGN + kFillView)
        cmdUI.SetCheck(1);
    else
        cmdUI.Enable(false);
}

void FFILLVIEW::OnPageChanged()
{
    if (currentField) {
        QWidget* window = GetWindow();
        QWidget* focus = QApplication::focusWidget();
        const bool keysHere = window && focus && (focus == window || window->isAncestorOf(focus));
        if (currentField->GetPage() == currentPage) {
            currentField->ShowControl();
            if (keysHere)
                currentField->SetFocus();
        } else {
            currentField->HideControl();
            // A hidden editor would hand the keys to whatever widget comes
            // next in the frame; the view keeps them, so page keys go on.
            if (keysHere)
                window->setFocus();
        }
    }
    windowOrg = {0, 0};
    viewportOrg = {placement.left, placement.top};
    OnZoomChanged();
}

void FFILLVIEW::OnZoomChanged()
{
    FBASEVIEW::OnZoomChanged();
    MoveCurrentControl();
}

void FFILLVIEW::ApplyTextAttr(const TEXTATTR& change)
{
    if (TEXTEDITWND* editor = CanEditCurrentField())
        editor->ApplyTextAttr(change);
    else if (currentField)
        currentField->ChangeFont(change, this);
    FBASEVIEW::ApplyTextAttr(change);
}

void FFILLVIEW::ShowFieldHelp(FORMOBJ* object, const RECT& rect)
{
    // Without field help the program's help index would open; the program
    // has none, so nothing happens.
    if (auto* field = dynamic_cast<FFIELD*>(object))
        field->ShowHelp(this, rect);
}

void FFILLVIEW::OnKeyDown(int key, bool shift)
{
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab)
        MoveToField(!(shift || key == Qt::Key_Backtab));
}

bool FFILLVIEW::OnEvent(QEvent& e)
{
    switch (e.type()) {
    case QEvent::MouseButtonPress: {
        auto& mouse = static_cast<QMouseEvent&>(e);
        if (mouse.button() != Qt::LeftButton)
            return false;
        const QPointF at = mouse.position();
        OnLButtonDown({static_cast<int32_t>(at.x()), static_cast<int32_t>(at.y())});
        return true;
    }
    case QEvent::KeyPress: {
        auto& key = static_cast<QKeyEvent&>(e);
        if (key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab) {
            OnKeyDown(key.key(), key.modifiers() & Qt::ShiftModifier);
            return true;
        }
        return FBASEVIEW::OnEvent(e);
    }
    case QEvent::FocusIn:
        FBASEVIEW::OnEvent(e);
        if (currentField)
            currentField->SetFocus();
        return false;
    default:
        return FBASEVIEW::OnEvent(e);
    }
}
