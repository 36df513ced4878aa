// A form document of our own for the view tests, and a design view that
// draws on a recording surface with a client area of a chosen size.
#pragma once

#include "forms/app/views/design/fdesignview.h"
#include "forms/document/fdocument.h"
#include "forms/document/font_table.h"
#include "forms/document/print/printer_list.h"
#include "forms/model/font_cache.h"
#include "forms/model/font_metrics_cache.h"

#include "platform/gdi/recording_surface.h"

#include <memory>

// The program-wide font table, printer list and font caches, and the
// object classes.
class ProgramWideParts {
public:
    ProgramWideParts();
    ~ProgramWideParts();

private:
    FONT_TABLE fonts;
    PRINTER_LIST printers;
    FONTCACHE fontCache;
    FONTMETRICSCACHE metricsCache;
};

// A two-page A4 form with half-inch margins: a box and an ellipse on page
// 1, a line on page 2.
std::unique_ptr<FDOCUMENT> MakeTwoPageForm();

class RecordingView : public FDESIGNVIEW {
public:
    explicit RecordingView(int width = 600, int height = 400);

    std::unique_ptr<gdi::DC> GetWindowDC() override { return std::make_unique<gdi::DC>(surface); }
    RECT GetClientRect() const override { return client; }
    void SetClientSize(int width, int height) { client = {0, 0, width, height}; }

    gdi::RecordingSurface surface;
    RECT client;
};
