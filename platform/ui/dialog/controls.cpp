#include "platform/ui/dialog/controls.h"

#include "platform/gdi/dc.h"
#include "platform/gdi/image_surface.h"
#include "platform/gdi/palette.h"
#include "platform/gdi/window_surface.h"
#include "platform/ui/dialog/notifications.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QTimer>

namespace ui {

namespace {

uintptr_t ItemDataOf(const QModelIndex& index)
{
    return static_cast<uintptr_t>(index.data(Qt::UserRole).toULongLong());
}

} // namespace

bool FocusTracker::In(const QFocusEvent* e)
{
    if (told || e->reason() == Qt::PopupFocusReason)
        return false;
    told = true;
    return true;
}

bool FocusTracker::Out(const QFocusEvent* e)
{
    if (!told || e->reason() == Qt::PopupFocusReason || e->reason() == Qt::ActiveWindowFocusReason)
        return false;
    told = false;
    return true;
}

PushButtonControl::PushButtonControl(const QString& text, QWidget* parent)
    : QPushButton(text, parent)
{
    setAutoDefault(false);
}

OwnerButton::OwnerButton(unsigned id, const QString& text, QWidget* parent)
    : QAbstractButton(parent)
    , id_(id)
    , surface_(std::make_unique<gdi::WindowSurface>(this))
{
    setText(text);
    connect(this, &QAbstractButton::pressed, this, &OwnerButton::Redraw);
    connect(this, &QAbstractButton::released, this, &OwnerButton::Redraw);
}

OwnerButton::~OwnerButton() = default;

void OwnerButton::SetDrawFunction(DrawFunction draw)
{
    draw_ = std::move(draw);
    Redraw();
}

unsigned OwnerButton::ItemState() const
{
    unsigned state = 0;
    if (isDown())
        state |= ODS_SELECTED;
    if (!isEnabled())
        state |= ODS_DISABLED;
    if (hasFocus())
        state |= ODS_FOCUS;
    if (default_)
        state |= ODS_DEFAULT;
    return state;
}

void OwnerButton::Redraw()
{
    gdi::DC dc(*surface_);
    const gdi::RECT all {0, 0, width(), height()};
    if (!draw_) {
        dc.FillRect(all, gdi::Brush::Solid(gdi::GetSysColor(gdi::COLOR_BTNFACE)));
        return;
    }
    DRAWITEMSTRUCT item;
    item.CtlType = ODT_BUTTON;
    item.CtlID = id_;
    item.itemID = 0;
    item.itemState = ItemState();
    item.dc = &dc;
    item.rcItem = all;
    draw_(item);
}

void OwnerButton::focusInEvent(QFocusEvent* e)
{
    QAbstractButton::focusInEvent(e);
    Redraw();
}

void OwnerButton::focusOutEvent(QFocusEvent* e)
{
    QAbstractButton::focusOutEvent(e);
    Redraw();
}

void OwnerButton::changeEvent(QEvent* e)
{
    QAbstractButton::changeEvent(e);
    if (e->type() == QEvent::EnabledChange)
        Redraw();
}

void OwnerButton::resizeEvent(QResizeEvent* e)
{
    QAbstractButton::resizeEvent(e);
    Redraw();
}

void OwnerButton::showEvent(QShowEvent* e)
{
    QAbstractButton::showEvent(e);
    Redraw();
}

RadioControl::RadioControl(const QString& text, QWidget* parent)
    : QRadioButton(text, parent)
{
    setAutoExclusive(false);
}

EditControl::EditControl(NotifyFunction notify, QWidget* parent)
    : QLineEdit(parent)
    , notify_(std::move(notify))
{
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (quiet_)
            return;
        notify_(EN_UPDATE);
        notify_(EN_CHANGE);
    });
}

void EditControl::SetText(const QString& text, bool quietly)
{
    quiet_ = true;
    setText(text);
    quiet_ = false;
    if (!quietly) {
        notify_(EN_UPDATE);
        notify_(EN_CHANGE);
    }
}

void EditControl::focusInEvent(QFocusEvent* e)
{
    QLineEdit::focusInEvent(e);
    if (focus_.In(e))
        notify_(EN_SETFOCUS);
}

void EditControl::focusOutEvent(QFocusEvent* e)
{
    QLineEdit::focusOutEvent(e);
    if (focus_.Out(e))
        notify_(EN_KILLFOCUS);
}

