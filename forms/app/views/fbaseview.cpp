// The base view: mapping, drawing, zoom, pages, page hints, status panes,
// window events and marks.
#include "forms/app/views/fbaseview.h"

#include "forms/app/views/view_index.h"
#include "forms/document/fdocument.h"
#include "forms/document/print/flayout.h"
#include "forms/model/fhint.h"
#include "forms/model/formobj.h"
#include "forms/model/shade.h"

#include "platform/gdi/window_surface.h"
#include "platform/ui/app.h"
#include "platform/ui/cmd_ui.h"
#include "platform/ui/document.h"
#include "platform/ui/frame.h"
#include "platform/ui/key_press_watch.h"
#include "platform/ui/splitter.h"
#include "platform/ui/status_bar.h"

#include <QKeyEvent>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cstdio>

namespace {

// The workspace colour around the page, and the greys that stand in for it
// when the page itself has that colour.
constexpr gdi::COLORREF kAppWorkspace = 0xABABAB;
constexpr gdi::COLORREF kDarkGrey = 0x404040;
constexpr gdi::COLORREF kLightGrey = 0xC0C0C0;
constexpr int32_t kGuideStrip = 360;
constexpr char kPosLabel[] = "Pos (x,y) :";
constexpr char kSizeLabel[] = "Size (w,h) :";

gdi::Region ToRegion(const QRegion& area)
{
    gdi::Region region;
    for (const QRect& r : area) {
        gdi::Region part = gdi::Region::Rect(r.left(), r.top(), r.right() + 1, r.bottom() + 1);
        if (region.IsEmpty())
            region = part;
        else
            region.Combine(region, part, gdi::RGN_OR);
    }
    return region;
}

} // namespace

FBASEVIEW::FBASEVIEW()
{
    for (const ZoomCommand& zoom : kZoomCommands) {
        const int percent = zoom.percent;
        AddCommand(zoom.id, [this, percent](unsigned) { SetZoom(percent); });
        AddUpdate(zoom.id, [this, percent](ui::CmdUI& cmdUI) { cmdUI.SetCheck(zoomX == percent ? 1 : 0); });
    }
    AddCommand(ID_NEXT_PAGE, [this](unsigned) { NextPage(); });
    AddUpdate(ID_NEXT_PAGE, [this](ui::CmdUI& cmdUI) { cmdUI.Enable(currentPage < GetPageCount()); });
    AddCommand(ID_PREV_PAGE, [this](unsigned) { PrevPage(); });
    AddUpdate(ID_PREV_PAGE, [this](ui::CmdUI& cmdUI) { cmdUI.Enable(currentPage > 1); });
    AddUpdate(ID_INDICATOR_PAGE, [this](ui::CmdUI& cmdUI) { cmdUI.SetText(PagePaneText()); });
    AddCommand(ID_FILE_PRINT_DIRECT, [this](unsigned) { PrintDirect(); });
    AddUpdate(ID_FILE_PRINT_DIRECT, [this](ui::CmdUI& cmdUI) { cmdUI.Enable(GetFormDocument() != nullptr); });
    AddCommand(ID_FILE_PRINT, [this](unsigned) { OnFilePrint(); });
    AddUpdate(ID_FILE_PRINT, [this](ui::CmdUI& cmdUI) { cmdUI.Enable(GetFormDocument() != nullptr); });
    AddCommand(ID_FILE_PRINT_PREVIEW, [this](unsigned) { OnFilePrintPreview(); });
    AddUpdate(ID_FILE_PRINT_PREVIEW, [this](ui::CmdUI& cmdUI) { cmdUI.Enable(GetFormDocument() != nullptr); });
}

FBASEVIEW::~FBASEVIEW() = default;

void FBASEVIEW::SetViewHost(VIEW_HOST* viewHost)
{
    host = viewHost;
    unit = static_cast<uint16_t>(Settings().inches);
}

