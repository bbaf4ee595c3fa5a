#pragma once

#include "CPoint.h"
#include "Messages.h"
#include "WinTypes.h"

#include <span>
#include <type_traits>

class CWnd;

// One message as window procedures see it.
struct MSG {
    UINT message = WM_NULL;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

// How a class binds messages to its member functions. Each class that handles
// messages has a static table whose base is its base class's table:
//
//     const MessageMap* CMyButton::GetThisMessageMap()
//     {
//         static constexpr MessageEntry entries[] = {
//             OnMessage<WM_MOUSEMOVE, &CMyButton::OnMouseMove>(),
//             OnCommand<BN_CLICKED, 1000, &CMyButton::OnSeven>(),
//         };
//         static constexpr MessageMap map{&CButton::GetThisMessageMap, entries};
//         return &map;
//     }
//     const MessageMap* CMyButton::GetMessageMap() const { return GetThisMessageMap(); }
//
// The message picks the handler's form, checked when the table is compiled:
//   WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_NCLBUTTONDOWN: void (UINT nFlags, CPoint point)
//   WM_SIZE:                                                      void (UINT nType, int cx, int cy)
//   WM_PAINT, WM_DESTROY and every other message:                 void ()
//   WM_DRAWITEM:                                                  void (int nIDCtl, LPDRAWITEMSTRUCT)
//   commands (OnCommand, OnCommandRange):                         void () or void (UINT nID)
// The first entry that matches, searching the derived table before its bases,
// handles the message; a message no entry matches gets the default processing.
enum class HandlerForm { Plain, Mouse, Size, DrawItem, CommandId };

constexpr HandlerForm FormOfMessage(UINT message)
{
    switch (message) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_NCLBUTTONDOWN:
        return HandlerForm::Mouse;
    case WM_SIZE:
        return HandlerForm::Size;
    case WM_DRAWITEM:
        return HandlerForm::DrawItem;
    default:
        return HandlerForm::Plain;
    }
}

struct MessageEntry {
    UINT message = WM_NULL;
    UINT notifyCode = 0;
    UINT firstId = 0;
    UINT lastId = 0;
    void (*invoke)(CWnd& window, const MSG& msg) = nullptr;

    constexpr bool Matches(const MSG& msg) const
    {
        if (msg.message != message)
            return false;
        if (message != WM_COMMAND)
            return true;
        const UINT id = LOWORD(msg.wParam);
        return HIWORD(msg.wParam) == notifyCode && id >= firstId && id <= lastId;
    }
};

struct MessageMap {
    const MessageMap* (*base)() = nullptr;
    std::span<const MessageEntry> entries;
};

// The entry for msg in map or its bases, or null.
const MessageEntry* FindMessageEntry(const MessageMap* map, const MSG& msg);

namespace message_map_detail {

template <typename Handler>
struct HandlerTraits;

template <typename Window, HandlerForm Form>
struct Traits {
    using Class = Window;
    static constexpr HandlerForm form = Form;
};
template <typename Window>
struct HandlerTraits<void (Window::*)()> : Traits<Window, HandlerForm::Plain> {};
template <typename Window>
struct HandlerTraits<void (Window::*)(UINT, CPoint)> : Traits<Window, HandlerForm::Mouse> {};
template <typename Window>
struct HandlerTraits<void (Window::*)(UINT, int, int)> : Traits<Window, HandlerForm::Size> {};
template <typename Window>
struct HandlerTraits<void (Window::*)(int, LPDRAWITEMSTRUCT)> : Traits<Window, HandlerForm::DrawItem> {};
template <typename Window>
struct HandlerTraits<void (Window::*)(UINT)> : Traits<Window, HandlerForm::CommandId> {};

template <auto Handler>
constexpr HandlerForm FormOfHandler = HandlerTraits<decltype(Handler)>::form;

// A table is only consulted for an object of its own class or one derived from
// it, so the downcast is sound.
template <auto Handler>
auto& Receiver(CWnd& window)
{
    using Class = typename HandlerTraits<decltype(Handler)>::Class;
    static_assert(std::is_base_of_v<CWnd, Class>, "handlers belong to window classes");
    return static_cast<Class&>(window);
}

template <auto Handler>
void Invoke(CWnd& window, const MSG& msg)
{
    auto& receiver = Receiver<Handler>(window);
    constexpr HandlerForm form = FormOfHandler<Handler>;
    if constexpr (form == HandlerForm::Plain)
        (receiver.*Handler)();
    else if constexpr (form == HandlerForm::Mouse)
        (receiver.*Handler)(static_cast<UINT>(msg.wParam), CPoint(GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)));
    else if constexpr (form == HandlerForm::Size)
        (receiver.*Handler)(static_cast<UINT>(msg.wParam), GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam));
    else if constexpr (form == HandlerForm::DrawItem)
        (receiver.*Handler)(static_cast<int>(msg.wParam), reinterpret_cast<LPDRAWITEMSTRUCT>(msg.lParam));
    else
        (receiver.*Handler)(LOWORD(msg.wParam));
}

} // namespace message_map_detail

// Binds a window message (not WM_COMMAND) to a handler.
template <UINT Message, auto Handler>
constexpr MessageEntry OnMessage()
{
    static_assert(Message != WM_COMMAND, "commands are bound with OnCommand");
    static_assert(message_map_detail::FormOfHandler<Handler> == FormOfMessage(Message),
                  "the handler's parameters do not fit this message");
    return MessageEntry{Message, 0, 0, 0, &message_map_detail::Invoke<Handler>};
}

// Binds a notification from the controls numbered First to Last.
template <UINT NotifyCode, UINT First, UINT Last, auto Handler>
constexpr MessageEntry OnCommandRange()
{
    constexpr HandlerForm form = message_map_detail::FormOfHandler<Handler>;
    static_assert(First <= Last && Last <= 0xFFFF, "control ids are 16-bit");
    static_assert(form == HandlerForm::Plain || form == HandlerForm::CommandId,
                  "command handlers are void () or void (UINT nID)");
    return MessageEntry{WM_COMMAND, NotifyCode, First, Last, &message_map_detail::Invoke<Handler>};
}

// Binds a notification from one control, e.g. OnCommand<BN_CLICKED, 1000, &CMyDlg::OnSeven>().
template <UINT NotifyCode, UINT Id, auto Handler>
constexpr MessageEntry OnCommand()
{
    return OnCommandRange<NotifyCode, Id, Id, Handler>();
}
