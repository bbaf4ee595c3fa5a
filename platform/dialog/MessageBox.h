#pragma once

#include "CString.h"
#include "WinTypes.h"

#include <functional>

inline constexpr UINT MB_OK = 0x00000000;
inline constexpr UINT MB_ICONERROR = 0x00000010;
inline constexpr UINT MB_ICONQUESTION = 0x00000020;
inline constexpr UINT MB_ICONEXCLAMATION = 0x00000030;
inline constexpr UINT MB_ICONINFORMATION = 0x00000040;
inline constexpr UINT MB_ICONMASK = 0x000000F0;

inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;

// Shows text in a modal message box captioned with the application's title
// (AfxGetAppName) and waits for the user. The box has an OK button and the
// icon that nType names. Returns IDOK.
int AfxMessageBox(const CString& text, UINT nType = MB_OK);

// What a message box would show. A hook set with SetMessageBoxHook receives it
// instead of a box being shown, and its result is the box's result; so a test
// can see the message and answer it without waiting for a user.
struct MessageBoxRequest {
    CString caption;
    CString text;
    UINT type = MB_OK;
};
using MessageBoxHook = std::function<int(const MessageBoxRequest&)>;

// Installs hook (an empty one restores the real box); returns the one before.
MessageBoxHook SetMessageBoxHook(MessageBoxHook hook);
