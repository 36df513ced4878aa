// The design view: its selection, drawing context, commands, window events
// and what the tracker asks of it.
#include "forms/app/views/design/fdesignview.h"

#include "forms/app/views/design/design_pages.h"
#include "forms/app/views/design/design_rulers.h"
#include "forms/app/views/design/design_styles.h"
#include "forms/document/fdocument.h"
#include "forms/document/print/flayout.h"
#include "forms/editor/form_editor.h"
#include "forms/objects/fselection.h"
#include "forms/res/command_ids.h"
#include "forms/res/program_resources.h"

#include "platform/text/cp1252.h"
#include "platform/ui/app.h"
#include "platform/ui/cmd_ui.h"
#include "platform/ui/document.h"
#include "platform/ui/message_box.h"

#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

namespace {

// The radio-button tool: shown like the others, but it has no command and
// makes no object.
constexpr uint8_t kRadioButtonCode = 12;

POINT EventPoint(const QMouseEvent& e)
{
    const QPointF at = e.position();
    return {static_cast<int32_t>(at.x()), static_cast<int32_t>(at.y())};
}

} // namespace

FDESIGNVIEW::FDESIGNVIEW()
    : format(std::make_unique<DESIGN_FORMAT>(*this))
    , styles(std::make_unique<DESIGN_STYLES>(*this))
    , rulers(std::make_unique<DESIGN_RULERS>(*this))
    , pages(std::make_unique<DESIGN_PAGES>(*this))
{
    snap = DESIGN_PAGES::IsSnapToGridOn();
    RegisterCommands();
    DESIGN_CLIPBOARD::RegisterTextCopy();
}

FDESIGNVIEW::~FDESIGNVIEW()
{
    // The objects stay on the form for the views that remain, none of them
    // selected.
    if (selection && selection->GetCount() > 0 && GetFormDocument())
        selection->Deselect(nullptr);
}

void FDESIGNVIEW::RegisterCommands()
{
    auto addTool = [this](const ToolCommand& command) {
        const uint8_t code = command.tool;
        if (command.built) {
            AddCommand(command.id, [this, code](unsigned) { SetTool(code); });
            AddUpdate(command.id, [this, code](ui::CmdUI& cmdUI) {
                cmdUI.Enable(true);
                cmdUI.SetCheck(tool == code ? 1 : 0);
            });
        } else {
            AddCommand(
                command.id, [](unsigned) { ui::MessageBox(ProgramResources().LoadString(kObjectNotImplemented), {}); });
            AddUpdate(command.id, [](ui::CmdUI& cmdUI) { cmdUI.Enable(false); });
        }
    };
    for (const ToolCommand& command : kToolCommands)
        addTool(command);
    AddUpdate(ID_TOOL_RADIO_BUTTON, [this](ui::CmdUI& cmdUI) {
        cmdUI.Enable(true);
        cmdUI.SetCheck(tool == kRadioButtonCode ? 1 : 0);
    });

    AddCommand(ID_EDIT_CLEAR, [this](unsigned) { DeleteSelection(true); });
    AddUpdate(ID_EDIT_CLEAR,
        [this](ui::CmdUI& cmdUI) { cmdUI.Enable(selection && selection->GetCount() > 0 && !IsTableCellCurrent()); });
    AddCommand(ID_EDIT_UNDO, [this](unsigned) { UndoDeletion(); });
    AddUpdate(ID_EDIT_UNDO, [this](ui::CmdUI& cmdUI) { cmdUI.Enable(editor && editor->CanUndoDeletion()); });
    AddCommand(ID_EDIT_SELECT_PAGE, [this](unsigned) { SelectPage(); });
    AddUpdate(ID_EDIT_SELECT_PAGE, [this](ui::CmdUI& cmdUI) { cmdUI.Enable(selection != nullptr); });
    clipboard.RegisterCommands();
    format->RegisterCommands();
    Pages().RegisterPageCommands();
    arrange.RegisterCommands();
    Rulers().RegisterRulerCommands();
    dataProperties.RegisterCommands();
    Styles().RegisterStyleCommands();
    insert.RegisterCommands();
    table.RegisterCommands();
}

int FDESIGNVIEW::SetupDC(VIEWDC& dc, gdi::DC* device)
{
    const int ok = FBASEVIEW::SetupDC(dc, device);
    dc.outputMode = kOutputDesign;
    dc.noTracker = dialogOpen ? 1 : 0;
    if (ok && pageLayout)
        dc.grid = &pageLayout->grid;
    return ok;
}