MultiLineEditControl::MultiLineEditControl(NotifyFunction notify, bool wantReturn, QWidget* parent)
    : QPlainTextEdit(parent)
    , notify_(std::move(notify))
    , wantReturn_(wantReturn)
{
    setTabChangesFocus(true);
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (quiet_)
            return;
        notify_(EN_UPDATE);
        notify_(EN_CHANGE);
    });
}

void MultiLineEditControl::SetText(const QString& text, bool quietly)
{
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    quiet_ = true;
    setPlainText(lines);
    quiet_ = false;
    if (!quietly) {
        notify_(EN_UPDATE);
        notify_(EN_CHANGE);
    }
}

QString MultiLineEditControl::Text() const
{
    QString text = toPlainText();
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return text;
}

void MultiLineEditControl::keyPressEvent(QKeyEvent* e)
{
    const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    if (enter && !wantReturn_) {
        e->ignore();
        return;
    }
    QPlainTextEdit::keyPressEvent(e);
}

void MultiLineEditControl::focusInEvent(QFocusEvent* e)
{
    QPlainTextEdit::focusInEvent(e);
    if (focus_.In(e))
        notify_(EN_SETFOCUS);
}

void MultiLineEditControl::focusOutEvent(QFocusEvent* e)
{
    QPlainTextEdit::focusOutEvent(e);
    if (focus_.Out(e))
        notify_(EN_KILLFOCUS);
}

OwnerItemDelegate::OwnerItemDelegate(
    unsigned ctlType, unsigned id, DrawFunction draw, MeasureFunction measure, QObject* parent)
    : QAbstractItemDelegate(parent)
    , ctlType_(ctlType)
    , id_(id)
    , draw_(std::move(draw))
    , measure_(std::move(measure))
{}

QImage OwnerItemDelegate::DrawItem(int item, uintptr_t data, unsigned state, QSize size) const
{
    gdi::ImageSurface surface(std::max(size.width(), 1), std::max(size.height(), 1));
    {
        gdi::DC dc(surface);
        DRAWITEMSTRUCT draw;
        draw.CtlType = ctlType_;
        draw.CtlID = id_;
        draw.itemID = item;
        draw.itemState = state;
        draw.dc = &dc;
        draw.rcItem = {0, 0, size.width(), size.height()};
        draw.itemData = data;
        if (draw_)
            draw_(draw);
    }
    return surface.Image().copy();
}

void OwnerItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    unsigned state = 0;
    if (option.state & QStyle::State_Selected)
        state |= ODS_SELECTED;
    if (option.state & QStyle::State_HasFocus)
        state |= ODS_FOCUS;
    if (!(option.state & QStyle::State_Enabled))
        state |= ODS_DISABLED;
    painter->drawImage(option.rect.topLeft(), DrawItem(index.row(), ItemDataOf(index), state, option.rect.size()));
}

QSize OwnerItemDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    MEASUREITEMSTRUCT measure;
    measure.CtlType = ctlType_;
    measure.CtlID = id_;
    measure.itemID = index.row();
    measure.itemWidth = option.rect.width();
    measure.itemHeight = option.fontMetrics.height();
    measure.itemData = ItemDataOf(index);
    if (measure_)
        measure_(measure);
    return {measure.itemWidth, measure.itemHeight};
}

ComboControl::ComboControl(bool editable, NotifyFunction notify, QWidget* parent)
    : QComboBox(parent)
    , notify_(std::move(notify))
{
    setEditable(editable);
    setInsertPolicy(QComboBox::NoInsert);
    if (editable)
        connect(lineEdit(), &QLineEdit::textEdited, this, [this] {
            notify_(CBN_EDITUPDATE);
            notify_(CBN_EDITCHANGE);
        });
    connect(this, &QComboBox::currentIndexChanged, this, [this] {
        if (!quiet_ && !dropped_)
            notify_(CBN_SELCHANGE);
    });
    connect(this, &QComboBox::activated, this, [this] { picked_ = true; });
}

void ComboControl::SetOwnerDraw(unsigned id, DrawFunction draw, MeasureFunction measure)
{
    owner_ = new OwnerItemDelegate(ODT_COMBOBOX, id, std::move(draw), std::move(measure), this);
    setItemDelegate(owner_);
}

void ComboControl::SetCurSel(int index)
{
    quiet_ = true;
    setCurrentIndex(index);
    quiet_ = false;
}

