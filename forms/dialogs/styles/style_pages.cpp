#include "forms/dialogs/styles/style_pages.h"

#include "forms/dialogs/appearance/align_rules.h"
#include "forms/dialogs/styles/stylesheet.h"

#include <type_traits>

template<class PAGE>
STYLE_PAGE<PAGE>::STYLE_PAGE(STYLESHEET& owner, bool whole)
    : PAGE(nullptr)
    , sheet(owner)
    , wholeTable(whole)
{
    PAGE::SetStyleSheet(&owner);
}

template<class PAGE>
void STYLE_PAGE<PAGE>::ShowAgain()
{
    if (!this->IsCreated())
        return;
    // The Align page checks its byte's radio without clearing the others.
    if constexpr (std::is_same_v<PAGE, ALIGNPAGE>)
        for (const AlignChoice& choice : kAlignChoices)
            this->CheckDlgButton(choice.control, false);
    this->OnInitDialog();
}

template<class PAGE>
bool STYLE_PAGE<PAGE>::OnSetActive()
{
    if (wholeTable)
        sheet.EnableTablePartButtons(1);
    return PAGE::OnSetActive();
}

template<class PAGE>
bool STYLE_PAGE<PAGE>::OnKillActive()
{
    if (!PAGE::OnKillActive())
        return false;
    if (wholeTable)
        sheet.EnableTablePartButtons(0);
    return true;
}

template class STYLE_PAGE<FONT_PAGE>;
template class STYLE_PAGE<LINEPAGE>;
template class STYLE_PAGE<SHADEPAGE>;
template class STYLE_PAGE<SHADOWPP>;
template class STYLE_PAGE<ALIGNPAGE>;
template class STYLE_PAGE<LSPACEDLG>;