void FDESIGNVIEW::OnInitialUpdate()
{
    FBASEVIEW::OnInitialUpdate();
    if (FDOCUMENT* form = GetFormDocument(); form && !selection) {
        selection = std::make_unique<FSELECTION>(&form->GetObjects());
        selection->SetPage(static_cast<uint16_t>(currentPage));
        editor = std::make_unique<FORM_EDITOR>(*form, *selection, *this, editorEvents);
    }
    if (QWidget* window = GetWindow())
        drop.GetDropTarget().Register(*window);
    ui::Document* doc = GetDocument();
    if (!doc)
        return;
    for (ui::View* view : doc->Views())
        if (auto* other = dynamic_cast<FBASEVIEW*>(view); other && other != this) {
            if (other->GetZoom() != zoomX)
                SetZoom(other->GetZoom());
            break;
        }
    // While another kind of view fills or orders the form, this one waits.
    for (ui::View* view : doc->Views())
        if (dynamic_cast<FBASEVIEW*>(view) && !dynamic_cast<FDESIGNVIEW*>(view))
            if (QWidget* window = GetWindow())
                window->setEnabled(false);
}

void FDESIGNVIEW::OnDraw(gdi::DC& dc)
{
    if (selection)
        FBASEVIEW::OnDraw(dc);
}

void FDESIGNVIEW::NoteSelected(uint16_t count)
{
    if (selection)
        selection->NoteSelected(count, this);
}

void FDESIGNVIEW::NoteDeselected(uint16_t count)
{
    if (selection)
        selection->NoteDeselected(count, this);
}

void FDESIGNVIEW::OnPageChanged()
{
    if (selection) {
        selection->Deselect(this);
        selection->SetPage(static_cast<uint16_t>(currentPage));
    }
    windowOrg = {0, 0};
    viewportOrg = {placement.left, placement.top};
    OnZoomChanged();
    ShowSelectionPosSize();
}

void FDESIGNVIEW::PrepareToPrint()
{
    if (selection)
        selection->Deselect(this);
    ShowSelectionPosSize();
}

void FDESIGNVIEW::EndTextEdit()
{
    if (FORMOBJ* edited = GetEditedObject(); edited && edited->Deselect(this) != 2)
        edited->Select(this);
}

void FDESIGNVIEW::OnFrameActivate(bool, ui::Frame*)
{
    EndTextEdit();
    // A table whose header is typed in: deselecting it ends the edit.
    if (GetEditedHeader()) {
        FORMOBJ* table = selection->GetFirstSelected();
        if (table->Deselect(this) != 2)
            table->Select(this);
    }
}

void FDESIGNVIEW::OnViewSwitch(bool incoming, ui::View* other)
{
    FDOCUMENT* doc = GetFormDocument();
    if (!incoming) {
        // A text typed in place ends before another view takes the window.
        EndTextEdit();
        // The window takes drops only while it shows this view.
        drop.GetDropTarget().Revoke();
        // The choices for new objects wait in the document.
        if (doc)
            format->KeepDefaults(doc->MakeDesignDefaults());
        return;
    }
    if (QWidget* window = GetWindow())
        drop.GetDropTarget().Register(*window);
    if (auto* from = dynamic_cast<FBASEVIEW*>(other))
        SetZoom(from->GetZoom());
    if (const DESIGN_DEFAULTS* kept = doc ? doc->GetDesignDefaults() : nullptr)
        format->TakeDefaults(*kept);
}

void FDESIGNVIEW::OnActivateView(bool activate, ui::View* activated, ui::View* deactivated)
{
    if (activate) {
        if (const QWidget* window = GetWindow(); window && !window->isEnabled())
            return;
        FBASEVIEW::OnActivateView(true, activated, deactivated);
        if (FDOCUMENT* doc = GetFormDocument())
            doc->SetViewMode(kViewModeDesign);
        UpdateRulers(true, true);
        if (!selection)
            return;
        if (selection->GetCount() > 0) {
            // Its handles show again.
            selection->Invalidate(this);
            return;
        }
        if (ui::Document* doc = GetDocument())
            for (ui::View* view : doc->Views())
                if (auto* other = dynamic_cast<FDESIGNVIEW*>(view); other && other != this)
                    other->ClearSelection();
        return;
    }
    Rulers().HideRulerMarkers();
    FBASEVIEW::OnActivateView(false, activated, deactivated);
    if (!selection || selection->GetCount() == 0)
        return;
    // The view taking over: another view of this form, none at all, or a
    // view of another form (or this view itself, with its frame).
    const bool sameForm = activated && activated != this && activated->GetDocument() == GetDocument();
    if ((sameForm || !activated) && !drop.IsDragSource())
        ClearSelection();
    else
        selection->Invalidate(this);
}

