// The base of the form views: shows one page of the form at a zoom, maps
// twips to the screen or a printer, draws the page with its margin guides,
// scrolls over it, moves between pages, keeps the status panes and marks,
// and prints the form.
#pragma once

#include "forms/app/views/marklist.h"
#include "forms/app/views/view_frame.h"
#include "forms/app/views/view_host.h"
#include "forms/model/fhint.h"
#include "forms/model/object_view.h"
#include "forms/model/textattr.h"
#include "forms/model/viewdc.h"
#include "forms/res/command_ids.h"

#include "platform/ui/view.h"

#include <QRegion>
#include <Qt>

#include <memory>
#include <string>

class FDOCUMENT;
class FLAYOUT;
class QScrollBar;

class PRINT_CANCEL_DLG;
class STYLE_BOX_OWNER;

namespace gdi {
class Surface;
class WindowSurface;
} // namespace gdi
namespace ui {
class CmdUI;
class Splitter;
} // namespace ui

// Scroll codes of the scroll bars.
enum ScrollCode : uint8_t {
    SB_LINEUP = 0,
    SB_LINEDOWN = 1,
    SB_PAGEUP = 2,
    SB_PAGEDOWN = 3,
    SB_THUMBPOSITION = 4,
    SB_THUMBTRACK = 5,
    SB_TOP = 6,
    SB_BOTTOM = 7,
    SB_ENDSCROLL = 8,
};

// The zoom commands and their percentages.
struct ZoomCommand {
    unsigned id;
    int percent;
};
inline constexpr ZoomCommand kZoomCommands[] = {{ID_ZOOM_10, 10}, {ID_ZOOM_25, 25}, {ID_ZOOM_50, 50}, {ID_ZOOM_75, 75},
    {ID_ZOOM_100, 100}, {ID_ZOOM_150, 150}, {ID_ZOOM_200, 200}};

// Twips in hundredths of a millimetre, rounded to the nearest.
int32_t TwipsToHiMetric(int16_t twips);

// Where the page lies in the window, in pixels: its left and top offsets and
// the free space to its right and below.
struct PagePlacement {
    int32_t left = 8;
    int32_t top = 8;
    int32_t right = 8;
    int32_t bottom = 8;
};

