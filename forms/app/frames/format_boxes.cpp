#include "forms/app/frames/format_boxes.h"

#include "platform/text/cp1252.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLineEdit>

#include <charconv>

BarComboBox::BarComboBox(unsigned id, bool editable, QWidget* parent)
    : QComboBox(parent)
    , id_(id)
{
    setEditable(editable);
    setInsertPolicy(QComboBox::NoInsert);
    // A box takes the focus only when the user goes into it.
    setFocusPolicy(Qt::ClickFocus);
    connect(this, qOverload<int>(&QComboBox::activated), this, [this] { FocusBack(); });
}

bool BarComboBox::HasSelection() const
{
    return currentIndex() >= 0 && (!isEditable() || currentText() == itemText(currentIndex()));
}

void BarComboBox::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        e->accept();
        FocusBack();
        return;
    }
    QComboBox::keyPressEvent(e);
}

void BarComboBox::focusOutEvent(QFocusEvent* e)
{
    QComboBox::focusOutEvent(e);
    if (e->reason() != Qt::PopupFocusReason && apply_)
        apply_(id_);
}

void BarComboBox::FocusBack()
{
    if (focusBack_)
        focusBack_();
}

std::string GetComboSelText(const QComboBox& combo)
{
    const QString shown
        = combo.currentIndex() >= 0 && !combo.isEditable() ? combo.itemText(combo.currentIndex()) : combo.currentText();
    return shown.isEmpty() ? std::string("Times New Roman") : text::FromQString(shown);
}

uint16_t GetComboSelValue(const QComboBox& combo, const FontSizeList& sizes)
{
    const int index = combo.currentIndex();
    if (index < 0)
        return 0;
    const std::string shown = text::FromQString(combo.itemText(index));
    unsigned value = 0;
    const auto [end, error] = std::from_chars(shown.data(), shown.data() + shown.size(), value);
    if (error == std::errc() && end != shown.data() && value <= 0xFFFF)
        return static_cast<uint16_t>(value);
    return index < sizes.count ? sizes.sizes[static_cast<size_t>(index)] : 0;
}

void FillFontNameCombo(QComboBox& combo, const std::vector<std::string>& names)
{
    const QString remembered = combo.currentIndex() >= 0 ? combo.itemText(combo.currentIndex()) : QString();
    combo.clear();
    // The typeface box is sorted.
    QStringList faces;
    for (const std::string& name : names)
        faces.push_back(text::ToQString(name));
    faces.sort(Qt::CaseInsensitive);
    combo.addItems(faces);
    if (!remembered.isEmpty())
        combo.setCurrentIndex(combo.findText(remembered, Qt::MatchFixedString));
    else
        combo.setCurrentIndex(-1);
}

int FillFontSizeCombo(QComboBox& combo, std::string_view face, FontSizeList& list)
{
    combo.clear();
    list = FontSizesFor(face);
    for (uint16_t i = 0; i < list.count; ++i)
        combo.addItem(QString::number(list.sizes[i]));
    return 1;
}
