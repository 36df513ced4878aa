#include "tool_setup.h"

#include "forms/model/font_cache.h"
#include "forms/model/font_metrics_cache.h"
#include "forms/model/program_fonts.h"

#include <QGuiApplication>

#include <memory>

void SetupOffscreen(const char* program, PROGRAM_FONTS& fonts)
{
    static std::unique_ptr<QGuiApplication> app;
    if (app == nullptr && QGuiApplication::instance() == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        static int argc = 1;
        static char* argv[] = {const_cast<char*>(program), nullptr};
        app = std::make_unique<QGuiApplication>(argc, argv);
    }
    static FONTMETRICSCACHE metrics;
    static FONTCACHE fontCache;
    SetProgramFonts(&fonts);
    SetFontMetricsCache(&metrics);
    SetFontCache(&fontCache);
}
