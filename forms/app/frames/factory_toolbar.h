// The design tool bar: the selection tool and the drawing tools.
#pragma once

#include "forms/app/frames/program_tool_bar.h"
#include "forms/res/command_ids.h"

inline constexpr BarBitmaps kFactoryBarBitmaps = {130, 2188, 2187, 2189};

class FACTORYTOOLBAR : public ProgramToolBar {
public:
    explicit FACTORYTOOLBAR(QWidget* parent)
        : ProgramToolBar("Design", ID_VIEW_FACTORY_TOOLBAR, kFactoryBarBitmaps, parent)
    {}
};
