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
        view->SetTextAlignment(alignment);
        ASSERT_EQ(view->NewObjectAlignment(), alignment);
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
    view->NewObjectShade().SetColour1(0x0000FF);
    view->NewObjectShade().SetPattern(5);
    view->NewObjectBorder().SetWidth(60);
    view->NewObjectBorder().SetColour(0x00FF00);
    view->NewObjectShadow().colour = 0x808080;
    view->NewObjectShadow().x = 40;
    view->NewObjectShadow().y = 40;
    view->NewObjectFont().bold = 1;
    view->NewObjectFont().size = 360;
    view->SetTextAlignment(2);
    const BASICSHADE shade = view->NewObjectShade();
    const BORDER border = view->NewObjectBorder();
    const SHADOW shadow = view->NewObjectShadow();
    const TEXTATTR font = view->NewObjectFont();

    Send(ID_VIEW_DESIGN + kFillView);
    Send(ID_VIEW_DESIGN);
    view = dynamic_cast<FDESIGNVIEW*>(frame->GetActiveView());
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->NewObjectShade().IsEqual(shade));
    EXPECT_TRUE(view->NewObjectBorder().IsEqual(border));
    EXPECT_TRUE(view->NewObjectShadow().IsEqual(shadow));
    EXPECT_TRUE(view->NewObjectFont().IsEqual(font));
    EXPECT_EQ(view->NewObjectAlignment(), 2);
    EXPECT_EQ(view->GetBarAlignment(), 2);

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
