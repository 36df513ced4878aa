#include "forms/app/frames/format_boxes.h"

#include "platform/text/cp1252.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLineEdit>

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
