#include "platform/ui/list_box.h"

#include "platform/text/cp1252.h"

#include <QListWidget>
#include <QPointer>

#include <algorithm>

namespace ui {

class ListBox::Widget : public QListWidget {
public:
    explicit Widget(QWidget* parent)
        : QListWidget(parent)
    {
        setSelectionMode(QAbstractItemView::SingleSelection);
        setFocusPolicy(Qt::NoFocus);
        // A press on an entry, once the entry is selected; the list never
        // has the focus, so the mouse is the user's only way to change it.
        connect(this, &QListWidget::pressed, this, [this](const QModelIndex&) {
            if (!quiet && handler)
                handler();
        });
    }

    bool quiet = false;
    std::function<void()> handler;
};

struct ListBox::Guard {
    QPointer<QWidget> widget;
};

ListBox::ListBox(QWidget* parent, int id)
    : widget_(new Widget(parent))
    , id_(id)
{
    guard_ = std::make_unique<Guard>(Guard {widget_});
    widget_->setObjectName(QStringLiteral("ctl_%1").arg(id));
}

ListBox::~ListBox()
{
    delete guard_->widget.data();
}

void ListBox::ResetContent()
{
    widget_->quiet = true;
    widget_->clear();
    widget_->quiet = false;
}

int ListBox::AddString(std::string_view cp1252)
{
    widget_->quiet = true;
    widget_->addItem(text::ToQString(cp1252));
    widget_->quiet = false;
    return widget_->count() - 1;
}

int ListBox::GetCount() const
{
    return widget_->count();
}

std::string ListBox::GetText(int index) const
{
    const QListWidgetItem* item = widget_->item(index);
    return item ? text::FromQString(item->text()) : std::string();
}

int ListBox::FindStringExact(int after, std::string_view cp1252) const
{
    const int count = widget_->count();
    if (count == 0)
        return kNone;
    const int start = after < 0 || after >= count ? 0 : after + 1;
    for (int n = 0; n < count; ++n) {
        const int index = (start + n) % count;
        if (text::EqualNoCase(GetText(index), cp1252))
            return index;
    }
    return kNone;
}

int ListBox::GetCurSel() const
{
    const int row = widget_->currentRow();
    return row >= 0 && widget_->item(row)->isSelected() ? row : kNone;
}

int ListBox::SetCurSel(int index)
{
    widget_->quiet = true;
    if (index < 0 || index >= widget_->count()) {
        widget_->setCurrentRow(-1);
        widget_->clearSelection();
        index = kNone;
    } else {
        widget_->setCurrentRow(index);
        widget_->scrollToItem(widget_->item(index));
    }
    widget_->quiet = false;
    return index;
}

void ListBox::SetSelChangeHandler(std::function<void()> handler)
{
    widget_->handler = std::move(handler);
}

void ListBox::SetFont(std::string_view cp1252Face, int pixelHeight, bool bold, bool italic)
{
    QFont font(text::ToQString(cp1252Face));
    font.setPixelSize(pixelHeight > 0 ? pixelHeight : 1);
    font.setBold(bold);
    font.setItalic(italic);
    widget_->setFont(font);
}

int ListBox::GetItemHeight() const
{
    const int fromRow = widget_->count() > 0 ? widget_->sizeHintForRow(0) : -1;
    return fromRow > 0 ? fromRow : widget_->fontMetrics().height();
}

int ListBox::GetIntegralHeight(int height) const
{
    const int borders = 2 * widget_->frameWidth();
    const int item = GetItemHeight();
    const int entries = item > 0 ? std::max(1, (height - borders) / item) : 1;
    return entries * item + borders;
}

void ListBox::Enable(bool enable)
{
    widget_->setEnabled(enable);
}

QWidget* ListBox::GetWidget() const
{
    return widget_;
}

} // namespace ui
