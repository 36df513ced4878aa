// What the program gives its form views: the main frame's status panes,
// format bar and window, the user's drawing preferences, the template's
// documents, and the program's printer.
#pragma once

#include "forms/app/views/view_host.h"

class FORMSAPP;

// The lines of the design view's shortcut menu of the index, from the
// program's menu resources; none past the last menu.
std::vector<VIEW_MENU_ITEM> LoadContextMenu(int index);

class AppViewHost : public VIEW_HOST {
public:
    // The application must outlive the host.
    explicit AppViewHost(FORMSAPP& app);

    void SetPosText(std::string_view text) override;
    void SetSizeText(std::string_view text) override;
    void SetPageText(std::string_view text) override;
    FORMAT_BAR* GetTextToolBar() override;
    QMainWindow* GetMainWindow() override;
    std::vector<VIEW_MENU_ITEM> GetContextMenu(int index) override;

    VIEW_SETTINGS GetViewSettings() const override;
    void SetViewSettings(const VIEW_SETTINGS& settings) override;

    std::vector<ui::Document*> Documents() override;
    bool AllViewsOfIndex(const ui::Document& document, int index) const override;

    std::string GetPrinterName() const override;
    void ChoosePrinter(const std::string& name) override;
    void SetOrientation(int landscape) override;
    void SetPaperSize(int32_t width, int32_t length) override;
    const gdi::DevMode& GetDevMode() const override;
    void NotePrintResult(bool ok) override;
    bool IsPrintingUnattended() const override;
    std::string AppName() const override;

private:
    FORMSAPP& app_;
};
