// A page of a property sheet, built from a page definition: its window is
// made inside the sheet when the page is first shown; the sheet tells it
// when it becomes active, asks it before it stops being active, and runs
// its OK and Cancel steps when the sheet closes.
#pragma once

#include "platform/ui/dialog/dialog.h"

namespace ui {

class PropertySheet;

class PropertyPage : public Dialog {
public:
    explicit PropertyPage(const res::DialogTemplate& definition);

    // The page's caption, shown on its tab.
    const std::string& GetCaption() const { return Definition().caption; }
    // Whether the page's window has been made.
    bool IsCreated() const { return GetWindow() != nullptr; }

    // The page is shown (after its window is made the first time).
    virtual bool OnSetActive() { return true; }
    // Another page is to be shown, or the sheet is to close with OK; false
    // keeps this page (and the sheet open).
    virtual bool OnKillActive() { return true; }
    // The sheet closes with OK or Cancel; the page does not end anything.
    void OnOK() override {}
    void OnCancel() override {}

private:
    friend class PropertySheet;
};

} // namespace ui
