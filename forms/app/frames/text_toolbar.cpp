#include "forms/app/frames/text_toolbar.h"

#include "forms/app/views/rotation_box.h"
#include "forms/app/views/style_box.h"
#include "forms/document/font_table.h"
#include "forms/res/command_ids.h"

#include "platform/text/cp1252.h"
#include "platform/ui/command_bar.h"

#include <QAction>

int AlignmentImage(uint8_t code)
{
    switch (code) {
    case 0:
        return 10;
    case 1:
        return 11;
    case 3:
        return 13;
    case 4:
        return 14;
    default:
        return -1;
    }
}

TEXTTOOLBAR::TEXTTOOLBAR(QWidget* parent)
    : ProgramToolBar("Format", ID_VIEW_TEXTBAR, kTextBarBitmaps, parent)
{}

QComboBox* TEXTTOOLBAR::GetStyleCombo() const
{
    const QList<QAction*> items = actions();
    return items.size() > kStyleBoxSlot ? qobject_cast<QComboBox*>(widgetForAction(items[kStyleBoxSlot])) : nullptr;
}

STYLE_BOX* TEXTTOOLBAR::GetStyleBox() const
{
    return dynamic_cast<STYLE_BOX*>(GetStyleCombo());
}

void TEXTTOOLBAR::CreateBoxes()
{
    face_ = new FONTCOMBO(ID_FACE_BOX, true);
    size_ = new FONTCOMBO(ID_SIZE_BOX, false);
    rotation_ = new ZOOMCOMBO(ID_ROTATION_BOX, true);
    PutBox(kFaceBoxSlot, face_);
    PutBox(kSizeBoxSlot, size_);
    PutBox(kRotationBoxSlot, rotation_);
}

void TEXTTOOLBAR::PlaceBoxes()
{
    if (face_)
        SizeBox(*face_, kFaceBoxWidth);
    if (size_)
        SizeBox(*size_, kSizeBoxWidth);
    if (rotation_)
        SizeBox(*rotation_, kRotationBoxWidth);
    if (QComboBox* style = GetStyleCombo())
        SizeBox(*style, kStyleBoxWidth);
}

void TEXTTOOLBAR::FillCombos(const std::vector<std::string>& faces)
{
    if (!face_ || !size_ || !rotation_)
        return;
    FillFontNameCombo(*face_, faces);
    const QString initial = QStringLiteral("Times New Roman");
    face_->setCurrentIndex(face_->findText(initial, Qt::MatchFixedString));
    if (face_->currentIndex() < 0)
        face_->setEditText(initial);
    FillFontSizeCombo(*size_, text::FromQString(initial), sizes_);
    ShowSize(12);
    FillRotationCombo(*rotation_);
    anyShown_ = false;
    PlaceBoxes();
}

void TEXTTOOLBAR::ShowSize(uint16_t points)
{
    const QString text = QString::number(points);
    int at = size_->findText(text);
    if (at < 0) {
        // The list stays in numeric order.
        at = 0;
        while (at < size_->count() && size_->itemText(at).toInt() < points)
            ++at;
        size_->insertItem(at, text);
    }
    size_->setCurrentIndex(at);
}

void TEXTTOOLBAR::SetTextFormat(const TEXTATTR& attr, bool force)
{
    if (!face_ || !size_)
        return;
    force = force || !anyShown_;
    if (force || attr.size != shown_.size) {
        if (attr.size == kMixedWord)
            size_->setCurrentIndex(-1);
        else
            ShowSize(static_cast<uint16_t>(attr.size / 20));
    }
    if (force || attr.face != shown_.face) {
        if (attr.face == kMixedWord) {
            face_->setCurrentIndex(-1);
            face_->setEditText(QString());
        } else {
            const QString name = text::ToQString(GetFaceName(attr.face));
            const int at = face_->findText(name, Qt::MatchFixedString);
            face_->setCurrentIndex(at);
            if (at < 0)
                face_->setEditText(name);
        }
    }
    shown_ = attr;
    anyShown_ = true;
}

void TEXTTOOLBAR::ImagesLoaded()
{
    const uint8_t shown = alignment_;
    alignment_ = 0xFF;
    SetAlignment(shown);
}

void TEXTTOOLBAR::SetAlignment(uint8_t code)
{
    if (code == alignment_)
        return;
    alignment_ = code;
    const int image = AlignmentImage(code);
    const QList<QAction*> items = actions();
    if (image < 0 || items.size() <= kAlignmentSlot)
        return;
    items[kAlignmentSlot]->setIcon(ImageOf(image));
}
