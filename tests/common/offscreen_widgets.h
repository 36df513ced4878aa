// Starts one offscreen widget application for a benchmark program, before
// its first form or view is made.
#pragma once

#include <QApplication>

#include <cstdlib>

inline void StartOffscreenWidgets()
{
    static int argc = 1;
    static char name[] = "forms_benchmark";
    static char* argv[] = {name, nullptr};
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // Never destroyed: its clean-up at exit would reach the drawing
    // layer's caches after they are gone.
    static QApplication* app = new QApplication(argc, argv);
    (void)app;
}