VIEW_SETTINGS FBASEVIEW::Settings() const
{
    return host ? host->GetViewSettings() : VIEW_SETTINGS {};
}

FDOCUMENT* FBASEVIEW::GetFormDocument() const
{
    return dynamic_cast<FDOCUMENT*>(GetDocument());
}

int FBASEVIEW::GetPageCount() const
{
    const FDOCUMENT* doc = GetFormDocument();
    return doc ? doc->GetPageCount() : 0;
}

void FBASEVIEW::OnViewSwitch(bool, ui::View*)
{}

void FBASEVIEW::OnFrameActivate(bool, ui::Frame*)
{}

void FBASEVIEW::OnInitialUpdate()
{
    FDOCUMENT* doc = GetFormDocument();
    pageLayout = doc ? doc->GetPageLayout(static_cast<uint16_t>(currentPage)) : nullptr;
    if (!pageLayout)
        return;
    if (!placed) {
        placed = true;
        if (QWidget* window = GetWindow())
            window->setMouseTracking(true);
        if (ui::Frame* frame = GetParentFrame(); frame && frame->GetActiveView() == this)
            active = true;
        CalcPageRect();
        viewportOrg = {placement.left, placement.top};
    }
    // A new pane of a split window takes its scroll positions from the
    // panes it lines up with, and the zoom from the top-left pane.
    int row = -1;
    int column = -1;
    if (ui::Splitter* splitter = GetParentSplitter(); splitter
        && splitter->GetRowCount() * splitter->GetColumnCount() > 1 && splitter->FindPane(*this, row, column)) {
        auto pane = [&](int r, int c) {
            return r >= 0 && c >= 0 && r < splitter->GetRowCount() && c < splitter->GetColumnCount()
                ? dynamic_cast<FBASEVIEW*>(splitter->GetPane(r, c))
                : nullptr;
        };
        if (FBASEVIEW* other = pane(1 - row, column); other && other != this) {
            windowOrg.x = other->windowOrg.x;
            viewportOrg.x = other->viewportOrg.x;
        }
        if (FBASEVIEW* other = pane(row, 1 - column); other && other != this) {
            windowOrg.y = other->windowOrg.y;
            viewportOrg.y = other->viewportOrg.y;
        }
        if (FBASEVIEW* first = pane(0, 0); first && first != this) {
            zoomX = first->zoomX;
            zoomY = first->zoomY;
        }
    }
    OnZoomChanged();
    ShowPagePane();
}

void FBASEVIEW::OnUpdateViewMenu(ui::CmdUI& cmdUI)
{
    switch (cmdUI.Id()) {
    case ID_VIEW_DESIGN + kFillingOrderView:
    case ID_VIEW_DESIGN + kFillView:
    case ID_VIEW_DESIGN + kFieldNamingView: {
        ui::Document* doc = GetDocument();
        cmdUI.Enable(doc && host && host->AllViewsOfIndex(*doc, kDesignView));
        break;
    }
    case ID_VIEW_DESIGN + kFieldMatchingView:
        cmdUI.Enable(true);
        break;
    default:
        break;
    }
}

void FBASEVIEW::OnActivateView(bool activate, ui::View*, ui::View*)
{
    active = activate;
    if (activate)
        ShowPagePane();
}

void FBASEVIEW::ShowPagePane() const
{
    if (host)
        host->SetPageText(PagePaneText());
}

void FBASEVIEW::OnUpdate(ui::View* sender, uint32_t, const FHINT* hint)
{
    if (sender == this)
        return;
    if (!hint) {
        InvalidateAll();
        return;
    }
    const int count = GetPageCount();
    if (hint->kind == kHintPageDeleted) {
        // The page count is already one less: the view shows the page that
        // took the deleted one's place, or the page that is now last.
        int page = currentPage;
        if (hint->page < currentPage)
            page = currentPage - 1;
        page = std::max(1, std::min(page, count));
        if (hint->page <= currentPage || page != currentPage)
            SetPage(page);
    } else if (hint->kind == kHintPageInserted) {
        if (hint->page == currentPage)
            SetPage(currentPage);
        else if (hint->page < currentPage)
            SetPage(std::min(currentPage + 1, count));
    }
}

