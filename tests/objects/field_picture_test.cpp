// Pictures of the sample form's field page for a person to look at: as the
// design view draws it (baselines, drop-down buttons, marks of unchecked
// boxes) and as the fill view draws it, at 100 % and 200 %.
#include "forms/app/tools/sample_field_page.h"
#include "forms/model/viewdc.h"
#include "tests/objects/field_test_support.h"

#include "platform/gdi/image_surface.h"
#include "platform/gdi/muldiv.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

using FieldPictureTest = FieldTest;

constexpr int32_t kPageWidth = 11906;
constexpr int32_t kPageHeight = 16838;

TEST_F(FieldPictureTest, TheSampleFieldPageInTheDesignAndFillModesAt100And200Percent)
{
    SampleFields sample = MakeSampleFields();
    ASSERT_GE(sample.fields.size(), 11u);
    ASSERT_EQ(sample.radios.size(), 3u);
    const std::filesystem::path folder = FORMS_TEST_OUTPUT_DIR;
    std::filesystem::create_directories(folder);
    for (uint16_t mode : {kOutputDesign, kOutputFill}) {
        for (int zoom : {100, 200}) {
            const int perInch = gdi::MulDiv(96, zoom, 100);
            gdi::ImageSurface surface(
                gdi::MulDiv(kPageWidth, perInch, 1440), gdi::MulDiv(kPageHeight * 2 / 3, perInch, 1440));
            gdi::DC device(surface);
            VIEWDC dc;
            dc.dc = &device;
            dc.deviceKind = kDeviceWindow;
            dc.zoomX = zoom;
            dc.zoomY = zoom;
            dc.outputMode = mode;
            dc.showBaselines = 1;
            dc.checkBoxOutlines = 1;
            dc.SetMapMode(gdi::MM_ANISOTROPIC);
            dc.SetWindowExt(1440, 1440);
            dc.SetViewportExt(perInch, perInch);
            for (auto* list : {&sample.fields, &sample.radios})
                for (auto& field : *list)
                    field->Draw(dc);
            const std::string file = (folder
                / ("field_page_" + std::string(mode == kOutputDesign ? "design_" : "fill_") + std::to_string(zoom)
                    + ".png"))
                                         .string();
            EXPECT_TRUE(surface.SavePng(file)) << file;
        }
    }
}

} // namespace
