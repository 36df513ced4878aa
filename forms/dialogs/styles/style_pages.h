// The appearance pages as the style sheet holds them: each can fill its
// controls again from what it was last given, and the pages whose
// attribute belongs to a table as a whole (border, shadow, line spacing)
// lock the sheet's table-part buttons while they are shown.
#pragma once

#include "forms/dialogs/appearance/align_page.h"
#include "forms/dialogs/appearance/font_page.h"
#include "forms/dialogs/appearance/line_page.h"
#include "forms/dialogs/appearance/shade_page.h"
#include "forms/dialogs/appearance/shadow_page.h"
#include "forms/dialogs/appearance/spacing_page.h"

class STYLESHEET;

template<class PAGE>
class STYLE_PAGE : public PAGE {
public:
    // wholeTable: the page's attribute is the table's, not a part's.
    STYLE_PAGE(STYLESHEET& sheet, bool wholeTable);

    // Once the window exists the controls show what the page now holds;
    // before that the window's making shows it.
    void ShowAgain();

    bool OnSetActive() override;
    bool OnKillActive() override;

private:
    STYLESHEET& sheet;
    bool wholeTable;
};

extern template class STYLE_PAGE<FONT_PAGE>;
extern template class STYLE_PAGE<LINEPAGE>;
extern template class STYLE_PAGE<SHADEPAGE>;
extern template class STYLE_PAGE<SHADOWPP>;
extern template class STYLE_PAGE<ALIGNPAGE>;
extern template class STYLE_PAGE<LSPACEDLG>;