class FBASEVIEW
    : public ui::View
    , public OBJECT_VIEW {
public:
    FBASEVIEW();
    ~FBASEVIEW() override;

    // What the view asks of its frame and the program; null outside the
    // program. A view given a host takes the unit of its settings.
    void SetViewHost(VIEW_HOST* viewHost);
    VIEW_HOST* GetViewHost() const { return host; }

    // The form document the view shows, or null for another kind.
    FDOCUMENT* GetFormDocument() const;
    FLAYOUT* GetPageLayout() const { return pageLayout; }

    // The outgoing view gets (false, new view), then the incoming one
    // (true, old view).
    virtual void OnViewSwitch(bool incoming, ui::View* other);
    // The view's child frame is being deactivated.
    virtual void OnFrameActivate(bool activate, ui::Frame* frame);
    // The frame shows the view for the first time, or after a switch.
    virtual void OnInitialUpdate();
    // Filling order (32810), test fill (32811) and field naming (32814) are
    // enabled only while every view of the document is a design view; field
    // matching (32812) always is; other commands are left alone.
    virtual void OnUpdateViewMenu(ui::CmdUI& cmdUI);
    // Keeps the active flag, by which the selection shows its handles.
    void OnActivateView(bool activate, ui::View* activated, ui::View* deactivated) override;
    // The document changed: no hint repaints everything, a page hint keeps
    // the current page valid.
    virtual void OnUpdate(ui::View* sender, uint32_t hintCode, const FHINT* hint);
    // Draws the current page on a device context.
    virtual void OnDraw(gdi::DC& dc);
    virtual void OnPageChanged();
    virtual void OnZoomChanged();

    // OBJECT_VIEW.
    std::unique_ptr<gdi::DC> GetWindowDC() override;
    int SetupDC(VIEWDC& dc, gdi::DC* device) override;
    int SetupOwnDC(VIEWDC& dc) override;
    void ToDeviceRect(RECT& rect) override;
    void InvalidateRect(const RECT& rect, bool erase) override;
    void InvalidateOutline(const Outline& outline, bool erase) override;
    void UpdateWindow() override;
    bool IsActiveView() override { return active; }
    void UpdateAllViews(uint32_t hint, FORMOBJ* object) override;
    uint16_t GetCurrentPage() override { return static_cast<uint16_t>(currentPage); }
    int16_t GetPageWidth() override;
    int16_t GetPageHeight() override;
    bool DrawsSelection() override { return false; }
    void NoteSelected(uint16_t) override {}
    void NoteDeselected(uint16_t) override {}
    void RecordSelectionUndo() override {}
    void SetAppearanceSheetOpen(bool) override {}
    int RunAppearanceSheet(uint16_t, FORMOBJ&) override { return -1; }
    void UndoLast() override {}
    void DropLastUndo() override {}
    void PostCommand(uint16_t id) override;
    void SetFocus() override;
    QWidget* GetTrackingWindow() override { return GetWindow(); }
    int GetAutoScrollSide(POINT point) override;
    SIZE ScrollLine(int side) override;
    void ShowPosSize(const RECT& rect) override;
    bool HasOtherViews() override;
    // Kept in client coordinates and invalidated (fbaseview_edit.cpp).
    void SetEditRepaintRect(const RECT& screen) override;
    // The area to repaint once an editor has gone (client coordinates).
    const RECT& GetEditRepaintRect() const { return editRepaintRect; }
    void OnPageKeyUp(bool pageUp, bool control) override;

    // Zoom and pages.
    void SetZoom(int percent);
    int GetZoom() const { return zoomX; }
    void SetPage(int page);
    void NextPage();
    void PrevPage();
    int GetPageCount() const;
    // The page pane's text, " %d of %d", and showing it in the pane.
    std::string PagePaneText() const;
    void ShowPagePane() const;

    // Status panes: twips shown in the unit of the "Inches" setting.
    std::string PositionText(int32_t x, int32_t y) const;
    std::string SizeText(int32_t width, int32_t height) const;
    void ShowPosition(int32_t x, int32_t y);
    void ShowSize(int32_t width, int32_t height);
    void ClearPosSize();
    void SetUnit(uint16_t unit) { this->unit = unit; }
    uint16_t GetUnit() const { return unit; }
    // Everything is drawn again (display options changed).
    void RepaintAll() { InvalidateAll(); }

    // Works out where the page lies in the window at the current zoom.
    void CalcPageRect();
    const PagePlacement& GetPlacement() const { return placement; }
    POINT GetViewportOrg() const { return viewportOrg; }
    POINT GetScrollPos() const { return windowOrg; }
    // Fills the window outside the page with the workspace colour and the
    // page with its background colour.
    void PaintBackground(gdi::DC& dc, const RECT& area);
    virtual void DrawPageGuides(VIEWDC& dc);

    // Scrolling (pixels moved: positive to the right or down).
    virtual SIZE ScrollHorz(uint8_t code, int16_t position, QScrollBar* bar);
    virtual SIZE ScrollVert(uint8_t code, int16_t position, QScrollBar* bar);
    // Moves the page by a distance along one axis (0 horizontal, 1
    // vertical) and re-clamps both axes; the window content is not moved,
    // the rulers of each axis that moved follow.
    virtual SIZE RecalcLayout(uint8_t axis, int16_t distance, VIEWDC& dc);
    void SetScrollRangeHorz(VIEWDC& dc, QScrollBar* bar);
    void SetScrollRangeVert(VIEWDC& dc, QScrollBar* bar);
    // Scrolls by distances in twips on a page; 0 when nothing can be set up.
    int AutoScroll(int16_t dx, int16_t dy, uint16_t page) override;
    // Whether a device point lies within the edge border, and on which
    // side; only asks, never scrolls.
    int GetAutoScrollSide(POINT point, uint16_t& side);
    void ToLogicalRect(RECT& rect);
    void ToLogicalPoint(POINT& point);
    void FromLogicalPoint(RECT& rect);
    void OffsetByScroll(RECT& rect);
    // The shared bar of the splitter pane that holds the view, or null.
    virtual QScrollBar* GetScrollBarCtrl(Qt::Orientation orientation) const;
    ui::Splitter* GetParentSplitter() const;

    // Rulers (fbaseview_rulers.cpp): those of the view's child frame, null
    // outside one.
    VIEW_RULER* GetRuler(bool horizontal) const;
    // While the view is its frame's active view, each ruler asked for takes
    // the view's scale, scroll position, page length and unit, and is drawn
    // anew; done after every scroll and zoom, so the rulers follow the page.
    // False when the view does not feed the rulers.
    virtual bool UpdateRulers(bool horizontal, bool vertical);
    // What answers the format bar's style box while this view is active;
    // null for a view that has no styles to offer.
    virtual STYLE_BOX_OWNER* GetStyleBoxOwner() { return nullptr; }

    // The window's client rectangle in pixels.
    RECT GetClientRect() const override;

    // Marks.
    int MarkObject(FORMOBJ* object, bool mark);
    int ToggleMark(FORMOBJ* object);
    void ClearMarks();
    MARKLIST& GetMarks() { return marks; }

    // What a job prints: the pages, from 1 (backwards when from is past to;
    // to 0 for the last page), how many copies, as whole sets or each page
    // so many times, and the PDF file the PDF printer writes ("" for the
    // view's own).
    struct PrintJob {
        int from = 1;
        int to = 0;
        int copies = 1;
        bool collate = true;
        std::string pdfPath;
    };
    // Printing: the range on the current printer, or on the PDF printer
    // into pdfPath. False when the job failed or was cancelled; the user
    // has been told.
    bool PrintPages(bool showDialog, const PrintJob& job);
    bool PrintPages(bool showDialog) { return PrintPages(showDialog, PrintJob {}); }
    // The print loop on a printer's surface: each page on its own paper,
    // then the dialog's abort procedure; the document is ended when every
    // page printed, and aborted after the page in hand on Cancel or an
    // error.
    enum class PrintOutcome { Printed, Cancelled, Failed };
    PrintOutcome PrintPagesOn(gdi::Surface& surface, PRINT_CANCEL_DLG* dialog, const PrintJob& job);
    PrintOutcome PrintPagesOn(gdi::Surface& surface, PRINT_CANCEL_DLG* dialog)
    {
        return PrintPagesOn(surface, dialog, PrintJob {});
    }
    // Called before printing and before a print preview; the design view
    // deselects everything here.
    virtual void PrepareToPrint() {}
    bool PrintDirect();
    // File Print: the Print dialog, where a printer chosen becomes the
    // program's, then the pages chosen. False when cancelled or failed.
    bool OnFilePrint();
    // Draws one page for a printer or a preview.
    void OnPrint(gdi::DC& dc, int page);
    // The PDF file the PDF printer writes for this form: beside the form,
    // with its name and ".pdf".
    std::string DefaultPdfPath() const;
    void SetPdfPath(std::string path) { pdfPath = std::move(path); }
    // Pages a print preview shows at once: 1 for a one-page form, else 2.
    int PreviewPageCount() const { return GetPageCount() == 1 ? 1 : 2; }
    void OnFilePrintPreview();

    bool OnEvent(QEvent& e) override;
    void OnScroll(Qt::Orientation orientation, int position) override;

    // Text attributes (fbaseview_text.cpp): those the format bar shows,
    // and a format change for what the view edits (the base only takes the
    // keyboard focus).
    const TEXTATTR& GetTextAttr() const { return textAttr; }
    void SetTextAttr(const TEXTATTR& attr) override;
    void ApplyTextAttr(const TEXTATTR& change) override;

protected:
    // The host's drawing preferences, or the defaults without a host.
    VIEW_SETTINGS Settings() const;
    // The host's format bar, or null.
    FORMAT_BAR* TextBar() const { return host ? host->GetTextToolBar() : nullptr; }
    // Paints what is invalid now.
    void Paint(const QRegion& area);
    void InvalidateAll();
    void ResetScrollBars();
    SIZE ScrollBy(uint8_t axis, uint8_t code, int16_t position, QScrollBar* bar);
    // Moves the window content (child windows too) by a pixel pair.
    void ScrollWindow(SIZE moved);
    void OnKeyUp(int key, bool ctrl);

    FLAYOUT* pageLayout = nullptr;
    int16_t currentPage = 1;
    POINT windowOrg {0, 0}; // the scroll position, twips
    POINT viewportOrg {8, 8}; // the page's corner, pixels
    int32_t zoomX = 100;
    int32_t zoomY = 100;
    int32_t zoomBaseX = 100;
    int32_t zoomBaseY = 100;
    uint16_t unit = 0;
    PagePlacement placement;
    VIEW_HOST* host = nullptr;
    RECT extraBorder {0, 0, 0, 0};
    bool active = false;
    gdi::COLORREF backgroundColour = 0xFFFFFF;
    bool placed = false;
    MARKLIST marks;
    std::string pdfPath;
    RECT editRepaintRect {0, 0, 0, 0};
    // The current text attributes: black 12-point text in face 0.
    TEXTATTR textAttr = [] {
        TEXTATTR attr;
        attr.Reset();
        return attr;
    }();

private:
    std::unique_ptr<gdi::WindowSurface> surface;
    QRegion invalid;
    bool paintPosted = false;
};
