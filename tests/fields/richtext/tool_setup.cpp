#include "tool_setup.h"

#include "forms/model/font_cache.h"
#include "forms/model/font_metrics_cache.h"
#include "forms/model/program_fonts.h"

#include <QGuiApplication>

void SetupOffscreen(const char* program, PROGRAM_FONTS& fonts)
{
    if (QGuiApplication::instance() == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        static int argc = 1;
        static char* argv[] = {const_cast<char*>(program), nullptr};
        // Kept to the end of the process: fonts and surfaces made later are
        // destroyed at exit while it still stands.
        new QGuiApplication(argc, argv);
    }
    static FONTMETRICSCACHE metrics;
    static FONTCACHE fontCache;
    SetProgramFonts(&fonts);
    SetFontMetricsCache(&metrics);
    SetFontCache(&fontCache);
}
