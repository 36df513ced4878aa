#include "forms/app/frames/splitter_buttons.h"

#include "forms/app/views/fbaseview.h"
#include "forms/res/program_icons.h"

#include "platform/gdi/bitmap.h"
#include "platform/gdi/brush.h"
#include "platform/gdi/colour.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/palette.h"
#include "platform/ui/owner_draw_button.h"
#include "platform/ui/splitter.h"

#include <QImage>
#include <QPainter>
#include <QRect>
#include <QScrollBar>

#include <vector>

namespace {

std::vector<FBASEVIEW*> FormViewsOfRow(ui::Splitter& splitter, int row)
{
    std::vector<FBASEVIEW*> views;
    if (row < 0 || row >= splitter.GetRowCount())
        return views;
    for (int column = 0; column < splitter.GetColumnCount(); ++column)
        if (auto* view = dynamic_cast<FBASEVIEW*>(splitter.GetPane(row, column)))
            views.push_back(view);
    return views;
}

void ScrollRow(ui::Splitter& splitter, int row, bool toTop)
{
    QScrollBar* bar = splitter.GetScrollBar(Qt::Vertical, row);
    bar->setValue(toTop ? bar->minimum() : bar->maximum());
}

// A raised button face with the arrow icon in its middle.
void DrawButton(gdi::DC& dc, const gdi::RECT& client, unsigned icon)
{
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    if (width <= 0 || height <= 0)
        return;
    const gdi::COLORREF face = gdi::GetSysColor(gdi::COLOR_BTNFACE);
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(gdi::ToQColor(face));
    {
        QPainter painter(&image);
        const QImage arrow = ProgramIcon(icon, 16);
        painter.drawImage((width - arrow.width()) / 2, (height - arrow.height()) / 2, arrow);
    }
    dc.BitBlt(0, 0, width, height, gdi::Bitmap::FromImage(image), 0, 0, gdi::SRCCOPY);
    const gdi::Brush light = gdi::Brush::Solid(gdi::GetSysColor(gdi::COLOR_BTNHIGHLIGHT));
    const gdi::Brush shadow = gdi::Brush::Solid(gdi::GetSysColor(gdi::COLOR_BTNSHADOW));
    dc.FillRect({0, 0, width, 1}, light);
    dc.FillRect({0, 0, 1, height}, light);
    dc.FillRect({0, height - 1, width, height}, shadow);
    dc.FillRect({width - 1, 0, width, height}, shadow);
}

} // namespace

void ScrollToTop(ui::Splitter& splitter, int row)
{
    const std::vector<FBASEVIEW*> views = FormViewsOfRow(splitter, row);
    if (views.empty())
        return;
    for (FBASEVIEW* view : views)
        if (view->GetCurrentPage() >= 2)
            view->PrevPage();
    ScrollRow(splitter, row, true);
}

void ScrollToEnd(ui::Splitter& splitter, int row)
{
    const std::vector<FBASEVIEW*> views = FormViewsOfRow(splitter, row);
    if (views.empty())
        return;
    bool changed = false;
    for (FBASEVIEW* view : views)
        if (view->GetCurrentPage() < view->GetPageCount()) {
            view->NextPage();
            changed = true;
        }
    ScrollRow(splitter, row, changed);
}

SplitterButtons::SplitterButtons(ui::Splitter& splitter)
    : splitter_(&splitter)
{
    splitter.SetRowButtonSpace(2 * buttonHeight, [this](int row, QRect space) {
        if (space.isEmpty())
            Hide(row);
        else
            Place(row, space.left(), space.top(), space.width());
    });
}

SplitterButtons::~SplitterButtons()
{
    // The splitter may outlive the buttons: it lays out without them.
    if (splitter_)
        splitter_->SetRowButtonSpace(0, nullptr);
}

ui::OwnerDrawButton* SplitterButtons::GetButton(int row, bool up) const
{
    if (row < 0 || row > 1)
        return nullptr;
    return buttons_[static_cast<size_t>(2 * row + (up ? 0 : 1))].get();
}

void SplitterButtons::Place(int row, int left, int top, int width)
{
    // One pixel wider than the bar, reaching back under its left edge.
    for (const bool up : {true, false}) {
        auto& button = buttons_[static_cast<size_t>(2 * row + (up ? 0 : 1))];
        const int y = top + (up ? 0 : buttonHeight);
        const gdi::RECT rect {left - 1, y, left + width, y + buttonHeight};
        if (!button) {
            const unsigned icon = up ? kSplitterUpIcon : kSplitterDownIcon;
            button = std::make_unique<ui::OwnerDrawButton>(splitter_.data(),
                ID_SPLITTER_BUTTON_FIRST + 2 * row + (up ? 0 : 1), rect,
                [icon](gdi::DC& dc, const gdi::RECT& client) { DrawButton(dc, client, icon); });
            button->SetClickHandler([this, row, up] {
                if (!splitter_)
                    return;
                if (up)
                    ScrollToTop(*splitter_, row);
                else
                    ScrollToEnd(*splitter_, row);
            });
        } else {
            button->MoveWindow(rect);
        }
        if (QWidget* widget = button->GetWidget(); widget && widget->isHidden())
            widget->show();
        button->Invalidate();
    }
}

void SplitterButtons::Hide(int row)
{
    for (const bool up : {true, false})
        if (ui::OwnerDrawButton* button = GetButton(row, up))
            if (QWidget* widget = button->GetWidget())
                widget->hide();
}
