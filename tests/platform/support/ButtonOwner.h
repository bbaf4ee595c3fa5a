#pragma once

#include "CWnd.h"

// A window owning buttons: every click notification, from any control id,
// goes to OnClicked.
class ButtonOwner : public CWnd {
public:
    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }
    static const MessageMap* GetThisMessageMap();

    virtual void OnClicked(UINT nID) = 0;
};