int FBASEVIEW::SetupDC(VIEWDC& v, gdi::DC* device)
{
    FDOCUMENT* doc = GetFormDocument();
    FLAYOUT* layout = doc ? doc->GetPageLayout(static_cast<uint16_t>(currentPage)) : nullptr;
    if (!layout)
        return 0;
    pageLayout = layout;
    if (!v.dc)
        v.dc = device;
    if (!v.dc)
        return 0;
    gdi::DC& dc = *v.dc;
    v.SetMapMode(gdi::MM_ANISOTROPIC);
    const int dpiX = dc.GetDeviceCaps(gdi::LOGPIXELSX);
    const int dpiY = dc.GetDeviceCaps(gdi::LOGPIXELSY);
    if (dc.IsPrinting()) {
        v.SetWindowOrg(0, 0);
        v.SetWindowExt(1440, 1440);
        v.SetViewportExt(dpiX, dpiY);
        v.SetViewportOrg(-dc.GetDeviceCaps(gdi::PHYSICALOFFSETX), -dc.GetDeviceCaps(gdi::PHYSICALOFFSETY));
        v.deviceKind = dc.Kind() == gdi::DeviceKind::Preview ? kDevicePreview : kDevicePrinter;
        v.originX = 0;
        v.originY = 0;
    } else {
        v.SetWindowOrg(0, 0);
        v.originX = windowOrg.x;
        v.originY = windowOrg.y;
        v.SetViewportOrg(viewportOrg.x, viewportOrg.y);
        v.SetWindowExt(1440 * zoomBaseX / 100, 1440 * zoomBaseY / 100);
        v.SetViewportExt(dpiX * zoomX / 100, dpiY * zoomY / 100);
        v.deviceKind = kDeviceWindow;
    }
    v.zoomX = dc.IsPrinting() ? 100 : zoomX;
    v.zoomY = dc.IsPrinting() ? 100 : zoomY;
    v.pageWidth = static_cast<int16_t>(layout->pageWidth);
    v.pageHeight = static_cast<int16_t>(layout->pageHeight);
    v.pageLayout = layout;
    v.view = v.view ? v.view : this;
    v.handleView = this;
    v.drawHandles = active ? 1 : 0;
    v.checkBoxOutlines = Settings().checkBoxOutlines;
    v.showBaselines = Settings().showBaselines;
    if (dc.IsPrinting()) {
        POINT corners[2] = {{0, 0}, {layout->pageWidth, layout->pageHeight}};
        v.LPtoDP(corners, 2);
        const RECT page {corners[0].x, corners[0].y, corners[1].x, corners[1].y};
        v.SetClipRect(&page);
    }
    return 1;
}

int FBASEVIEW::SetupOwnDC(VIEWDC& v)
{
    return SetupDC(v, v.dc);
}

std::unique_ptr<gdi::DC> FBASEVIEW::GetWindowDC()
{
    QWidget* window = GetWindow();
    if (!window)
        return nullptr;
    if (!surface || surface->Widget() != window)
        surface = std::make_unique<gdi::WindowSurface>(window);
    return std::make_unique<gdi::DC>(*surface);
}

RECT FBASEVIEW::GetClientRect() const
{
    const QWidget* window = GetWindow();
    return window ? RECT {0, 0, window->width(), window->height()} : RECT {};
}

