#include "forms/app/frames/main_frame.h"

#include "forms/app/frames/style_combo.h"

#include "forms/app/frames/bar_placement.h"
#include "forms/app/frames/factory_toolbar.h"
#include "forms/app/frames/frame_resources.h"
#include "forms/app/frames/std_toolbar.h"
#include "forms/app/frames/text_toolbar.h"
#include "forms/app/frames/window_commands.h"
#include "forms/app/frames/window_state.h"
#include "forms/app/program/recent_file_list.h"
#include "forms/app/program/recent_file_menu.h"
#include "forms/app/template/dyn_view_doc_template.h"
#include "forms/app/views/fbaseview.h"
#include "forms/document/font_lists.h"
#include "forms/model/font_cache.h"
#include "forms/res/command_ids.h"
#include "forms/res/program_resources.h"

#include "platform/ui/accelerators.h"
#include "platform/ui/app.h"
#include "platform/ui/bar_state.h"
#include "platform/ui/cmd_ui.h"
#include "platform/ui/command_bar.h"
#include "platform/ui/document.h"
#include "platform/ui/menu.h"
#include "platform/ui/status_bar.h"
#include "platform/ui/tool_bar.h"
#include "platform/ui/view.h"
#include "platform/ui/window_list_menu.h"

#include <QAction>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include <set>

namespace {

constexpr unsigned kMainMenu = 7;

Qt::ToolBarArea AreaOf(ui::DockSide side)
{
    switch (side) {
    case ui::DockSide::Top:
        return Qt::TopToolBarArea;
    case ui::DockSide::Bottom:
        return Qt::BottomToolBarArea;
    case ui::DockSide::Left:
        return Qt::LeftToolBarArea;
    case ui::DockSide::Right:
        return Qt::RightToolBarArea;
    }
    return Qt::TopToolBarArea;
}

SettingsRect ToSettingsRect(const QRect& r)
{
    return {r.left(), r.top(), r.right() + 1, r.bottom() + 1};
}

BarSettings ToBarSettings(const ui::BarState& state)
{
    return {state.visible, state.floating, ToSettingsRect(state.rect)};
}

// The prompt of a command: the text of its string before the first "\n".
std::string CommandPrompt(unsigned id)
{
    const std::string* text = ProgramResources().Find(res::Kind::String, id);
    return text ? text->substr(0, text->find('\n')) : std::string();
}

} // namespace

FFRAME::FFRAME(USERSETTINGS& settings)
    : settings_(settings)
{
    AddBarToggle(ID_VIEW_TOOLBAR, stdBar_);
    AddBarToggle(ID_VIEW_TEXTBAR, textBar_);
    AddBarToggle(ID_TOGGLE_TEXTBAR, textBar_);
    AddBarToggle(ID_VIEW_FACTORYBAR, factoryBar_);
    AddBarToggle(ID_TOGGLE_FACTORYBAR, factoryBar_);
    AddWindowCommand(ID_WINDOW_CASCADE, [](FFRAME& f) { CascadeWindows(f); });
    AddWindowCommand(ID_WINDOW_TILE_HORZ, [](FFRAME& f) { f.GetClientArea()->tileSubWindows(); });
    AddWindowCommand(ID_WINDOW_NEW, [](FFRAME& f) { OpenNewWindow(f); });
    AddWindowCommand(ID_WINDOW_ARRANGE, [](FFRAME& f) { ArrangeIcons(f); });
    AddCommand(ID_VIEW_TOOLBARS, [this](unsigned) { ShowToolbarsDialog(); });
    AddCommand(ID_ZOOM_BOX, [this](unsigned) { ApplyZoomBox(); });
    // The zoom box shows the active view's zoom whenever that changes; what
    // the user types stays until it is applied.
    AddUpdate(ID_ZOOM_BOX, [this](ui::CmdUI& cmdUI) {
        cmdUI.Enable(true);
        ZOOMCOMBO* box = GetStdToolBar() ? GetStdToolBar()->GetZoomCombo() : nullptr;
        ui::Frame* child = GetActiveChild();
        auto* view = child ? dynamic_cast<FBASEVIEW*>(child->GetActiveView()) : nullptr;
        if (!box || !view || (view == zoomShownFor_ && view->GetZoom() == zoomShown_))
            return;
        zoomShownFor_ = view;
        zoomShown_ = view->GetZoom();
        ::SetZoom(*box, zoomShown_);
    });
}

FFRAME::~FFRAME() = default;

void FFRAME::AddBarToggle(unsigned id, QToolBar* const& bar)
{
    AddCommand(id, [this, &bar](unsigned) {
        if (bar)
            ToggleBar(*bar);
    });
    AddUpdate(id, [&bar](ui::CmdUI& cmdUI) {
        cmdUI.Enable(bar != nullptr);
        cmdUI.SetCheck(bar && bar->isVisibleTo(bar->parentWidget()) ? 1 : 0);
    });
}

