// A view host for views built outside the program: no status bar, format
// bar or main window, default drawing preferences kept as set, no other
// documents, the PDF printer, and the program's shortcut menus.
#pragma once

#include "forms/app/program/app_view_host.h"
#include "forms/app/template/dyn_view_doc_template.h"

#include "platform/gdi/printer_dev_mode.h"

class FakeViewHost : public VIEW_HOST {
public:
    void SetPosText(std::string_view) override {}
    void SetSizeText(std::string_view) override {}
    void SetPageText(std::string_view) override {}
    FORMAT_BAR* GetTextToolBar() override { return nullptr; }
    QMainWindow* GetMainWindow() override { return nullptr; }
    std::vector<VIEW_MENU_ITEM> GetContextMenu(int index) override { return LoadContextMenu(index); }

    VIEW_SETTINGS GetViewSettings() const override { return settings; }
    void SetViewSettings(const VIEW_SETTINGS& changed) override { settings = changed; }

    std::vector<ui::Document*> Documents() override { return {}; }
    bool AllViewsOfIndex(const ui::Document& document, int index) const override
    {
        return CDynViewDocTemplate::AllViewsOfIndex(document, index);
    }

    std::string GetPrinterName() const override { return {}; }
    void ChoosePrinter(const std::string&) override {}
    void SetOrientation(int) override {}
    void SetPaperSize(int32_t, int32_t) override {}
    const gdi::DevMode& GetDevMode() const override { return devMode; }
    void NotePrintResult(bool) override {}
    bool IsPrintingUnattended() const override { return false; }
    std::string AppName() const override { return {}; }

    VIEW_SETTINGS settings;
    gdi::DevMode devMode;
};
