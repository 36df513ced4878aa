// Whole columns and rows of a table.
#include "forms/objects/tablecolrow.h"

int TABLECOLROW::Init()
{
    return 1;
}
void TABLECOLROW::Draw(VIEWDC&)
{}

void TABLECOL::OnEvent(uint8_t, uintptr_t, uintptr_t)
{}
int TABLECOL::GetAttribute(int, uintptr_t)
{
    return 0;
}
void TABLECOL::GetTypeName(std::string& out) const
{
    out.clear();
}
int TABLECOL::ExtCheck(std::string&, uintptr_t)
{
    return 0;
}
void TABLECOL::GetRect(RECT& out) const
{
    out = {};
}
void TABLECOL::GetOuterRect(RECT& out, VIEWDC&)
{
    out = {};
}
int TABLECOL::GetBorder(BORDER*)
{
    return 0;
}
int TABLECOL::GetShade(BASICSHADE*)
{
    return 0;
}
int TABLECOL::GetFont(TEXTATTR*)
{
    return 0;
}
int TABLECOL::GetAlignment(uint8_t*)
{
    return 0;
}
void TABLECOL::SetShade(const BASICSHADE&)
{}
void TABLECOL::SetFont(const TEXTATTR&)
{}
void TABLECOL::SetAlignment(uint8_t)
{}
FCELL* TABLECOL::GetCell(int) const
{
    return nullptr;
}
int TABLECOL::Attach(FTABLE*, uint16_t)
{
    return 0;
}

int TABLEROW::GetAttribute(int, uintptr_t)
{
    return 0;
}
void TABLEROW::GetRect(RECT& out) const
{
    out = {};
}
void TABLEROW::GetOuterRect(RECT& out, VIEWDC&)
{
    out = {};
}
int TABLEROW::GetBorder(BORDER*)
{
    return 0;
}
int TABLEROW::GetShade(BASICSHADE*)
{
    return 0;
}
int TABLEROW::GetFont(TEXTATTR*)
{
    return 0;
}
void TABLEROW::SetShade(const BASICSHADE&)
{}
void TABLEROW::SetFont(const TEXTATTR&)
{}
FCELL* TABLEROW::GetCell(int) const
{
    return nullptr;
}
int TABLEROW::Attach(FTABLE*, uint16_t)
{
    return 0;
}
