#include "WindowRegistry.h"

#include <unordered_map>

namespace {

std::unordered_map<HWND, CWnd*>& Windows()
{
    static std::unordered_map<HWND, CWnd*> windows;
    return windows;
}

} // namespace

void WindowRegistry::Add(HWND widget, CWnd& window)
{
    Windows()[widget] = &window;
}

void WindowRegistry::Remove(HWND widget)
{
    Windows().erase(widget);
}

CWnd* WindowRegistry::Find(HWND widget)
{
    if (widget == nullptr)
        return nullptr;
    const auto found = Windows().find(widget);
    return found == Windows().end() ? nullptr : found->second;
}
