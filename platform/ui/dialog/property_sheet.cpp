#include "platform/ui/dialog/property_sheet.h"

#include "platform/text/cp1252.h"
#include "platform/ui/dialog/notifications.h"
#include "platform/ui/dialog/property_page.h"

#include <QStackedWidget>
#include <QTabBar>

#include <algorithm>

namespace ui {

namespace {

// Dialog units around the pages: the margin, the tab row, the button row.
constexpr int kMargin = 4;
constexpr int kTabHeight = 14;
constexpr int kButtonWidth = 50;
constexpr int kButtonHeight = 14;
constexpr int kButtonGap = 6;

res::DialogControl Button(uint16_t id, res::ControlKind kind, std::string text)
{
    res::DialogControl c;
    c.id = id;
    c.kind = kind;
    c.styles = res::kStyleTabStop;
    c.text = std::move(text);
    return c;
}

} // namespace

PropertySheet::PropertySheet(std::string caption, QWidget* parent, int start)
    : Dialog(sheetDefinition, parent)
    , startPage(start)
{
    sheetDefinition.caption = std::move(caption);
    sheetDefinition.controls = {
        Button(1, res::ControlKind::DefPushButton, "OK"),
        Button(2, res::ControlKind::PushButton, "Cancel"),
        Button(ID_APPLY_NOW, res::ControlKind::PushButton, "&Apply"),
        Button(ID_HELP, res::ControlKind::PushButton, "Help"),
    };
    Layout();
}

PropertySheet::~PropertySheet() = default;

void PropertySheet::AddPage(PropertyPage* page)
{
    pages.push_back(page);
    if (!tabs) {
        Layout();
        return;
    }
    switching = true;
    tabs->addTab(text::ToQString(page->GetCaption()));
    switching = false;
}

void PropertySheet::RemovePage(int index)
{
    if (index < 0 || index >= GetPageCount())
        return;
    PropertyPage* page = pages[static_cast<size_t>(index)];
    pages.erase(pages.begin() + index);
    if (!tabs) {
        Layout();
        return;
    }
    // The page's host goes; the hosts of later pages move one place up.
    for (int i = stack->count() - 1; i >= 0; --i) {
        QWidget* host = stack->widget(i);
        const int shown = host->property("page").toInt();
        if (shown == index) {
            if (page->IsCreated())
                page->DestroyChildWindow();
            stack->removeWidget(host);
            delete host;
        } else if (shown > index) {
            host->setProperty("page", shown - 1);
        }
    }
    switching = true;
    tabs->removeTab(index);
    switching = false;
    if (active > index) {
        --active;
    } else if (active == index) {
        active = -1;
        if (!pages.empty())
            ShowPage(std::min(index, GetPageCount() - 1));
    }
}

PropertyPage* PropertySheet::GetPage(int index) const
{
    return index >= 0 && index < GetPageCount() ? pages[static_cast<size_t>(index)] : nullptr;
}

PropertyPage* PropertySheet::GetActivePage() const
{
    return GetPage(active);
}

void PropertySheet::Layout()
{
    int width = 4 * kButtonWidth + 3 * kButtonGap;
    int height = 0;
    for (const PropertyPage* page : pages) {
        width = std::max(width, page->Definition().width);
        height = std::max(height, page->Definition().height);
    }
    sheetDefinition.width = width + 2 * kMargin;
    const int buttonsTop = kMargin + kTabHeight + height + kMargin;
    sheetDefinition.height = buttonsTop + kButtonHeight + kMargin;
    int x = sheetDefinition.width - kMargin - kButtonWidth;
    for (auto it = sheetDefinition.controls.rbegin(); it != sheetDefinition.controls.rend(); ++it) {
        it->x = x;
        it->y = buttonsTop;
        it->width = kButtonWidth;
        it->height = kButtonHeight;
        x -= kButtonWidth + kButtonGap;
    }
}

int PropertySheet::DoModal()
{
    if (pages.empty())
        return 2;
    return Dialog::DoModal();
}

bool PropertySheet::OnInitDialog()
{
    QWidget* window = GetWindow();
    const gdi::RECT tabRow
        = MapDialogRect(kMargin, kMargin, sheetDefinition.width - 2 * kMargin, kTabHeight, GetBaseUnits());
    tabs = new QTabBar(window);
    tabs->setObjectName(QStringLiteral("sheet_tabs"));
    tabs->setDrawBase(true);
    tabs->setExpanding(false);
    for (const PropertyPage* page : pages)
        tabs->addTab(text::ToQString(page->GetCaption()));
    tabs->setGeometry(tabRow.left, tabRow.top, tabRow.Width(), tabRow.Height());
    stack = new QStackedWidget(window);
    stack->setObjectName(QStringLiteral("sheet_pages"));
    stack->setFrameShape(QFrame::StyledPanel);
    int pageHeight = 0;
    for (const PropertyPage* page : pages)
        pageHeight = std::max(pageHeight, page->Definition().height);
    const gdi::RECT area
        = MapDialogRect(kMargin, kMargin + kTabHeight, sheetDefinition.width - 2 * kMargin, pageHeight, GetBaseUnits());
    stack->setGeometry(area.left, area.top, area.Width(), area.Height());
    QObject::connect(tabs, &QTabBar::currentChanged, tabs, [this](int index) {
        if (switching || index == active)
            return;
        if (!SetActivePage(index)) {
            switching = true;
            tabs->setCurrentIndex(active);
            switching = false;
        }
    });
    active = -1;
    ShowPage(std::clamp(startPage, 0, GetPageCount() - 1));
    return false;
}

void PropertySheet::ShowPage(int index)
{
    PropertyPage* page = pages[static_cast<size_t>(index)];
    if (!page->IsCreated()) {
        auto* host = new QWidget;
        stack->addWidget(host);
        page->CreateChildWindow(host);
        host->setProperty("page", index);
    }
    for (int i = 0; i < stack->count(); ++i)
        if (stack->widget(i)->property("page").toInt() == index)
            stack->setCurrentIndex(i);
    active = index;
    switching = true;
    tabs->setCurrentIndex(index);
    switching = false;
    page->OnSetActive();
    if (QWidget* window = page->GetWindow())
        if (QWidget* first = window->nextInFocusChain(); first && window->isAncestorOf(first))
            first->setFocus(Qt::TabFocusReason);
}

bool PropertySheet::SetActivePage(int index)
{
    if (index < 0 || index >= GetPageCount() || !IsRunning())
        return false;
    if (index == active)
        return true;
    if (PropertyPage* current = GetActivePage(); current && !current->OnKillActive())
        return false;
    ShowPage(index);
    return true;
}

bool PropertySheet::RunOkSteps()
{
    if (PropertyPage* current = GetActivePage(); current && !current->OnKillActive())
        return false;
    for (PropertyPage* page : pages)
        if (page->IsCreated())
            page->OnOK();
    return true;
}

void PropertySheet::RunCancelSteps()
{
    for (PropertyPage* page : pages)
        if (page->IsCreated())
            page->OnCancel();
}

bool PropertySheet::OnCommand(int id, unsigned code)
{
    if (code != BN_CLICKED)
        return false;
    if (id == 1) {
        if (RunOkSteps())
            EndDialog(1);
        return true;
    }
    if (id == 2) {
        RunCancelSteps();
        EndDialog(2);
        return true;
    }
    return false;
}

void PropertySheet::OnDestroyWindow()
{
    for (PropertyPage* page : pages)
        if (page->IsCreated())
            page->DestroyChildWindow();
    tabs = nullptr;
    stack = nullptr;
    active = -1;
}

} // namespace ui
