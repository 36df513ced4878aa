#include "platform/ui/dialog/dialog.h"

#include "platform/gdi/palette.h"
#include "platform/text/cp1252.h"
#include "platform/ui/dialog/controls.h"
#include "platform/ui/dialog/dialog_hook.h"
#include "platform/ui/dialog/notifications.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QEventLoop>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPalette>
#include <QTimer>

#include <exception>

namespace ui {

// The dialog's top-level window: Enter, Esc and closing go to the dialog.
class DialogWindow : public QWidget {
public:
    DialogWindow(Dialog& dialog, QWidget* parent, bool child)
        : QWidget(parent,
            child ? Qt::Widget
                  : Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                    | Qt::WindowSystemMenuHint)
        , dialog_(dialog)
        , child_(child)
    {}

protected:
    void keyPressEvent(QKeyEvent* e) override
    {
        if (child_) {
            e->ignore();
            return;
        }
        switch (e->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: {
            const int id = dialog_.DefaultCommandId();
            if (QWidget* button = dialog_.GetDlgItem(id); button && !button->isEnabled())
                return;
            dialog_.Notify(id, BN_CLICKED);
            return;
        }
        case Qt::Key_Escape:
            dialog_.Notify(2, BN_CLICKED);
            return;
        default:
            QWidget::keyPressEvent(e);
        }
    }