void FFRAME::AddWindowCommand(unsigned id, void (*arrange)(FFRAME&))
{
    AddCommand(id, [this, arrange](unsigned) { arrange(*this); });
    AddUpdate(id, [this](ui::CmdUI& cmdUI) { cmdUI.Enable(!ActiveDocumentHasFillView()); });
}

void FFRAME::Create(std::string_view titleCp1252, QSize desktop)
{
    MainFrame::Create(titleCp1252);
    QMainWindow& window = *GetWindow();
    window.setGeometry(settings_.winLeft, settings_.winTop, settings_.winWidth, settings_.winHeight);
    SetMinTrackSize(desktop / 2);
    SetMaxTrackSize(desktop);
    window.setDockOptions(window.dockOptions() | QMainWindow::AnimatedDocks);

    commands_ = std::make_unique<ui::CommandBar>(*this);
    std::vector<ui::MenuItem> menu = LoadMenu(kMainMenu);
    if (recentFiles_)
        menu = WithRecentFileItems(std::move(menu), recentFiles_->GetSize());
    ui::FillMenuBar(*window.menuBar(), menu, *commands_);
    if (QAction* first = commands_->FindAction(ID_FILE_MRU_FILE1))
        for (QObject* owner : first->associatedObjects())
            if (auto* fileMenu = qobject_cast<QMenu*>(owner))
                QObject::connect(fileMenu, &QMenu::aboutToShow, fileMenu, [this] { UpdateRecentFileItems(); });
    UpdateRecentFileItems();
    if (QAction* cascade = commands_->FindAction(ID_WINDOW_CASCADE))
        for (QObject* owner : cascade->associatedObjects())
            if (auto* windowMenu = qobject_cast<QMenu*>(owner))
                ui::ShowWindowList(*windowMenu, *this);
    accelerators_ = std::make_unique<ui::AcceleratorTable>(LoadAccelerators(kMainMenu), *this);
    accelerators_->Install(window);

    const SettingsRect saved = SavedWindowRect(settings_);
    // Each bar docked to a side already taken starts a row of its own.
    std::set<ui::DockSide> taken;
    for (const BarPlacement& placement : BarPlacementOrder(settings_)) {
        QToolBar* bar = nullptr;
        switch (placement.bar) {
        case PlacedBar::Standard:
            bar = stdBar_ = MakeBar(new STDTOOLBAR(&window), Qt::TopToolBarArea | Qt::BottomToolBarArea);
            break;
        case PlacedBar::Design:
            bar = factoryBar_ = MakeBar(new FACTORYTOOLBAR(&window), Qt::AllToolBarAreas);
            break;
        case PlacedBar::Text:
            bar = textBar_ = MakeBar(new TEXTTOOLBAR(&window), Qt::TopToolBarArea | Qt::BottomToolBarArea);
            GetTextToolBar()->FillCombos(InstalledFontNames());
            STYLECOMBO::PutIntoBar(*GetTextToolBar());
            break;
        case PlacedBar::Tipviewer:
            break;
        }
        if (!bar)
            continue;
        const ui::BarState state = BarStateFor(placement, saved);
        if (!state.floating && !taken.insert(state.side).second)
            window.addToolBarBreak(AreaOf(state.side));
        ui::SetBarState(window, *bar, state);
    }

    statusBar_ = new ui::StatusBar;
    // The widths are minimums: a pane shows its widest text whole.
    statusBar_->SetPanes({{ID_INDICATOR_POS, 125, "", "Pos (x,y) : ( -88.88 , -88.88 )"},
        {ID_INDICATOR_SIZE, 125, "", "Size (w,h) : ( 88.88 x 88.88 )"}, {ID_INDICATOR_PAGE, 75, "", " 888 of 888"}});
    statusBar_->SetPromptSource(CommandPrompt);
    for (QMenu* menu : window.menuBar()->findChildren<QMenu*>(QString(), Qt::FindDirectChildrenOnly))
        statusBar_->ShowPromptsOf(*menu);
    window.setStatusBar(statusBar_);
}

void FFRAME::UpdateRecentFileItems()
{
    if (recentFiles_ && commands_)
        ShowRecentFiles(*commands_, *recentFiles_);
}

QToolBar* FFRAME::MakeBar(ProgramToolBar* bar, Qt::ToolBarAreas areas)
{
    bar->setAllowedAreas(areas);
    bar->Create(*commands_, {settings_.largeButtons, settings_.colorButtons, settings_.showToolTips});
    // Each box's slot carries the box's id, so that idle updates along the
    // command route enable the box and bring what it shows up to date.
    for (QAction* action : bar->actions())
        if (auto* box = dynamic_cast<BarComboBox*>(bar->widgetForAction(action)))
            commands_->Bind(action, box->GetId());
    for (BarComboBox* box : bar->findChildren<BarComboBox*>()) {
        box->SetFocusBack([this] { FocusActiveView(); });
        box->SetOnKillFocus([this](unsigned id) {
            if (ui::App* app = ui::App::Current())
                app->PostCommand(*this, id);
        });
    }
    return bar;
}