int ComboControl::AddString(const QString& text, uintptr_t data, bool sorted)
{
    int index = count();
    if (sorted)
        for (int i = 0; i < count(); ++i)
            if (QString::compare(itemText(i), text, Qt::CaseInsensitive) > 0) {
                index = i;
                break;
            }
    const int selected = currentIndex();
    quiet_ = true;
    insertItem(index, text, QVariant::fromValue<qulonglong>(data));
    // Qt selects the first item added; Windows leaves the box without one.
    setCurrentIndex(selected < 0 ? -1 : (selected >= index ? selected + 1 : selected));
    quiet_ = false;
    return index;
}

void ComboControl::ResetContent()
{
    quiet_ = true;
    clear();
    quiet_ = false;
}

void ComboControl::showPopup()
{
    notify_(CBN_DROPDOWN);
    dropped_ = true;
    picked_ = false;
    indexAtDrop_ = currentIndex();
    QComboBox::showPopup();
}

void ComboControl::hidePopup()
{
    QComboBox::hidePopup();
    // The pick that closed the list lands after this: the close-up waits
    // for it.
    if (dropped_)
        QTimer::singleShot(0, this, [this] { CloseUp(); });
}

void ComboControl::CloseUp()
{
    if (!dropped_)
        return;
    dropped_ = false;
    notify_(picked_ ? CBN_SELENDOK : CBN_SELENDCANCEL);
    notify_(CBN_CLOSEUP);
    if (currentIndex() != indexAtDrop_)
        notify_(CBN_SELCHANGE);
}

void ComboControl::paintEvent(QPaintEvent* e)
{
    if (!owner_ || isEditable()) {
        QComboBox::paintEvent(e);
        return;
    }
    // The frame and the arrow are the style's; the chosen item is the owner's.
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    option.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    unsigned state = ODS_COMBOBOXEDIT;
    if (hasFocus())
        state |= ODS_SELECTED | ODS_FOCUS;
    if (!isEnabled())
        state |= ODS_DISABLED;
    const int index = currentIndex();
    const uintptr_t data = index >= 0 ? static_cast<uintptr_t>(itemData(index).toULongLong()) : 0;
    painter.drawImage(field.topLeft(), owner_->DrawItem(index, data, state, field.size()));
}

void ComboControl::focusInEvent(QFocusEvent* e)
{
    QComboBox::focusInEvent(e);
    if (!dropped_ && focus_.In(e))
        notify_(CBN_SETFOCUS);
}

void ComboControl::focusOutEvent(QFocusEvent* e)
{
    QComboBox::focusOutEvent(e);
    if (!dropped_ && focus_.Out(e))
        notify_(CBN_KILLFOCUS);
}

ListControl::ListControl(NotifyFunction notify, QWidget* parent)
    : QListWidget(parent)
    , notify_(std::move(notify))
{
    connect(this, &QListWidget::currentRowChanged, this, [this] {
        if (!quiet_)
            notify_(LBN_SELCHANGE);
    });
    connect(this, &QListWidget::itemDoubleClicked, this, [this] { notify_(LBN_DBLCLK); });
}

void ListControl::SetOwnerDraw(unsigned id, DrawFunction draw, MeasureFunction measure)
{
    setItemDelegate(new OwnerItemDelegate(ODT_LISTBOX, id, std::move(draw), std::move(measure), this));
}

void ListControl::SetCurSel(int index)
{
    quiet_ = true;
    setCurrentRow(index);
    quiet_ = false;
}

int ListControl::AddString(const QString& text, uintptr_t data, bool sorted)
{
    int index = count();
    if (sorted)
        for (int i = 0; i < count(); ++i)
            if (QString::compare(item(i)->text(), text, Qt::CaseInsensitive) > 0) {
                index = i;
                break;
            }
    auto* added = new QListWidgetItem(text);
    added->setData(Qt::UserRole, QVariant::fromValue<qulonglong>(data));
    quiet_ = true;
    insertItem(index, added);
    quiet_ = false;
    return index;
}

void ListControl::ResetContent()
{
    quiet_ = true;
    clear();
    quiet_ = false;
}

void ListControl::focusInEvent(QFocusEvent* e)
{
    // Qt makes the first item current when a list without a selection
    // takes the focus; a list box selects nothing until the user does.
    const int before = currentRow();
    quiet_ = true;
    QListWidget::focusInEvent(e);
    if (before < 0 && currentRow() >= 0)
        setCurrentRow(-1);
    quiet_ = false;
    if (focus_.In(e))
        notify_(LBN_SETFOCUS);
}

void ListControl::focusOutEvent(QFocusEvent* e)
{
    QListWidget::focusOutEvent(e);
    if (focus_.Out(e))
        notify_(LBN_KILLFOCUS);
}

} // namespace ui
