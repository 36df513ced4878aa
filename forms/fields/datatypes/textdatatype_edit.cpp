// What the text and memo kinds add to the edit cycle: whether the open
// editor's text is still the value.
#include "forms/fields/datatypes/textdatatype.h"

#include "forms/fields/editor/edithandle.h"

int TEXTDATATYPE::IsEditChanged()
{
    if (!pEditHandle || !pEditHandle->Window())
        return 0;
    std::string text = pEditHandle->GetText();
    if (text.empty() && strValue.empty())
        return 0;
    EncodeFaceNames(text);
    return text != strValue ? 1 : 0;
}
