// The in-place editor window: a child window laid over a field, a table
// cell or a text object while its text is edited. It owns the rich text and
// the editing engine over it, turns keys, mouse, paint and the clipboard
// commands into calls of the engine, and reports upward through its edit
// site. Only the editor handle creates, opens and closes it.
#pragma once

#include "forms/fields/editor/editdc.h"
#include "forms/fields/editor/texteditwnd_droplist.h"
#include "forms/fields/richtext/editor_owner.h"
#include "forms/fields/richtext/richeditor.h"
#include "forms/model/geometry.h"
#include "forms/model/textattr.h"
#include "forms/res/command_ids.h"

#include "platform/ui/edit_child_wnd.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class QWidget;
namespace ui {
class DataSource;
}
class RICHTEXT;

// The editor window's control id.
constexpr int kEditWndId = 93;

class TEXTEDITWND
    : public ui::EditChildWnd
    , public EDITOROWNER {
public:
    explicit TEXTEDITWND(EDITSITE* site);
    ~TEXTEDITWND() override;

    // Makes the window over windowRect (device units of the parent), the
    // text from the stored bytes laid out in layoutRect's size, the engine
    // with the caret at the start. 0 when the text cannot be made.
    int Open(const EDITDRAWVALUES& values, const EDITZOOM& zoom, std::string_view text, TEXTATTR attr,
        uint8_t alignment, uint16_t limit, const RECT& windowRect, const RECT& layoutRect, QWidget* parent,
        int keepBackground);
    // Brings the window back for an edit whose window was closed.
    void CreateWnd(const RECT& rect, QWidget* parent);
    // Takes the window away; the text and the editing state stay.
    void Close();
    // Ends the edit: asks the view to repaint under a transparent editor,
    // answers the text's laid-out height (twips), then drops the text and the
    // window.
    uint16_t EndEdit();
    void SetZoom(const EDITZOOM& zoom);
    void SetLayoutSize(const RECT& rect);
    void Redraw();
    void SetAlignment(uint8_t alignment);
    int ApplyTextAttr(const TEXTATTR& attr);
    void SelectAll();
    void StripCodes();
    void ReportCaretAttr();
    // The bytes before the end mark, and their count.
    std::string GetText() const;
    int32_t GetTextLength() const;
    void InsertText(std::string_view text);
    // Makes the text opaque and repaints it whole.
    void InvalidateText();
    void SetBackColour(uint32_t colour) { backColour1 = colour; }
    void SetBackColour2(uint32_t colour) { backColour2 = colour; }
    void SetRichPaste(int flag) { richPaste = flag; }
    // Sets the caret point (twips) in device units, kept inside the window.
    void UpdateCaret(int32_t x, int32_t y) override;
    // Asks the site to scroll so that the point (twips) can be seen; mode 0
    // for a point the text put there, 1 for a point kept where it is, 2 for
    // the caret after a key.
    void ScrollToCaret(int32_t x, int32_t y, int mode);

    // The selection's formats (native text, plain text, font list) into a
    // data source; 0 without a selection.
    int CopyTo(ui::DataSource& into);
    // The format common to the selection, or the typing format.
    TEXTATTR GetSelectionAttr() const;
    // The text with its caret and selection, kept by a caller that may
    // want them back (a format dialog's Cancel), and their return.
    RICHEDITOR::SNAPSHOT SaveState();
    void RestoreState(const RICHEDITOR::SNAPSHOT& state);

    // The drop list of a field with a value list: made hidden under the
    // field with the list filled from the source, the whole text selected;
    // shown and hidden by the drop button and Alt+Up or Alt+Down; gone with
    // the edit.
    void OpenDropList(const DROPLISTDESC& desc);
    // Hides the list, the editor keeping the focus.
    void CloseDropList();
    // Moves the list under the field after the editor window moved.
    void PositionDropList();
    // Moves the drop button to the rectangle (logical units).
    void MoveDropButton(const RECT& rect);
    // The source of the list's values; null without a value list.
    VALUESOURCE* GetValueSource() const { return dropList.source; }
    bool HasDropList() const { return listFrame != nullptr; }
    bool IsDropListShown() const;
    // Null without a drop list.
    ui::ListBox* GetDropListBox() const;
    DROP_BUTTON* GetDropButton() const { return dropButton.get(); }
    DROPLIST_WND* GetDropListFrame() const { return listFrame.get(); }

    // The clipboard commands: whether enabled, and doing them.
    bool IsCommandEnabled(unsigned id) const;
    bool OnCommand(unsigned id);

    // EDITOROWNER
    EDITSITE* GetSite() override { return site; }
    TEXTDRAWINFO* GetDrawInfo() override;
    void ReleaseDrawInfo(TEXTDRAWINFO* info) override;
    void CreateCaret(int32_t width, int32_t height) override;
    void ShowCaret(bool show) override;
    bool HasFocus() const override { return EditChildWnd::HasFocus(); }
    void ScrollToCaret() override;
    uint32_t PickContrastColour() const override;
    int GetReplaceSelection() const override { return replaceSelection; }
    int GetRichPaste() const override { return richPaste; }

    RICHTEXT* Text() const { return text.get(); }
    RICHEDITOR* Editor() const { return editor.get(); }
    const EDITZOOM& Zoom() const { return zoom; }

    uint32_t hidden = 0;

protected:
    bool PreTranslateKeyDown(unsigned vk, unsigned repeat, unsigned flags) override;
    bool PreTranslateKeyUp(unsigned vk, unsigned repeat, unsigned flags) override;
    void OnKeyDown(unsigned vk, unsigned repeat, unsigned flags) override;
    void OnChar(unsigned char ch, unsigned repeat, unsigned flags) override;
    void OnSysKeyUp(unsigned vk, unsigned repeat, unsigned flags) override;
    void OnLButtonDown(unsigned flags, gdi::POINT point) override;
    void OnMouseMove(unsigned flags, gdi::POINT point) override;
    void OnLButtonUp(unsigned flags, gdi::POINT point) override;
    void OnLButtonDblClk(unsigned flags, gdi::POINT point) override;
    void OnSetFocus() override;
    void OnKillFocus() override;
    void OnPaint(gdi::DC& dc, const gdi::RECT& area) override;

private:
    // A device point of the window in twips of the text.
    POINT ToLogical(gdi::POINT point);
    // The part of the window its parent shows, in twips of the text.
    RECT VisibleLogical();
    bool HasSelection() const;

    // The drop list's side of keys and clicks.
    // Only the list's values may be entered.
    bool ValuesOnly() const { return dropList.source && dropList.valuesOnly; }
    // A key for the list (Up, Down, Alt+Up, Alt+Down, Esc, Enter) with a
    // value source; true when the list took it.
    bool OnListKey(unsigned vk, unsigned flags);
    // Shows or hides the list, taking its selection from the text first.
    void ToggleDropList();
    // After the text changed: the list's selection goes and is taken from
    // the text again when next needed.
    void ForgetListSelection();
    // Selects the entry that the text equals ignoring case (and takes it
    // into the text), else the first entry.
    void SynchroniseDropList();
    // The selected entry replaces the whole text.
    void TakeListItem();
    void OnListSelChange();
    // Makes the list frame, its box and the button at the present zoom and
    // fills the box; integralHeight trims the list to whole entries.
    void MakeDropListWindows(bool integralHeight);
    void MakeDropButton();
    // Rebuilds the list at a new zoom, keeping its selection.
    void RebuildDropList(const RECT& client);
    // The list's place in the parent (device units), one pixel larger at
    // right and bottom.
    gdi::RECT DropListPlace();
    void CreateEditFont(ui::ListBox& box);

    EDITSITE* site;
    std::unique_ptr<RICHTEXT> text;
    std::unique_ptr<RICHEDITOR> editor;
    std::vector<std::unique_ptr<EDITDC>> contexts;
    EDITDRAWVALUES values;
    EDITZOOM zoom;
    uint32_t active = 0;
    uint32_t richPaste = 1;
    uint32_t firstPaint = 0;
    uint32_t replaceSelection = 1;
    uint32_t backColour1 = 0xFFFFFF;
    uint32_t backColour2 = 0xFFFFFF;
    bool dragging = false;
    QWidget* parentWidget = nullptr;
    DROPLISTDESC dropList;
    std::unique_ptr<DROPLIST_WND> listFrame;
    std::unique_ptr<DROP_BUTTON> dropButton;
};
