#pragma once

#include "CDC.h"

class CWnd;

// The drawing context of a window's paint: create it in a WM_PAINT handler;
// painting ends when it is destroyed. The context starts with the window's
// font. Outside a paint it is no context and draws nothing.
class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* pWnd);
};