void FBASEVIEW::OnDraw(gdi::DC& dc)
{
    FDOCUMENT* doc = GetFormDocument();
    if (!doc)
        return;
    dc.SaveDC();
    VIEWDC v;
    v.dc = &dc;
    v.view = this;
    if (SetupDC(v, &dc)) {
        if (!dc.IsPrinting())
            DrawPageGuides(v);
        RECT box;
        dc.GetClipBox(box);
        v.clipRect = box;
        doc->GetObjects().DrawPage(v, static_cast<uint16_t>(currentPage));
        if (!dc.IsPrinting())
            marks.HighlightPage(v, static_cast<uint16_t>(currentPage));
    }
    dc.RestoreDC(-1);
}

void FBASEVIEW::DrawPageGuides(VIEWDC& v)
{
    if (!Settings().showMargins || !pageLayout || !v.dc)
        return;
    const FLAYOUT& l = *pageLayout;
    const int32_t width = l.pageWidth;
    const int32_t height = l.pageHeight;
    gdi::DC& dc = *v.dc;
    // Lines are filled in device pixels so that each is one pixel wide.
    auto fill = [&](int32_t x0, int32_t y0, int32_t x1, int32_t y1, const gdi::Brush& brush) {
        POINT p[2] = {{x0 - v.originX, y0 - v.originY}, {x1 - v.originX, y1 - v.originY}};
        v.LPtoDP(p, 2);
        const int w = std::max(1, p[1].x - p[0].x);
        const int h = std::max(1, p[1].y - p[0].y);
        dc.SaveDC();
        dc.SetMapMode(gdi::MM_TEXT);
        dc.SetWindowOrg(0, 0);
        dc.SetViewportOrg(0, 0);
        const gdi::Brush old = dc.SelectObject(brush);
        dc.PatBlt(p[0].x, p[0].y, w, h, gdi::PATCOPY);
        dc.SelectObject(old);
        dc.RestoreDC(-1);
    };
    const gdi::Brush& guide = BASICSHADE::GetPatternBrush(5);
    const gdi::Brush strip = gdi::Brush::Solid(kLightGrey);
    const int32_t top = l.top;
    const int32_t bottom = l.bottom ? l.bottom : height;
    const int32_t left = l.left;
    const int32_t right = l.right ? l.right : width;
    auto vertical = [&](int32_t x) {
        fill(x, top, x, bottom, guide);
        fill(x, std::max(0, top - kGuideStrip), x, top, strip);
        fill(x, bottom, x, std::min(height, bottom + kGuideStrip), strip);
    };
    auto horizontal = [&](int32_t y) {
        fill(left, y, right, y, guide);
        fill(std::max(0, left - kGuideStrip), y, left, y, strip);
        fill(right, y, std::min(width, right + kGuideStrip), y, strip);
    };
    if (l.left != 0)
        vertical(l.left);
    if (l.right != 0 && l.right != width)
        vertical(l.right);
    if (l.top != 0)
        horizontal(l.top);
    if (l.bottom != 0 && l.bottom != height)
        horizontal(l.bottom);
}

