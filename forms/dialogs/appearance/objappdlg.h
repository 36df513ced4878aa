// The object appearance sheet: the pages of the attributes the object has
// (Text, Border, Shade, Shadow, Align, Spacing), each applying its changes
// at once to the view's selection. The caller keeps or takes back what
// was applied by the result: 1 OK, 2 Cancel, 20 "Data >>" or "Actions >>".
#pragma once

#include "platform/ui/dialog/property_sheet.h"

#include <cstdint>
#include <memory>

class FORMOBJ;
class OBJECT_VIEW;
class ALIGNPAGE;
class FONT_PAGE;
class LINEPAGE;
class LSPACEDLG;
class SHADEPAGE;
class SHADOWPP;

// Results of the sheet.
inline constexpr int kSheetResultData = 20;
// The Help button's left edge moves this far left for "Data >>".
inline constexpr int kDataButtonWidening = 30;

class OBJAPPDLG : public ui::PropertySheet {
public:
    OBJAPPDLG(uint16_t captionId, QWidget* parent, int startPage);
    ~OBJAPPDLG() override;

    // Adds the pages of the attributes the object answers for, in their
    // fixed order, each filled with the object's value; answers 1.
    int InitFromObject(FORMOBJ* object, OBJECT_VIEW* view);
    OBJECT_VIEW* GetView() const { return view; }
    FORMOBJ* GetObject() const { return object; }
    // The flag the pages apply with: the sheet's object, never 0.
    uintptr_t ApplyFlag() const { return reinterpret_cast<uintptr_t>(object); }

    FONT_PAGE* GetTextPage() const { return textPage.get(); }
    LINEPAGE* GetBorderPage() const { return borderPage.get(); }
    SHADEPAGE* GetShadePage() const { return shadePage.get(); }
    SHADOWPP* GetShadowPage() const { return shadowPage.get(); }
    ALIGNPAGE* GetAlignPage() const { return alignPage.get(); }
    LSPACEDLG* GetSpacingPage() const { return spacingPage.get(); }

protected:
    // Apply hidden; Help becomes "Data >>" (a field) or "Actions >>" (a
    // push button), 30 pixels wider, or is hidden.
    bool OnInitDialog() override;
    // Help runs the OK steps and ends with 20.
    bool OnCommand(int id, unsigned code) override;

private:
    std::unique_ptr<SHADEPAGE> shadePage;
    std::unique_ptr<LINEPAGE> borderPage;
    std::unique_ptr<SHADOWPP> shadowPage;
    std::unique_ptr<FONT_PAGE> textPage;
    std::unique_ptr<ALIGNPAGE> alignPage;
    std::unique_ptr<LSPACEDLG> spacingPage;
    FORMOBJ* object = nullptr;
    OBJECT_VIEW* view = nullptr;
};
