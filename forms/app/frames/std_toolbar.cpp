#include "forms/app/frames/std_toolbar.h"
#include "forms/res/command_ids.h"

#include <algorithm>
#include <array>

namespace {

QString ZoomText(int percent)
{
    return QStringLiteral("%1%").arg(percent);
}

// The leading decimal number of the text, 0 when none (as atoi reads it).
int LeadingNumber(const QString& text)
{
    const QString trimmed = text.trimmed();
    int i = 0;
    const bool negative = i < trimmed.size() && trimmed[i] == u'-';
    if (negative || (i < trimmed.size() && trimmed[i] == u'+'))
        ++i;
    long value = 0;
    for (; i < trimmed.size() && trimmed[i].isDigit() && value < 100000; ++i)
        value = value * 10 + trimmed[i].digitValue();
    return static_cast<int>(negative ? -value : value);
}

} // namespace

void FillZoomCombo(QComboBox& combo)
{
    combo.clear();
    for (const int percent : std::array {10, 25, 30, 40, 50, 75, 100, 125, 150, 175, 200})
        combo.addItem(ZoomText(percent));
    combo.setCurrentIndex(combo.findText(ZoomText(100)));
}

void SetZoom(QComboBox& combo, int percent)
{
    // The entry must read "n%" exactly: 20 must not pick "200%".
    int at = combo.findText(ZoomText(percent), Qt::MatchFixedString);
    if (at < 0) {
        combo.addItem(ZoomText(percent));
        at = combo.count() - 1;
    }
    combo.setCurrentIndex(at);
}

int GetZoom(QComboBox& combo)
{
    const int index = combo.currentIndex();
    if (index >= 0 && (!combo.isEditable() || combo.currentText() == combo.itemText(index)))
        return LeadingNumber(combo.itemText(index));
    int percent = std::min(LeadingNumber(combo.currentText()), 200);
    if (percent < 11)
        percent = 10;
    SetZoom(combo, percent);
    return percent;
}

STDTOOLBAR::STDTOOLBAR(QWidget* parent)
    : ProgramToolBar("Standard", ID_VIEW_TOOLBAR, kStdBarBitmaps, parent)
{}

void STDTOOLBAR::CreateBoxes()
{
    zoom_ = new ZOOMCOMBO(ID_ZOOM_BOX, true);
    FillZoomCombo(*zoom_);
    PutBox(kZoomBoxSlot, zoom_);
}

void STDTOOLBAR::PlaceBoxes()
{
    if (zoom_)
        SizeBox(*zoom_, kZoomBoxWidth);
}
