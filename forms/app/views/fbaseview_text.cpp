// The base view's text attributes: what the format bar shows, and the
// format changes that reach the view.
#include "forms/app/views/fbaseview.h"

void FBASEVIEW::SetTextAttr(const TEXTATTR& attr)
{
    textAttr = attr;
}

void FBASEVIEW::ApplyTextAttr(const TEXTATTR&)
{
    SetFocus();
}