void FBASEVIEW::PaintBackground(gdi::DC& dc, const RECT& area)
{
    const RECT box {std::min(area.left, area.right), std::min(area.top, area.bottom), std::max(area.left, area.right),
        std::max(area.top, area.bottom)};
    gdi::COLORREF around = kAppWorkspace;
    if (backgroundColour == kAppWorkspace)
        around = kDarkGrey;
    if (backgroundColour == kDarkGrey && around == kDarkGrey)
        around = kLightGrey;
    const gdi::Brush aroundBrush = gdi::Brush::Solid(around);
    VIEWDC v;
    v.dc = &dc;
    dc.SaveDC();
    if (!SetupDC(v, &dc)) {
        dc.RestoreDC(-1);
        dc.FillRect(box, aroundBrush);
        return;
    }
    RECT page;
    v.GetPageRectDP(page);
    POINT p[2] = {{page.left, page.top}, {page.right, page.bottom}};
    v.LPtoDP(p, 2);
    dc.SetMapMode(gdi::MM_TEXT);
    dc.SetWindowOrg(0, 0);
    dc.SetViewportOrg(0, 0);
    const RECT sheet {
        std::min(p[0].x, p[1].x), std::min(p[0].y, p[1].y), std::max(p[0].x, p[1].x), std::max(p[0].y, p[1].y)};
    // The page first, then only what it leaves of the area: the bands above
    // and below it and those to its left and right, so that no pixel is
    // filled twice. The page goes first because the window surface keeps
    // the areas drawn in that order, and the objects then drawn on the page
    // are found inside the first.
    dc.FillRect(sheet, gdi::Brush::Solid(backgroundColour));
    const int top = std::clamp(sheet.top, box.top, box.bottom);
    const int bottom = std::clamp(sheet.bottom, top, box.bottom);
    const int left = std::clamp(sheet.left, box.left, box.right);
    const int right = std::clamp(sheet.right, left, box.right);
    if (top == bottom || left == right) {
        dc.FillRect(box, aroundBrush);
    } else {
        dc.FillRect({box.left, box.top, box.right, top}, aroundBrush);
        dc.FillRect({box.left, bottom, box.right, box.bottom}, aroundBrush);
        dc.FillRect({box.left, top, left, bottom}, aroundBrush);
        dc.FillRect({right, top, box.right, bottom}, aroundBrush);
    }
    dc.RestoreDC(-1);
}

void FBASEVIEW::Paint(const QRegion& area)
{
    std::unique_ptr<gdi::DC> dc = GetWindowDC();
    if (!dc || area.isEmpty())
        return;
    const gdi::Region clip = ToRegion(area);
    dc->SelectClipRgn(&clip);
    const QRect box = area.boundingRect();
    if (GetFormDocument() && pageLayout)
        PaintBackground(*dc, {box.left(), box.top(), box.right() + 1, box.bottom() + 1});
    OnDraw(*dc);
}

void FBASEVIEW::InvalidateRect(const RECT& rect, bool)
{
    // A rectangle inside one already waiting adds nothing: results stored
    // into many fields would otherwise grow the region by one each.
    const QRect area = QRect(rect.left, rect.top, rect.Width(), rect.Height()).normalized();
    if (std::none_of(invalid.begin(), invalid.end(), [&area](const QRect& r) { return r.contains(area); }))
        invalid += area;
    if (paintPosted || !GetWindow())
        return;
    paintPosted = true;
    std::weak_ptr<CmdTarget*> alive = Token();
    QTimer::singleShot(0, GetWindow(), [this, alive] {
        if (!alive.expired()) {
            paintPosted = false;
            UpdateWindow();
        }
    });
}

void FBASEVIEW::InvalidateOutline(const Outline& outline, bool erase)
{
    RECT box {outline.pt[0].x, outline.pt[0].y, outline.pt[0].x, outline.pt[0].y};
    for (const POINT& p : outline.pt) {
        box.left = std::min(box.left, p.x);
        box.top = std::min(box.top, p.y);
        box.right = std::max(box.right, p.x + 1);
        box.bottom = std::max(box.bottom, p.y + 1);
    }
    InvalidateRect(box, erase);
}

void FBASEVIEW::InvalidateAll()
{
    const RECT client = GetClientRect();
    InvalidateRect(client, true);
}

void FBASEVIEW::UpdateWindow()
{
    const QRegion area = invalid & QRect(0, 0, GetClientRect().right, GetClientRect().bottom);
    invalid = QRegion();
    Paint(area);
}

void FBASEVIEW::UpdateAllViews(uint32_t hint, FORMOBJ*)
{
    if (ui::Document* doc = GetDocument())
        for (ui::View* view : doc->Views())
            if (auto* other = dynamic_cast<FBASEVIEW*>(view); other && other != this)
                other->OnUpdate(this, hint, nullptr);
}

bool FBASEVIEW::HasOtherViews()
{
    ui::Document* doc = GetDocument();
    return doc && doc->Views().size() > 1;
}

