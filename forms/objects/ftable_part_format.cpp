// The look of a table by part: its cells, its column headers, its row
// headers.
#include "forms/objects/ftable.h"

#include "forms/model/border.h"
#include "forms/model/shade.h"
#include "forms/model/textattr.h"

void FTABLE::SetPartShade(const BASICSHADE&, int)
{}
void FTABLE::SetPartTextAttr(const TEXTATTR&, int)
{}
void FTABLE::SetPartAlign(uint8_t, int)
{}
int FTABLE::GetCellShade(BASICSHADE*) const
{
    return 0;
}
int FTABLE::GetColumnHeaderShade(BASICSHADE*) const
{
    return 0;
}
int FTABLE::GetRowHeaderShade(BASICSHADE*) const
{
    return 0;
}
int FTABLE::GetCellTextAttr(TEXTATTR*) const
{
    return 0;
}
int FTABLE::GetColumnHeaderTextAttr(TEXTATTR*) const
{
    return 0;
}
int FTABLE::GetRowHeaderTextAttr(TEXTATTR*) const
{
    return 0;
}
int FTABLE::GetCellAlign(uint8_t*) const
{
    return 0;
}
int FTABLE::GetColumnHeaderAlign(uint8_t*) const
{
    return 0;
}
int FTABLE::GetRowHeaderAlign(uint8_t*) const
{
    return 0;
}
int FTABLE::GetGridBorder(BORDER*) const
{
    return 0;
}
int FTABLE::GetColumnHeaderBorder(BORDER*) const
{
    return 0;
}
