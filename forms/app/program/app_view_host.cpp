#include "forms/app/program/app_view_host.h"

#include "forms/app/frames/main_frame.h"
#include "forms/app/frames/resource_blocks.h"
#include "forms/app/program/forms_app.h"

namespace {

// The menu resource whose popups are the design view's shortcut menus.
constexpr unsigned kContextMenu = 2017;

} // namespace

AppViewHost::AppViewHost(FORMSAPP& app)
    : app_(app)
{}

void AppViewHost::SetPosText(std::string_view text)
{
    if (FFRAME* frame = app_.GetMainFrame())
        frame->SetPosText(text);
}

void AppViewHost::SetSizeText(std::string_view text)
{
    if (FFRAME* frame = app_.GetMainFrame())
        frame->SetSizeText(text);
}

void AppViewHost::SetPageText(std::string_view text)
{
    if (FFRAME* frame = app_.GetMainFrame())
        frame->SetPageText(text);
}

FORMAT_BAR* AppViewHost::GetTextToolBar()
{
    FFRAME* frame = app_.GetMainFrame();
    return frame ? frame->GetTextToolBar() : nullptr;
}

QMainWindow* AppViewHost::GetMainWindow()
{
    FFRAME* frame = app_.GetMainFrame();
    return frame ? frame->GetWindow() : nullptr;
}

std::vector<VIEW_MENU_ITEM> LoadContextMenu(int index)
{
    const ResourceBlock block = LoadResourceBlock("menus.txt", "MENU", true, res::Kind::Menu, kContextMenu);
    std::vector<VIEW_MENU_ITEM> items;
    if (index < 0 || index >= static_cast<int>(block.entries.size()))
        return items;
    for (const ResourceEntry& entry : block.entries[static_cast<size_t>(index)].items)
        if (entry.kind == ResourceEntry::Kind::Separator)
            items.push_back({});
        else if (entry.kind == ResourceEntry::Kind::Command)
            items.push_back({entry.id, entry.text});
    return items;
}

std::vector<VIEW_MENU_ITEM> AppViewHost::GetContextMenu(int index)
{
    return LoadContextMenu(index);
}

VIEW_SETTINGS AppViewHost::GetViewSettings() const
{
    const USERSETTINGS& settings = app_.GetUserSettings();
    return {settings.inches, settings.checkBoxOutlines, settings.showBaselines, settings.showMargins};
}

void AppViewHost::SetViewSettings(const VIEW_SETTINGS& settings)
{
    USERSETTINGS& kept = app_.GetUserSettings();
    kept.inches = settings.inches;
    kept.checkBoxOutlines = settings.checkBoxOutlines;
    kept.showBaselines = settings.showBaselines;
    kept.showMargins = settings.showMargins;
}

std::vector<ui::Document*> AppViewHost::Documents()
{
    CDynViewDocTemplate* docTemplate = app_.GetDocTemplate();
    return docTemplate ? docTemplate->Documents() : std::vector<ui::Document*> {};
}

bool AppViewHost::AllViewsOfIndex(const ui::Document& document, int index) const
{
    return CDynViewDocTemplate::AllViewsOfIndex(document, index);
}

std::string AppViewHost::GetPrinterName() const
{
    return app_.GetPrinterName();
}

void AppViewHost::ChoosePrinter(const std::string& name)
{
    app_.SetPrinterName(name);
    if (FFRAME* frame = app_.GetMainFrame())
        frame->RefreshSettings();
}

void AppViewHost::SetOrientation(int landscape)
{
    app_.SetOrientation(landscape);
}

void AppViewHost::SetPaperSize(int32_t width, int32_t length)
{
    app_.SetPaperSize(width, length);
}

const gdi::DevMode& AppViewHost::GetDevMode() const
{
    return app_.GetDevMode();
}

void AppViewHost::NotePrintResult(bool ok)
{
    app_.NotePrintResult(ok);
}

bool AppViewHost::IsPrintingUnattended() const
{
    return app_.GetCommandLine().print;
}

std::string AppViewHost::AppName() const
{
    return app_.AppName();
}
