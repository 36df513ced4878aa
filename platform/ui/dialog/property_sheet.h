// A modal property sheet: a row of tabs over the pages, and the buttons OK
// (1), Cancel (2), Apply (12321) and Help (57669) below them, which the
// owner may hide, disable, move and caption by their ids. A page's window
// is made when the page is first shown. The sheet runs through the dialog
// hook like any dialog; one without pages opens no window and answers 2.
#pragma once

#include "platform/res/dialog_template.h"
#include "platform/ui/dialog/dialog.h"

#include <vector>

class QStackedWidget;
class QTabBar;

namespace ui {

class PropertyPage;

inline constexpr int ID_APPLY_NOW = 12321;
inline constexpr int ID_HELP = 57669;

namespace detail {
// The sheet's own definition, made before the dialog that refers to it.
struct SheetDefinition {
    res::DialogTemplate sheetDefinition;
};
} // namespace detail

class PropertySheet
    : private detail::SheetDefinition
    , public Dialog {
public:
    PropertySheet(std::string caption, QWidget* parent, int startPage);
    ~PropertySheet() override;

    // Pages are not owned; they outlive the sheet's run. Both may be
    // called while the sheet runs: a removed page's window goes with it,
    // and a page added then gets its tab at the end.
    void AddPage(PropertyPage* page);
    void RemovePage(int index);
    int GetPageCount() const { return static_cast<int>(pages.size()); }
    PropertyPage* GetPage(int index) const;
    PropertyPage* GetActivePage() const;
    int GetActiveIndex() const { return active; }
    // Moves to another page as a click on its tab does; false when the
    // active page refused to be left.
    bool SetActivePage(int index);

    // Runs the sheet; without pages no window opens and the answer is 2.
    int DoModal();

protected:
    bool OnInitDialog() override;
    // OK: the active page's check, then every made page's OK step, then 1;
    // Cancel: every made page's Cancel step, then 2.
    bool OnCommand(int id, unsigned code) override;
    void OnDestroyWindow() override;

    // The active page's check and OK steps; false when it refused.
    bool RunOkSteps();
    void RunCancelSteps();

private:
    void Layout();
    void ShowPage(int index);

    std::vector<PropertyPage*> pages;
    int active = -1;
    int startPage = 0;
    QTabBar* tabs = nullptr;
    QStackedWidget* stack = nullptr;
    bool switching = false;
};

} // namespace ui
