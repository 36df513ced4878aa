// Rich-text layout in tests: the test fonts and the font caches installed
// as the program installs them, with helpers to list and read lines.
#pragma once

#include "test_fonts.h"

#include "forms/fields/richtext/richtext.h"
#include "forms/fields/richtext/textdrawinfo.h"
#include "forms/fields/richtext/textline.h"
#include "forms/model/font_cache.h"
#include "forms/model/font_metrics_cache.h"

#include "platform/gdi/dc.h"
#include "platform/gdi/recording_surface.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

class LayoutTest : public testing::Test {
protected:
    LayoutTest();
    ~LayoutTest() override;

    // A rich text of the default format laid out in width twips.
    std::unique_ptr<RICHTEXT> Make(
        const std::string& stored, int32_t width, uint8_t alignment = kTextAlignLeft, int32_t height = 100000);
    // Every line of a layout, broken, as Layout takes them (no bottom stop).
    static std::vector<TEXTLINE> Lines(RICHTEXT& text, const TEXTDRAWINFO& info);
    // The characters of a line as stored (codes included).
    static std::string LineText(const TEXTLINE& line);
    // The printer's advance of each character of a plain string.
    int32_t Width(const std::string& s, const TEXTATTR& attr) const;
    // A drawing information on a printer-kind context (logical widths).
    TEXTDRAWINFO PrinterInfo(gdi::DC& dc) const;

    TEXTATTR attr;
    TestFonts fonts;
    FONTMETRICSCACHE metrics;
    FONTCACHE fontCache;
};
