// What a form view asks of its frame and the program: the status panes, the
// format bar, the drawing preferences, the other forms' views, and the
// printer. The program implements it; a view without one shows and prints
// with the defaults.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class QMainWindow;
class FORMAT_BAR;

namespace gdi {
struct DevMode;
}
namespace ui {
class Document;
}

// The user's drawing preferences the views follow.
struct VIEW_SETTINGS {
    int inches = 0; // 0 inches, 1 centimetres
    bool checkBoxOutlines = true;
    bool showBaselines = true;
    bool showMargins = true;
};

// One line of a shortcut menu: a command and its text (Windows-1252), or a
// separator (id 0).
struct VIEW_MENU_ITEM {
    unsigned id = 0;
    std::string text;
};

class VIEW_HOST {
public:
    virtual ~VIEW_HOST() = default;

    // The status bar's position, size and page panes (Windows-1252).
    virtual void SetPosText(std::string_view text) = 0;
    virtual void SetSizeText(std::string_view text) = 0;
    virtual void SetPageText(std::string_view text) = 0;
    // The format bar, or null when the frame has none.
    virtual FORMAT_BAR* GetTextToolBar() = 0;
    // The main window, disabled while a job prints; null without one.
    virtual QMainWindow* GetMainWindow() = 0;
    // The lines of the design view's shortcut menu of the index; none past
    // the last menu.
    virtual std::vector<VIEW_MENU_ITEM> GetContextMenu(int index) = 0;

    virtual VIEW_SETTINGS GetViewSettings() const = 0;
    virtual void SetViewSettings(const VIEW_SETTINGS& settings) = 0;

    // The documents the program has open.
    virtual std::vector<ui::Document*> Documents() = 0;
    // Whether every view of the document is of the indexed view class
    // (view_index.h).
    virtual bool AllViewsOfIndex(const ui::Document& document, int index) const = 0;

    // The current printer ("" for the PDF printer); choosing another makes
    // the frames show the forms for it.
    virtual std::string GetPrinterName() const = 0;
    virtual void ChoosePrinter(const std::string& name) = 0;
    // The current printer's orientation (landscape for flag 1) and paper,
    // upright in twips.
    virtual void SetOrientation(int landscape) = 0;
    virtual void SetPaperSize(int32_t width, int32_t length) = 0;
    virtual const gdi::DevMode& GetDevMode() const = 0;
    // A print job tells how it ended.
    virtual void NotePrintResult(bool ok) = 0;
    // Whether the program prints unattended (failures go to the error
    // stream), and the name message boxes carry.
    virtual bool IsPrintingUnattended() const = 0;
    virtual std::string AppName() const = 0;
};
