#include "CButton.h"

void CButton::DrawItem(LPDRAWITEMSTRUCT)
{
}

void CButton::SetState(BOOL bHighlight)
{
    SendMessage(BM_SETSTATE, bHighlight != FALSE ? 1 : 0);
}