STDTOOLBAR* FFRAME::GetStdToolBar() const
{
    return static_cast<STDTOOLBAR*>(stdBar_);
}

FACTORYTOOLBAR* FFRAME::GetFactoryToolBar() const
{
    return static_cast<FACTORYTOOLBAR*>(factoryBar_);
}

TEXTTOOLBAR* FFRAME::GetTextToolBar() const
{
    return static_cast<TEXTTOOLBAR*>(textBar_);
}

void FFRAME::UpdateBarButtons()
{
    const ButtonStyle style {settings_.largeButtons, settings_.colorButtons, settings_.showToolTips};
    for (QToolBar* bar : {stdBar_, factoryBar_, textBar_})
        if (bar)
            static_cast<ProgramToolBar*>(bar)->UpdateButtons(style);
}

void FFRAME::RefreshSettings()
{
    if (FONTCACHE* fonts = GetFontCache()) {
        fonts->FlushList1();
        fonts->FlushList2();
        fonts->FlushList3();
    }
    if (TEXTTOOLBAR* bar = GetTextToolBar())
        bar->FillCombos(InstalledFontNames());
    ui::Frame* child = GetActiveChild();
    ui::Document* doc = child ? child->GetActiveDocument() : nullptr;
    if (!doc)
        return;
    for (ui::View* view : doc->Views())
        if (auto* formView = dynamic_cast<FBASEVIEW*>(view))
            formView->OnUpdate(nullptr, 0, nullptr);
}

void FFRAME::ApplyZoomBox()
{
    STDTOOLBAR* bar = GetStdToolBar();
    ui::Frame* child = GetActiveChild();
    ui::Document* doc = child ? child->GetActiveDocument() : nullptr;
    if (!bar || !bar->GetZoomCombo() || !doc)
        return;
    const int percent = bar->GetZoom();
    for (ui::View* view : doc->Views())
        if (auto* formView = dynamic_cast<FBASEVIEW*>(view); formView && formView->GetZoom() != percent)
            formView->SetZoom(percent);
}

void FFRAME::FocusActiveView()
{
    ui::Frame* child = GetActiveChild();
    ui::View* view = child ? child->GetActiveView() : nullptr;
    if (QWidget* window = view ? view->GetWindow() : nullptr)
        window->setFocus();
}

void FFRAME::SetPosText(std::string_view cp1252)
{
    if (statusBar_)
        statusBar_->SetPaneText(ID_INDICATOR_POS, cp1252);
}

void FFRAME::SetSizeText(std::string_view cp1252)
{
    if (statusBar_)
        statusBar_->SetPaneText(ID_INDICATOR_SIZE, cp1252);
}

void FFRAME::SetPageText(std::string_view cp1252)
{
    if (statusBar_)
        statusBar_->SetPaneText(ID_INDICATOR_PAGE, cp1252);
}

void FFRAME::ClearFormPanes()
{
    SetPageText("");
    SetPosText("");
    SetSizeText("");
}

void FFRAME::ToggleBar(QToolBar& bar)
{
    QMainWindow& window = *GetWindow();
    const ui::BarState state = ui::GetBarState(window, bar);
    if (state.visible) {
        bar.hide();
        return;
    }
    const QRect frameRect(window.mapToGlobal(QPoint(0, 0)), window.size());
    if (!state.floating && !frameRect.intersects(state.rect))
        ui::FloatBar(window, bar, frameRect.topLeft() + QPoint(32, 32));
    bar.show();
}

bool FFRAME::ActiveDocumentHasFillView() const
{
    ui::Frame* child = GetActiveChild();
    ui::Document* doc = child ? child->GetActiveDocument() : nullptr;
    return doc && template_ && template_->HasViewOfIndex(*doc, kFillView);
}

void FFRAME::RecordWindowState()
{
    QMainWindow& window = *GetWindow();
    MainWindowState state;
    state.iconic = IsIconic();
    state.zoomed = IsZoomed();
    state.rect = ToSettingsRect(window.geometry());
    state.bars[static_cast<int>(SettingsBar::Standard)] = ToBarSettings(ui::GetBarState(window, *stdBar_));
    state.bars[static_cast<int>(SettingsBar::Factory)] = ToBarSettings(ui::GetBarState(window, *factoryBar_));
    state.bars[static_cast<int>(SettingsBar::TextTool)] = ToBarSettings(ui::GetBarState(window, *textBar_));
    SaveWindowState(settings_, state, false);
}

bool FFRAME::OnClose()
{
    if (ActiveDocumentHasFillView())
        if (ui::App* app = ui::App::Current())
            app->SendCommand(*this, ID_VIEW_DESIGN);
    if (GetWindow() && stdBar_)
        RecordWindowState();
    return MainFrame::OnClose();
}