int16_t FBASEVIEW::GetPageWidth()
{
    return pageLayout ? static_cast<int16_t>(pageLayout->pageWidth) : 0;
}

int16_t FBASEVIEW::GetPageHeight()
{
    return pageLayout ? static_cast<int16_t>(pageLayout->pageHeight) : 0;
}

void FBASEVIEW::PostCommand(uint16_t id)
{
    if (ui::App* app = ui::App::Current())
        app->PostCommand(*this, id);
}

void FBASEVIEW::SetFocus()
{
    if (QWidget* window = GetWindow())
        window->setFocus();
}

void FBASEVIEW::CalcPageRect()
{
    VIEWDC v(this, kOwnWindow);
    if (!v.IsSetUp())
        return;
    const int dpiX = v.dc->GetDeviceCaps(gdi::LOGPIXELSX);
    const int dpiY = v.dc->GetDeviceCaps(gdi::LOGPIXELSY);
    gdi::Mapping scale = v.dc->GetMapping();
    scale.windowOrg = {};
    scale.viewportOrg = {};
    const POINT before = scale.LPtoDP({extraBorder.left, extraBorder.top});
    const POINT after = scale.LPtoDP({extraBorder.right, extraBorder.bottom});
    const int32_t bl = before.x + dpiX / 12;
    const int32_t bt = before.y + dpiY / 12;
    const int32_t br = after.x + dpiX / 12;
    const int32_t bb = after.y + dpiY / 12;
    const int32_t pageW = v.GetPageWidthDP();
    const int32_t pageH = v.GetPageHeightDP();
    const RECT client = GetClientRect();
    const int32_t w = client.right;
    const int32_t h = client.bottom;
    if (w > pageW + bl + br) {
        placement.left = (w - pageW) / 2;
        placement.right = w - pageW - placement.left;
    } else {
        placement.left = bl;
        placement.right = br;
    }
    if (h > pageH + bt + bb) {
        placement.top = (h - pageH) / 2;
        placement.bottom = h - pageH - placement.top;
    } else {
        placement.top = bt;
        placement.bottom = bb;
    }
}

void FBASEVIEW::OnZoomChanged()
{
    const bool homeX = windowOrg.x == 0 && viewportOrg.x == placement.left;
    const bool homeY = windowOrg.y == 0 && viewportOrg.y == placement.top;
    InvalidateAll();
    CalcPageRect();
    if (homeX)
        viewportOrg.x = placement.left;
    if (homeY)
        viewportOrg.y = placement.top;
    VIEWDC v(this, kOwnWindow);
    if (v.IsSetUp()) {
        RecalcLayout(0, 0, v);
        ResetScrollBars();
    }
    UpdateRulers(true, true);
}

void FBASEVIEW::SetZoom(int percent)
{
    zoomX = zoomY = percent;
    zoomBaseX = zoomBaseY = 100;
    OnZoomChanged();
}

void FBASEVIEW::OnPageChanged()
{}

void FBASEVIEW::SetPage(int page)
{
    currentPage = static_cast<int16_t>(page);
    if (FDOCUMENT* doc = GetFormDocument())
        pageLayout = doc->GetPageLayout(static_cast<uint16_t>(currentPage));
    OnPageChanged();
    InvalidateAll();
    UpdateWindow();
    ShowPagePane();
}

void FBASEVIEW::NextPage()
{
    if (currentPage < GetPageCount())
        SetPage(currentPage + 1);
}

void FBASEVIEW::PrevPage()
{
    if (currentPage > 1)
        SetPage(currentPage - 1);
}

std::string FBASEVIEW::PagePaneText() const
{
    char text[32];
    std::snprintf(text, sizeof text, " %d of %d", currentPage, GetPageCount());
    return text;
}

std::string FBASEVIEW::PositionText(int32_t x, int32_t y) const
{
    const double per = unit == 1 ? 567.0 : 1440.0;
    char text[64];
    std::snprintf(text, sizeof text, " ( %.2f , %.2f )", x / per, y / per);
    return text;
}

