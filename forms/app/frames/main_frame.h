// The program's main window: its menu, accelerators and tool bars, docked
// or floated where the user left them, the status bar with the position,
// size and page panes; it keeps within the desktop, and on closing sends a
// form being filled back to design and records the window and bar placement.
#pragma once

#include "forms/app/frames/factory_toolbar.h"
#include "forms/app/frames/std_toolbar.h"
#include "forms/app/frames/text_toolbar.h"
#include "forms/app/program/user_settings.h"
#include "forms/app/views/view_host.h"
#include "forms/res/command_ids.h"

#include "platform/ui/frame.h"

#include <QSize>

#include <memory>
#include <string_view>

class QToolBar;
class CDynViewDocTemplate;
class RecentFileList;

namespace ui {
class AcceleratorTable;
class CommandBar;
class StatusBar;
} // namespace ui

class FFRAME : public ui::MainFrame {
public:
    // The settings block is read when the window is made and written when
    // it closes; it must outlive the frame.
    explicit FFRAME(USERSETTINGS& settings);
    ~FFRAME() override;

    // The document template whose fill views the frame looks for; set once
    // the template exists.
    void SetDocTemplate(CDynViewDocTemplate* docTemplate) { template_ = docTemplate; }
    CDynViewDocTemplate* GetDocTemplate() const { return template_; }
    // The recent files the File menu shows; set before Create, it must
    // outlive the frame.
    void SetRecentFileList(const RecentFileList* files) { recentFiles_ = files; }

    // Makes the window (not shown) at the saved place, limited to the
    // desktop, with menu, accelerators, bars and status bar.
    void Create(std::string_view titleCp1252, QSize desktop);

    STDTOOLBAR* GetStdToolBar() const;
    FACTORYTOOLBAR* GetFactoryToolBar() const;
    TEXTTOOLBAR* GetTextToolBar() const;
    ui::StatusBar* GetStatusBar() const { return statusBar_; }

    void SetPosText(std::string_view cp1252);
    void SetSizeText(std::string_view cp1252);
    void SetPageText(std::string_view cp1252);
    // Empties the page, position and size panes: no form is active.
    void ClearFormPanes();
    // Hides a shown bar, shows a hidden one; a hidden docked bar lying
    // outside the window is floated 32 pixels right of and below the
    // window's top-left corner.
    void ToggleBar(QToolBar& bar);
    // The Toolbars dialog: which bars show, and the colour, large-button
    // and tool tip settings; changed settings are stored and every bar takes
    // the new button style.
    void ShowToolbarsDialog();
    // The three bars take the button style of the settings.
    void UpdateBarButtons();
    // The zoom typed or chosen in the zoom box, for every view of the
    // active form.
    void ApplyZoomBox();
    // Gives the keyboard focus to the active view.
    void FocusActiveView();
    // After the printer or the system's settings changed: the fonts made
    // for devices are made again, the typeface box is refilled and every
    // view of the active form repaints.
    void RefreshSettings();

    // A form being filled goes back to design first, then the placement is
    // recorded, then the documents are asked about their changes.
    bool OnClose() override;

    // The File menu's recent file items as the list now stands; done
    // whenever the menu opens.
    void UpdateRecentFileItems();

private:
    QToolBar* MakeBar(ProgramToolBar* bar, Qt::ToolBarAreas areas);
    void AddBarToggle(unsigned id, QToolBar* const& bar);
    void AddWindowCommand(unsigned id, void (*arrange)(FFRAME&));
    bool ActiveDocumentHasFillView() const;
    void RecordWindowState();

    USERSETTINGS& settings_;
    CDynViewDocTemplate* template_ = nullptr;
    const RecentFileList* recentFiles_ = nullptr;
    std::unique_ptr<ui::CommandBar> commands_;
    std::unique_ptr<ui::AcceleratorTable> accelerators_;
    QToolBar* stdBar_ = nullptr;
    QToolBar* factoryBar_ = nullptr;
    QToolBar* textBar_ = nullptr;
    ui::StatusBar* statusBar_ = nullptr;
    // The view and zoom the zoom box last showed (only compared).
    const void* zoomShownFor_ = nullptr;
    int zoomShown_ = 0;
};
