#include "Controls.h"

#include "CWnd.h"

#include <QVariant>
#include <QWidget>

namespace {

constexpr const char* controlIdProperty = "raruvidControlId";
constexpr const char* controlStyleProperty = "raruvidControlStyle";

} // namespace

void SetControlId(QWidget& control, int id)
{
    control.setProperty(controlIdProperty, id);
}

int ControlId(const QWidget& control)
{
    return control.property(controlIdProperty).toInt();
}

void SetControlStyle(QWidget& control, DWORD style)
{
    control.setProperty(controlStyleProperty, static_cast<uint>(style));
}

DWORD ControlStyle(const QWidget& control)
{
    return control.property(controlStyleProperty).toUInt();
}

HWND FindControl(const QWidget& parent, int id)
{
    const auto children = parent.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    for (QWidget* child : children) {
        if (child->property(controlIdProperty).isValid() && ControlId(*child) == id)
            return child;
    }
    return nullptr;
}

void SendNotification(QWidget& control, UINT notifyCode)
{
    const auto id = static_cast<UINT>(ControlId(control));
    SendMessage(control.parentWidget(), WM_COMMAND, MAKEWPARAM(id, notifyCode), reinterpret_cast<LPARAM>(&control));
}