std::string FBASEVIEW::SizeText(int32_t width, int32_t height) const
{
    const double per = unit == 1 ? 567.0 : 1440.0;
    char text[64];
    std::snprintf(text, sizeof text, " ( %.2f x %.2f )", width / per, height / per);
    return text;
}

void FBASEVIEW::ShowPosition(int32_t x, int32_t y)
{
    if (host)
        host->SetPosText(kPosLabel + PositionText(x, y));
}

void FBASEVIEW::ShowSize(int32_t width, int32_t height)
{
    if (host)
        host->SetSizeText(kSizeLabel + SizeText(width, height));
}

void FBASEVIEW::ShowPosSize(const RECT& rect)
{
    ShowPosition(rect.left, rect.top);
    ShowSize(rect.Width(), rect.Height());
}

void FBASEVIEW::ClearPosSize()
{
    if (host) {
        host->SetPosText("");
        host->SetSizeText("");
    }
}

int FBASEVIEW::MarkObject(FORMOBJ* object, bool mark)
{
    VIEWDC v(this, kOwnWindow);
    const bool drawn = v.IsSetUp() && object && object->GetPage() == currentPage;
    return marks.Set(object, drawn ? &v : nullptr, mark, drawn);
}

int FBASEVIEW::ToggleMark(FORMOBJ* object)
{
    VIEWDC v(this, kOwnWindow);
    if (!v.IsSetUp())
        return marks.Set(object, nullptr, !marks.Contains(object), false);
    return marks.Toggle(v, object);
}

void FBASEVIEW::ClearMarks()
{
    VIEWDC v(this, kOwnWindow);
    if (v.IsSetUp())
        marks.Clear(v);
    else
        marks.Free();
}

bool FBASEVIEW::OnEvent(QEvent& e)
{
    switch (e.type()) {
    case QEvent::Resize:
        if (GetFormDocument() && pageLayout) {
            OnZoomChanged();
        }
        return false;
    case QEvent::KeyRelease: {
        auto& key = static_cast<QKeyEvent&>(e);
        OnKeyUp(key.key(), key.modifiers() & Qt::ControlModifier);
        return false;
    }
    case QEvent::MouseMove: {
        VIEWDC v(this, kOwnWindow);
        if (v.IsSetUp()) {
            const QPointF at = static_cast<QMouseEvent&>(e).position();
            POINT p {static_cast<int32_t>(at.x()), static_cast<int32_t>(at.y())};
            ToLogicalPoint(p);
            ShowPosition(p.x, p.y);
        }
        return false;
    }
    default:
        return ui::View::OnEvent(e);
    }
}

void FBASEVIEW::OnPageKeyUp(bool pageUp, bool control)
{
    OnKeyUp(pageUp ? Qt::Key_PageUp : Qt::Key_PageDown, control);
}

void FBASEVIEW::OnKeyUp(int key, bool ctrl)
{
    if (key != Qt::Key_PageUp && key != Qt::Key_PageDown)
        return;
    // Ctrl held as the key went down counts, though it came up first.
    ctrl = ctrl || (ui::ModifiersAtPress(key) & Qt::ControlModifier);
    QScrollBar* bar = GetScrollBarCtrl(Qt::Vertical);
    if (!bar)
        return;
    if (!ctrl) {
        ScrollVert(key == Qt::Key_PageUp ? SB_PAGEUP : SB_PAGEDOWN, 0, bar);
        return;
    }
    if (key == Qt::Key_PageDown) {
        if (currentPage < GetPageCount()) {
            NextPage();
            ScrollVert(SB_TOP, 0, bar);
        } else {
            ScrollVert(SB_BOTTOM, 0, bar);
        }
    } else {
        PrevPage();
        ScrollVert(SB_TOP, 0, bar);
    }
}
