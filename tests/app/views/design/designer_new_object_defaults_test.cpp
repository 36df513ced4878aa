// What new objects take from the designer in the running program: the
// alignment Align Text set while nothing was selected, and the fill, line,
// shadow, character format and alignment chosen before a test fill.
#include "tests/app/support/started_designer.h"

#include "forms/app/template/dyn_view_doc_template.h"
#include "forms/objects/ffield.h"

namespace {

using DesignerNewObjectDefaultsTest = StartedDesignerTest;

TEST_F(DesignerNewObjectDefaultsTest, NewFieldsTakeTheAlignmentAlignTextSet)
{
    const struct {
        const char* name;
        uint8_t tool;
    } tools[] = {{"field", kTypeField}, {"list box", kListBoxTool}};
    for (uint8_t alignment : {uint8_t(2), uint8_t(1)}) {
        view->Format().SetTextAlignment(alignment);
        ASSERT_EQ(view->Format().NewObjectAlignment(), alignment);
        for (const auto& tool : tools) {
            const std::unique_ptr<FORMOBJ> made = view->NewObjectOfType(tool.tool);
            ASSERT_NE(made, nullptr) << tool.name;
            uint8_t got = 0xFF;
            ASSERT_TRUE(made->GetAlignment(&got)) << tool.name;
            EXPECT_EQ(got, alignment) << tool.name;
        }
    }
}

TEST_F(DesignerNewObjectDefaultsTest, TheChoicesForNewObjectsComeBackAfterATestFill)
{
    view->Format().NewObjectShade().SetColour1(0x0000FF);
    view->Format().NewObjectShade().SetPattern(5);
    view->Format().NewObjectBorder().SetWidth(60);
    view->Format().NewObjectBorder().SetColour(0x00FF00);
    view->Format().NewObjectShadow().colour = 0x808080;
    view->Format().NewObjectShadow().x = 40;
    view->Format().NewObjectShadow().y = 40;
    view->Format().NewObjectFont().bold = 1;
    view->Format().NewObjectFont().size = 360;
    view->Format().SetTextAlignment(2);
    const BASICSHADE shade = view->Format().NewObjectShade();
    const BORDER border = view->Format().NewObjectBorder();
    const SHADOW shadow = view->Format().NewObjectShadow();
    const TEXTATTR font = view->Format().NewObjectFont();

    Send(ID_VIEW_DESIGN + kFillView);
    Send(ID_VIEW_DESIGN);
    view = dynamic_cast<FDESIGNVIEW*>(frame->GetActiveView());
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->Format().NewObjectShade().IsEqual(shade));
    EXPECT_TRUE(view->Format().NewObjectBorder().IsEqual(border));
    EXPECT_TRUE(view->Format().NewObjectShadow().IsEqual(shadow));
    EXPECT_TRUE(view->Format().NewObjectFont().IsEqual(font));
    EXPECT_EQ(view->Format().NewObjectAlignment(), 2);
    EXPECT_EQ(view->Format().GetBarAlignment(), 2);

    const std::unique_ptr<FORMOBJ> box = view->NewObjectOfType(kTypeBox);
    ASSERT_NE(box, nullptr);
    BASICSHADE boxShade;
    BORDER boxBorder;
    ASSERT_TRUE(box->GetShade(&boxShade));
    ASSERT_TRUE(box->GetBorder(&boxBorder));
    EXPECT_TRUE(boxShade.IsEqual(shade));
    EXPECT_TRUE(boxBorder.IsEqual(border));
    const std::unique_ptr<FORMOBJ> field = view->NewObjectOfType(kTypeField);
    ASSERT_NE(field, nullptr);
    TEXTATTR fieldFont;
    uint8_t alignment = 0xFF;
    ASSERT_TRUE(field->GetFont(&fieldFont));
    ASSERT_TRUE(field->GetAlignment(&alignment));
    EXPECT_TRUE(fieldFont.IsEqual(font));
    EXPECT_EQ(alignment, 2);
}

} // namespace
