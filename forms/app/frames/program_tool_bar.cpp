#include "forms/app/frames/program_tool_bar.h"

#include "forms/app/frames/frame_resources.h"
#include "forms/res/program_toolbar_strips.h"

#include "platform/ui/command_bar.h"
#include "platform/ui/tool_bar.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QFontMetrics>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QToolButton>

#include <algorithm>

unsigned BarBitmaps::For(bool large, bool colour) const
{
    if (large)
        return colour ? largeColour : largeMono;
    return colour ? smallColour : smallMono;
}

QSize ButtonSizeFor(bool large)
{
    return large ? QSize(30, 28) : QSize(23, 22);
}

QFont BarBoxFont(bool large)
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(large ? 14 : 12);
    font.setWeight(QFont::Normal);
    return font;
}

ProgramToolBar::ProgramToolBar(const char* name, unsigned windowId, const BarBitmaps& bitmaps, QWidget* parent)
    : QToolBar(QString::fromLatin1(name), parent)
    , windowId_(windowId)
    , bitmaps_(bitmaps)
{
    setObjectName(QString::fromLatin1(name));
}

bool ProgramToolBar::Create(ui::CommandBar& commands, const ButtonStyle& style)
{
    ui::FillToolBar(*this, LoadToolBar(bitmaps_.smallColour), commands);
    style_ = style;
    bitmapId_ = bitmaps_.For(style.large, style.colour);
    LoadImages();
    ui::ShowToolTips(*this, style.toolTips);
    CreateBoxes();
    PlaceBoxes();
    return !images_.empty();
}

void ProgramToolBar::UpdateButtons(const ButtonStyle& style)
{
    const bool resized = style.large != style_.large;
    style_ = style;
    ui::ShowToolTips(*this, style.toolTips);
    if (const unsigned id = bitmaps_.For(style.large, style.colour); id != bitmapId_) {
        bitmapId_ = id;
        LoadImages();
    }
    if (resized)
        PlaceBoxes();
    update();
}

QIcon ProgramToolBar::ImageOf(int index) const
{
    return index >= 0 && index < static_cast<int>(images_.size()) ? images_[static_cast<size_t>(index)] : QIcon();
}

void ProgramToolBar::LoadImages()
{
    const QImage strip = ProgramToolbarStrip(bitmapId_);
    const QSize imageSize = ToolbarImageSize(style_.large);
    images_ = strip.isNull() ? std::vector<QIcon>() : ui::CutImageStrip(strip, imageSize.width());
    setIconSize(imageSize);
    int image = 0;
    for (QAction* action : actions()) {
        // Boxes stand where separators were; buttons take the images in turn.
        auto* button = qobject_cast<QToolButton*>(widgetForAction(action));
        if (action->isSeparator() || !button)
            continue;
        action->setIcon(ImageOf(image++));
        button->setFixedSize(ButtonSizeFor(style_.large));
    }
    ImagesLoaded();
}

void ProgramToolBar::PutBox(int slot, QComboBox* box)
{
    ui::SetSeparatorWidget(*this, slot, box);
}

void ProgramToolBar::SizeBox(QComboBox& box, int width) const
{
    box.setFont(BarBoxFont(style_.large));
    const QFontMetrics metrics(box.font());
    int widest = 0;
    for (int i = 0; i < box.count(); ++i)
        widest = std::max(widest, metrics.horizontalAdvance(box.itemText(i)));
    QStyleOptionComboBox option;
    option.initFrom(&box);
    option.editable = box.isEditable();
    const int needed
        = box.style()->sizeFromContents(QStyle::CT_ComboBox, &option, QSize(widest, metrics.height()), &box).width();
    box.setFixedWidth(std::max(width, needed));
}
