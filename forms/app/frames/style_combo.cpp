#include "forms/app/frames/style_combo.h"

#include "forms/app/frames/main_frame.h"
#include "forms/app/program/forms_app.h"
#include "forms/app/views/fbaseview.h"
#include "forms/app/views/style_box_owner.h"
#include "forms/dialogs/styles/style_names.h"

#include "platform/text/cp1252.h"
#include "platform/ui/dialog/notifications.h"
#include "platform/ui/tool_bar.h"
#include "platform/ui/view.h"

#include <QAction>
#include <QTimer>
#include <QToolBar>

namespace {

STYLE_BOX_OWNER* ActiveViewOwner()
{
    FFRAME* frame = MainFrameOfApp();
    ui::Frame* child = frame ? frame->GetActiveChild() : nullptr;
    auto* view = child ? dynamic_cast<FBASEVIEW*>(child->GetActiveView()) : nullptr;
    return view ? view->GetStyleBoxOwner() : nullptr;
}

STYLECOMBO::OwnerLookup& Lookup()
{
    static STYLECOMBO::OwnerLookup lookup = ActiveViewOwner;
    return lookup;
}

} // namespace

STYLECOMBO::STYLECOMBO(QWidget* parent)
    : QComboBox(parent)
{
    setObjectName(QStringLiteral("ctl_%1").arg(kStyleComboId));
    setEditable(false);
    setFixedWidth(kStyleComboWidth);
}

std::string STYLECOMBO::FormatStyleName(uint8_t type, std::string_view name)
{
    return ::FormatStyleName(type, name);
}

void STYLECOMBO::AddStyle(uint8_t type, std::string_view name)
{
    AddEntry(FormatStyleName(type, name));
}

int STYLECOMBO::AddEntry(std::string_view entry)
{
    // Sorted as a sorted list box sorts: case ignored.
    int index = 0;
    while (index < count() && text::CompareNoCase(text::FromQString(itemText(index)), entry) <= 0)
        ++index;
    insertItem(index, text::ToQString(entry));
    return index;
}

void STYLECOMBO::SelectStyle(uint8_t type, std::string_view name)
{
    const std::string entry = FormatStyleName(type, name);
    if (!SelectEntry(entry))
        setCurrentIndex(AddEntry(entry));
}

bool STYLECOMBO::SelectEntry(std::string_view entry)
{
    for (int i = 0; i < count(); ++i)
        if (text::EqualNoCase(text::FromQString(itemText(i)), entry)) {
            setCurrentIndex(i);
            return true;
        }
    return false;
}

void STYLECOMBO::Reset()
{
    clear();
}

std::string STYLECOMBO::GetSelectedEntry() const
{
    return currentIndex() < 0 ? std::string() : text::FromQString(currentText());
}

std::vector<std::string> STYLECOMBO::GetEntries() const
{
    std::vector<std::string> entries;
    for (int i = 0; i < count(); ++i)
        entries.push_back(text::FromQString(itemText(i)));
    return entries;
}

STYLECOMBO* STYLECOMBO::PutIntoBar(QToolBar& bar)
{
    auto* box = new STYLECOMBO(&bar);
    if (kStyleComboSlot < bar.actions().size())
        ui::SetSeparatorWidget(bar, kStyleComboSlot, box);
    else
        bar.addWidget(box);
    return box;
}

STYLECOMBO* STYLECOMBO::Find(const QToolBar* bar)
{
    return bar ? bar->findChild<STYLECOMBO*>() : nullptr;
}

void STYLECOMBO::SetOwnerLookup(OwnerLookup lookup)
{
    Lookup() = lookup ? std::move(lookup) : OwnerLookup(ActiveViewOwner);
}

void STYLECOMBO::showPopup()
{
    Notify(ui::CBN_DROPDOWN);
    popupOpen = true;
    QComboBox::showPopup();
}

void STYLECOMBO::hidePopup()
{
    QComboBox::hidePopup();
    popupOpen = false;
    // The toolkit selects the entry clicked only after the list has closed.
    QTimer::singleShot(0, this, [this] { OnCloseUp(); });
}

void STYLECOMBO::OnCloseUp()
{
    focusLossTold = false;
    Notify(ui::CBN_CLOSEUP);
    // Closing the list gives the focus back to the view: the box has lost
    // it, whether or not the toolkit has told it so yet, and keeps none that
    // a later loss would take the choice again with.
    if (!focusLossTold) {
        TellFocusLost();
        if (hasFocus()) {
            clearingFocus = true;
            clearFocus();
            clearingFocus = false;
        }
    }
}

void STYLECOMBO::focusOutEvent(QFocusEvent* e)
{
    QComboBox::focusOutEvent(e);
    // The box's own list takes the focus while it is open.
    if (!popupOpen && !clearingFocus)
        TellFocusLost();
}

void STYLECOMBO::TellFocusLost()
{
    focusLossTold = true;
    Notify(ui::CBN_KILLFOCUS);
}

void STYLECOMBO::Notify(unsigned code)
{
    if (STYLE_BOX_OWNER* owner = Lookup()())
        owner->OnStyleBoxNotify(*this, code);
}
