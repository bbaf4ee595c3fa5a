#include "ButtonOwner.h"

const MessageMap* ButtonOwner::GetThisMessageMap()
{
    static constexpr MessageEntry entries[] = {
        OnCommandRange<BN_CLICKED, 0, 0xFFFF, &ButtonOwner::OnClicked>(),
    };
    static constexpr MessageMap map{&CWnd::GetThisMessageMap, entries};
    return &map;
}