void FDESIGNVIEW::ClearSelection()
{
    if (!selection || selection->GetCount() == 0)
        return;
    selection->Invalidate(this);
    selection->Deselect(this);
    UpdateWindow();
}

bool FDESIGNVIEW::OnEvent(QEvent& e)
{
    if (!selection)
        return FBASEVIEW::OnEvent(e);
    switch (e.type()) {
    case QEvent::MouseButtonPress: {
        auto& mouse = static_cast<QMouseEvent&>(e);
        if (mouse.button() != Qt::LeftButton)
            return false;
        OnLButtonDown(EventPoint(mouse), mouse.modifiers() & Qt::ShiftModifier);
        return true;
    }
    case QEvent::MouseButtonDblClick:
        if (static_cast<QMouseEvent&>(e).button() != Qt::LeftButton)
            return false;
        OnLButtonDblClk();
        return true;
    case QEvent::MouseButtonRelease: {
        auto& mouse = static_cast<QMouseEvent&>(e);
        if (mouse.button() == Qt::RightButton) {
            OnRButtonUp(EventPoint(mouse));
            return true;
        }
        if (mouse.button() != Qt::LeftButton)
            return false;
        OnLButtonUp(EventPoint(mouse), mouse.modifiers() & Qt::ShiftModifier);
        return true;
    }
    case QEvent::MouseMove:
        // The pointer's position, or the selection's place and size.
        FBASEVIEW::OnEvent(e);
        if (selection->GetCount() > 0) {
            ShowSelectionPosSize();
        } else {
            Rulers().ShowPointerInRulers(EventPoint(static_cast<QMouseEvent&>(e)));
            if (host)
                host->SetSizeText("");
        }
        UpdateCursor(EventPoint(static_cast<QMouseEvent&>(e)));
        return false;
    case QEvent::KeyPress: {
        auto& key = static_cast<QKeyEvent&>(e);
        OnKeyDown(key.key(), key.modifiers() & Qt::ShiftModifier);
        if (!(key.modifiers() & (Qt::ControlModifier | Qt::AltModifier)) && OnChar(text::FromQString(key.text())))
            return true;
        return false;
    }
    case QEvent::KeyRelease: {
        auto& key = static_cast<QKeyEvent&>(e);
        if (key.key() == Qt::Key_Delete) {
            DeleteSelection(true);
            return true;
        }
        return FBASEVIEW::OnEvent(e);
    }
    default:
        return FBASEVIEW::OnEvent(e);
    }
}

bool FDESIGNVIEW::GetPointerPos(POINT& device)
{
    QWidget* window = GetWindow();
    if (!window)
        return false;
    const QPoint at = window->mapFromGlobal(QCursor::pos());
    device = {at.x(), at.y()};
    return true;
}

bool FDESIGNVIEW::MovePointer(int32_t dx, int32_t dy)
{
    // Some platforms (Wayland, offscreen) do not let a program move the
    // pointer: the tracker then keeps the page point by scrolling alone.
    const QPoint before = QCursor::pos();
    const QPoint wanted = before + QPoint(dx, dy);
    QCursor::setPos(wanted);
    return QCursor::pos() == wanted;
}

OBJECT_DOCUMENT* FDESIGNVIEW::GetObjectDocument()
{
    return GetFormDocument();
}

bool FDESIGNVIEW::GetMarginRect(RECT& out)
{
    if (!pageLayout)
        return false;
    const FLAYOUT& l = *pageLayout;
    out = {l.left, l.top, l.right ? l.right : l.pageWidth, l.bottom ? l.bottom : l.pageHeight};
    return true;
}

bool FDESIGNVIEW::RecordDeletionUndo()
{
    return editor && editor->RecordDeletionUndo();
}

void FDESIGNVIEW::EditorEvents::PasteTooLarge()
{
    view.clipboard.PasteTooLarge();
}

void FDESIGNVIEW::EditorEvents::PastePlaced()
{
    view.clipboard.PastePlaced();
}

void FDESIGNVIEW::EditorEvents::PageChanged(const FHINT& hint)
{
    view.Pages().OnPageHint(hint);
}

STYLE_BOX_OWNER* FDESIGNVIEW::GetStyleBoxOwner()
{
    return styles.get();
}
