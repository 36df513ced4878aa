// The design view's styles: the Style Manager command, the current style of
// each kind that new objects follow, the attributes a style gives new
// objects, and the format bar's style box. What the Style Manager and the
// box ask of the view, this part answers.
#pragma once

#include "forms/app/views/style_box_owner.h"
#include "forms/dialogs/styles/style_site.h"

#include <cstdint>
#include <memory>
#include <string_view>

class FDESIGNVIEW;
class FDOCUMENT;
class FORMOBJ;
class STYLE_BOX;

class DESIGN_STYLES
    : public STYLE_SITE
    , public STYLE_BOX_OWNER {
public:
    explicit DESIGN_STYLES(FDESIGNVIEW& view);

    void RegisterStyleCommands();
    // The Style Manager on the view's form.
    void OnStyleManager();
    // The style's attributes become those new objects take.
    void LoadDefaultsFromStyle(uint8_t kind, std::string_view name);
    // The style the tool's kind follows for new objects, or null.
    FORMOBJ* GetCurrentStyle();
    // A format change for new objects: the attributes the tool's style gave
    // stay, and new objects no longer follow it.
    void DropCurrentStyle();
    // A new object from a tool follows its kind's current style.
    void ApplyCurrentStyle(FORMOBJ& object);

    // The format bar's style box, or null.
    STYLE_BOX* GetStyleBox();
    // The box shows the current tool's style, or the selection's.
    void RefreshStyleBox();
    // The box's drop-down list, and the choice taken when it loses the
    // focus.
    void FillStyleBox(STYLE_BOX& box);
    void TakeStyleBoxChoice(STYLE_BOX& box);
    void OnStyleBoxNotify(STYLE_BOX& box, unsigned code) override;
    // Tests give the view a box of their own.
    void SetStyleBoxForTest(STYLE_BOX* box) { testStyleBox = box; }

    // What the Style Manager asks of the view.
    FDOCUMENT* GetStyleDocument() override;
    std::unique_ptr<FORMOBJ> NewStyleObject(uint8_t type) override;
    // After a deletion: the undo list is emptied and a deleted current style
    // is no longer followed by new objects.
    void ApplyStyle(std::string_view entry) override;
    void RedrawStyleUsers() override;

private:
    FDESIGNVIEW& view;
    STYLE_BOX* testStyleBox = nullptr;
};