    void closeEvent(QCloseEvent* e) override
    {
        e->ignore();
        if (dialog_.IsRunning())
            dialog_.Notify(2, BN_CLICKED);
    }

private:
    Dialog& dialog_;
    bool child_;
};

namespace {

std::string Describe(const res::DialogTemplate& definition)
{
    return "dialog " + std::to_string(definition.id) + " \"" + text::ToUtf8(definition.caption) + "\"";
}

bool IsText(res::ControlKind kind)
{
    return kind == res::ControlKind::LeftText || kind == res::ControlKind::CentreText
        || kind == res::ControlKind::RightText;
}

Qt::Alignment TextAlignment(res::ControlKind kind)
{
    switch (kind) {
    case res::ControlKind::CentreText:
        return Qt::AlignHCenter | Qt::AlignTop;
    case res::ControlKind::RightText:
        return Qt::AlignRight | Qt::AlignTop;
    default:
        return Qt::AlignLeft | Qt::AlignTop;
    }
}

} // namespace

Dialog::Dialog(const res::DialogTemplate& definition, QWidget* parent)
    : definition_(definition)
    , parent_(parent)
    , base_(BaseUnitsOf(DialogLogFont(definition.fontPoints, definition.fontFace)))
{}

Dialog::~Dialog() = default;

QWidget* Dialog::GetWindow() const
{
    return window_.get();
}

QWidget* Dialog::GetDlgItem(int id) const
{
    const auto it = items_.find(id);
    return it == items_.end() ? nullptr : it->second;
}

int Dialog::DoModal()
{
    const DialogHook hook = GetDialogHook();
    if (!hook && !PlatformHasScreen())
        throw UnansweredDialog(Describe(definition_) + " with nobody to answer it");
    // The window goes when the dialog ends, whichever way it ends.
    struct WindowScope {
        Dialog& dialog;
        ~WindowScope()
        {
            dialog.OnDestroyWindow();
            dialog.running_ = false;
            dialog.items_.clear();
            dialog.window_.reset();
        }
    } scope {*this};
    Create();
    running_ = true;
    result_ = 0;
    const bool focusFirst = OnInitDialog();
    if (!running_)
        return result_;
    if (focusFirst && !window_->focusWidget())
        for (const res::DialogControl& control : definition_.controls) {
            QWidget* widget = GetDlgItem(control.id);
            if ((control.styles & res::kStyleTabStop) && widget && widget->isEnabled() && !widget->isHidden()) {
                widget->setFocus(Qt::TabFocusReason);
                break;
            }
        }
    window_->show();
    // The dialog takes the keyboard at once, so that its controls get
    // their focus notifications from the start.
    QApplication::setActiveWindow(window_.get());

    std::exception_ptr failure;
    bool leftOpen = false;
    QEventLoop loop;
    loop_ = &loop;
    if (hook)
        QTimer::singleShot(0, &loop, [&] {
            try {
                hook(*this);
            } catch (...) {
                failure = std::current_exception();
            }
            if (running_) {
                leftOpen = !failure;
                running_ = false;
                result_ = 2;
            }
            loop.quit();
        });
    if (running_)
        loop.exec();
    loop_ = nullptr;
    if (failure)
        std::rethrow_exception(failure);
    if (leftOpen)
        throw UnansweredDialog(Describe(definition_) + " left open by the dialog hook");
    return result_;
}

void Dialog::EndDialog(int result)
{
    result_ = result;
    running_ = false;
    if (window_)
        window_->hide();
    if (loop_)
        loop_->quit();
}

void Dialog::CreateChildWindow(QWidget* host)
{
    Create(host);
    running_ = true;
    result_ = 0;
    OnInitDialog();
    window_->show();
}

void Dialog::DestroyChildWindow()
{
    running_ = false;
    items_.clear();
    window_.reset();
}

void Dialog::Create(QWidget* host)
{
    if (host) {
        window_ = std::make_unique<DialogWindow>(*this, host, true);
    } else {
        QWidget* owner = parent_ ? parent_->window() : QApplication::activeWindow();
        window_ = std::make_unique<DialogWindow>(*this, owner, false);
        window_->setWindowModality(Qt::ApplicationModal);
        window_->setWindowTitle(text::ToQString(definition_.caption));
    }
    window_->setObjectName(QStringLiteral("dlg_%1").arg(definition_.id));
    window_->setFont(DialogQFont(definition_.fontPoints, definition_.fontFace));
    // The classic button face behind the controls, whatever the theme.
    window_->setAutoFillBackground(true);
    QPalette palette = window_->palette();
    const gdi::COLORREF face = gdi::GetSysColor(gdi::COLOR_BTNFACE);
    const QColor faceColour(gdi::GetRValue(face), gdi::GetGValue(face), gdi::GetBValue(face));
    palette.setColor(QPalette::Window, faceColour);
    palette.setColor(QPalette::Button, faceColour);
    // Disabled texts in the classic grey, which shows on the button face.
    const gdi::COLORREF grey = gdi::GetSysColor(gdi::COLOR_GRAYTEXT);
    const QColor greyColour(gdi::GetRValue(grey), gdi::GetGValue(grey), gdi::GetBValue(grey));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        palette.setColor(QPalette::Disabled, role, greyColour);
    window_->setPalette(palette);
    const gdi::RECT size = MapDialogRect(0, 0, definition_.width, definition_.height, base_);
    window_->setFixedSize(size.Width(), size.Height());
    QWidget* previousFocus = nullptr;
    for (const res::DialogControl& control : definition_.controls)
        CreateControl(control, previousFocus);
}

void Dialog::CreateControl(const res::DialogControl& control, QWidget*& previousFocus)
{
    const int id = control.id;
    const QString text = text::ToQString(control.text);
    QWidget* parent = window_.get();
    auto notify = [this, id](unsigned code) { Notify(id, code); };
    auto draw = [this, id](DRAWITEMSTRUCT& item) { OnDrawItem(id, item); };
    auto measure = [this, id](MEASUREITEMSTRUCT& item) { OnMeasureItem(id, item); };
    const bool ownerDraw = control.styles & res::kStyleOwnerDraw;
    QWidget* widget = nullptr;
    bool focusable = true;
    gdi::RECT r = MapDialogRect(control.x, control.y, control.width, control.height, base_);

    switch (control.kind) {
    case res::ControlKind::PushButton:
    case res::ControlKind::DefPushButton: {
        const bool isDefault = control.kind == res::ControlKind::DefPushButton;
        QAbstractButton* button;
        if (ownerDraw) {
            auto* owned = new OwnerButton(id, text, parent);
            owned->SetDefault(isDefault);
            owned->SetDrawFunction(draw);
            button = owned;
        } else {
            auto* push = new PushButtonControl(text, parent);
            push->setDefault(isDefault);
            button = push;
        }
        QObject::connect(button, &QAbstractButton::clicked, button, [notify] { notify(BN_CLICKED); });
        widget = button;
        break;
    }
    case res::ControlKind::CheckBox: {
        auto* box = new QCheckBox(text, parent);
        QObject::connect(box, &QAbstractButton::clicked, box, [notify] { notify(BN_CLICKED); });
        widget = box;
        break;
    }
    case res::ControlKind::RadioButton: {
        auto* radio = new RadioControl(text, parent);
        QObject::connect(radio, &QAbstractButton::clicked, radio, [this, id, notify] {
            CheckInGroup(id);
            notify(BN_CLICKED);
        });
        widget = radio;
        break;
    }
    case res::ControlKind::GroupBox: {
        auto* group = new QGroupBox(text, parent);
        group->setAttribute(Qt::WA_TransparentForMouseEvents);
        widget = group;
        focusable = false;
        break;
    }
    case res::ControlKind::LeftText:
    case res::ControlKind::CentreText:
    case res::ControlKind::RightText: {
        auto* label = new QLabel(text, parent);
        label->setAlignment(TextAlignment(control.kind));
        label->setWordWrap(true);
        widget = label;
        focusable = false;
        break;
    }
    case res::ControlKind::Edit: {
        if (control.styles & res::kStyleMultiLine) {
            auto* lines = new MultiLineEditControl(notify, control.styles & res::kStyleWantReturn, parent);
            lines->setReadOnly(control.styles & res::kStyleReadOnly);
            lines->SetText(text, true);
            widget = lines;
            break;
        }
        auto* edit = new EditControl(notify, parent);
        edit->setReadOnly(control.styles & res::kStyleReadOnly);
        edit->SetText(text, true);
        widget = edit;
        break;
    }
    case res::ControlKind::ComboBox: {
        auto* combo = new ComboControl(control.styles & res::kStyleDropDown, notify, parent);
        if (ownerDraw)
            combo->SetOwnerDraw(id, draw, measure);
        // The definition's height includes the dropped list.
        r.bottom = r.top + std::min(r.Height(), combo->sizeHint().height());
        widget = combo;
        break;
    }
    case res::ControlKind::ListBox: {
        auto* list = new ListControl(notify, parent);
        if (ownerDraw)
            list->SetOwnerDraw(id, draw, measure);
        widget = list;
        break;
    }
    }

    widget->setObjectName(QStringLiteral("ctl_%1").arg(id));
    widget->setGeometry(r.left, r.top, r.Width(), r.Height());
    if (control.styles & res::kStyleDisabled)
        widget->setEnabled(false);
    if (control.styles & res::kStyleHidden)
        widget->setVisible(false);
    if (!focusable) {
        widget->setFocusPolicy(Qt::NoFocus);
        // The mnemonic of a text gives the focus to the control after it.
        if (IsText(control.kind))
            pendingBuddy_ = static_cast<QLabel*>(widget);
    } else {
        widget->setFocusPolicy(control.styles & res::kStyleTabStop ? Qt::StrongFocus : Qt::ClickFocus);
        if (previousFocus)
            QWidget::setTabOrder(previousFocus, widget);
        previousFocus = widget;
        if (pendingBuddy_)
            pendingBuddy_->setBuddy(widget);
        pendingBuddy_ = nullptr;
    }
    if (control.kind == res::ControlKind::GroupBox)
        widget->lower();
    items_.emplace(id, widget);
}

void Dialog::Notify(int id, unsigned code)
{
    // Controls losing the focus as the window goes tell nobody.
    if (running_)
        OnCommand(id, code);
}

bool Dialog::OnCommand(int id, unsigned code)
{
    if (code != BN_CLICKED)
        return false;
    if (id == 1) {
        OnOK();
        return true;
    }
    if (id == 2) {
        OnCancel();
        return true;
    }
    return false;
}

void Dialog::OnDrawItem(int id, DRAWITEMSTRUCT& item)
{
    if (const auto it = drawers_.find(id); it != drawers_.end() && it->second)
        it->second->DrawItem(item);
    else if (item.CtlType == ODT_BUTTON)
        item.dc->FillRect(item.rcItem, gdi::Brush::Solid(gdi::GetSysColor(gdi::COLOR_BTNFACE)));
}

void Dialog::OnMeasureItem(int id, MEASUREITEMSTRUCT& item)
{
    if (const auto it = drawers_.find(id); it != drawers_.end() && it->second)
        it->second->MeasureItem(item);
}

int Dialog::DefaultCommandId() const
{
    if (QWidget* focus = QApplication::focusWidget(); dynamic_cast<PushButtonControl*>(focus))
        for (const auto& [id, widget] : items_)
            if (widget == focus)
                return id;
    for (const res::DialogControl& control : definition_.controls)
        if (control.kind == res::ControlKind::DefPushButton)
            return control.id;
    return 1;
}

void Dialog::CheckInGroup(int id)
{
    const auto& controls = definition_.controls;
    size_t at = 0;
    while (at < controls.size() && controls[at].id != id)
        ++at;
    if (at == controls.size())
        return;
    size_t first = at;
    while (first > 0 && !(controls[first].styles & res::kStyleGroup))
        --first;
    for (size_t i = first; i < controls.size(); ++i) {
        if (i > first && (controls[i].styles & res::kStyleGroup))
            break;
        if (controls[i].kind == res::ControlKind::RadioButton && i != at)
            if (auto* radio = Item<QRadioButton>(controls[i].id))
                radio->setChecked(false);
    }
}

void Dialog::SetDlgItemText(int id, std::string_view text)
{
    if (auto* edit = Item<EditControl>(id)) {
        edit->SetText(text::ToQString(text), false);
        return;
    }
    if (auto* lines = Item<MultiLineEditControl>(id)) {
        lines->SetText(text::ToQString(text), false);
        return;
    }
    SetDlgItemTextQuietly(id, text);
}

void Dialog::SetDlgItemTextQuietly(int id, std::string_view text)
{
    const QString q = text::ToQString(text);
    QWidget* widget = GetDlgItem(id);
    if (auto* edit = dynamic_cast<EditControl*>(widget))
        edit->SetText(q, true);
    else if (auto* lines = dynamic_cast<MultiLineEditControl*>(widget))
        lines->SetText(q, true);
    else if (auto* label = dynamic_cast<QLabel*>(widget))
        label->setText(q);
    else if (auto* group = dynamic_cast<QGroupBox*>(widget))
        group->setTitle(q);
    else if (auto* owned = dynamic_cast<OwnerButton*>(widget)) {
        owned->setText(q);
        owned->Redraw();
    } else if (auto* button = dynamic_cast<QAbstractButton*>(widget))
        button->setText(q);
    else if (auto* combo = dynamic_cast<ComboControl*>(widget); combo && combo->isEditable())
        combo->setEditText(q);
}

std::string Dialog::GetDlgItemText(int id) const
{
    QWidget* widget = GetDlgItem(id);
    QString q;
    if (auto* edit = dynamic_cast<QLineEdit*>(widget))
        q = edit->text();
    else if (auto* lines = dynamic_cast<MultiLineEditControl*>(widget))
        q = lines->Text();
    else if (auto* label = dynamic_cast<QLabel*>(widget))
        q = label->text();
    else if (auto* group = dynamic_cast<QGroupBox*>(widget))
        q = group->title();
    else if (auto* button = dynamic_cast<QAbstractButton*>(widget))
        q = button->text();
    else if (auto* combo = dynamic_cast<QComboBox*>(widget))
        q = combo->currentText();
    else if (auto* list = dynamic_cast<QListWidget*>(widget); list && list->currentItem())
        q = list->currentItem()->text();
    return text::FromQString(q);
}

void Dialog::CheckDlgButton(int id, bool check)
{
    if (auto* button = Item<QAbstractButton>(id); button && button->isCheckable())
        button->setChecked(check);
}

bool Dialog::IsDlgButtonChecked(int id) const
{
    auto* button = Item<QAbstractButton>(id);
    return button && button->isChecked();
}

void Dialog::CheckRadioButton(int first, int last, int id)
{
    for (const res::DialogControl& control : definition_.controls)
        if (control.id >= first && control.id <= last && control.kind == res::ControlKind::RadioButton)
            CheckDlgButton(control.id, control.id == id);
}

void Dialog::EnableItem(int id, bool enable)
{
    if (QWidget* widget = GetDlgItem(id))
        widget->setEnabled(enable);
}

void Dialog::ShowItem(int id, bool show)
{
    if (QWidget* widget = GetDlgItem(id))
        widget->setVisible(show);
}

void Dialog::GotoDlgCtrl(int id)
{
    if (QWidget* widget = GetDlgItem(id))
        widget->setFocus(Qt::OtherFocusReason);
}

int Dialog::AddString(int id, std::string_view text, uintptr_t data)
{
    const res::DialogControl* control = definition_.Find(static_cast<uint16_t>(id));
    const bool sorted = control && (control->styles & res::kStyleSort);
    if (auto* combo = Item<ComboControl>(id))
        return combo->AddString(text::ToQString(text), data, sorted);
    if (auto* list = Item<ListControl>(id))
        return list->AddString(text::ToQString(text), data, sorted);
    return -1;
}

void Dialog::ResetContent(int id)
{
    if (auto* combo = Item<ComboControl>(id))
        combo->ResetContent();
    else if (auto* list = Item<ListControl>(id))
        list->ResetContent();
}

void Dialog::SetCurSel(int id, int index)
{
    if (auto* combo = Item<ComboControl>(id))
        combo->SetCurSel(index);
    else if (auto* list = Item<ListControl>(id))
        list->SetCurSel(index);
}

int Dialog::GetCurSel(int id) const
{
    if (auto* combo = Item<QComboBox>(id))
        return combo->currentIndex();
    if (auto* list = Item<QListWidget>(id))
        return list->currentRow();
    return -1;
}

int Dialog::GetCount(int id) const
{
    if (auto* combo = Item<QComboBox>(id))
        return combo->count();
    if (auto* list = Item<QListWidget>(id))
        return list->count();
    return 0;
}

uintptr_t Dialog::GetItemData(int id, int index) const
{
    if (auto* combo = Item<QComboBox>(id); combo && index >= 0 && index < combo->count())
        return static_cast<uintptr_t>(combo->itemData(index).toULongLong());
    if (auto* list = Item<QListWidget>(id); list && index >= 0 && index < list->count())
        return static_cast<uintptr_t>(list->item(index)->data(Qt::UserRole).toULongLong());
    return 0;
}

std::string Dialog::GetItemText(int id, int index) const
{
    if (auto* combo = Item<QComboBox>(id); combo && index >= 0 && index < combo->count())
        return text::FromQString(combo->itemText(index));
    if (auto* list = Item<QListWidget>(id); list && index >= 0 && index < list->count())
        return text::FromQString(list->item(index)->text());
    return {};
}

int Dialog::FindStringExact(int id, std::string_view text) const
{
    for (int i = 0; i < GetCount(id); ++i)
        if (text::EqualNoCase(GetItemText(id, i), text))
            return i;
    return -1;
}

gdi::RECT Dialog::GetItemRect(int id) const
{
    QWidget* widget = GetDlgItem(id);
    if (!widget)
        return {};
    const QRect g = widget->geometry();
    return {g.left(), g.top(), g.left() + g.width(), g.top() + g.height()};
}

void Dialog::MoveItem(int id, const gdi::RECT& rect)
{
    if (QWidget* widget = GetDlgItem(id))
        widget->setGeometry(rect.left, rect.top, rect.Width(), rect.Height());
}

void Dialog::AttachDrawer(int id, OwnerDrawer* drawer)
{
    drawers_[id] = drawer;
    RedrawItem(id);
}

void Dialog::RedrawItem(int id)
{
    if (auto* owned = Item<OwnerButton>(id))
        owned->Redraw();
    else if (QWidget* widget = GetDlgItem(id))
        widget->update();
}

} // namespace ui
