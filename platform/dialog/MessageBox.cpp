#include "MessageBox.h"

#include "QtText.h"
#include "WinApp.h"

#include <QApplication>
#include <QMessageBox>

namespace {

MessageBoxHook& Hook()
{
    static MessageBoxHook hook;
    return hook;
}

QMessageBox::Icon IconOf(UINT type)
{
    switch (type & MB_ICONMASK) {
    case MB_ICONERROR:
        return QMessageBox::Critical;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONEXCLAMATION:
        return QMessageBox::Warning;
    case MB_ICONINFORMATION:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

} // namespace

MessageBoxHook SetMessageBoxHook(MessageBoxHook hook)
{
    return std::exchange(Hook(), std::move(hook));
}

int AfxMessageBox(const CString& text, UINT nType)
{
    const MessageBoxRequest request{AfxGetAppName(), text, nType};
    if (Hook())
        return Hook()(request);
    // Owned by the active window, so the box sits over it and blocks it.
    QMessageBox box(IconOf(nType), ToQString(request.caption), ToQString(request.text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
    return IDOK;
}
