#include "DataExchange.h"

#include "CDialog.h"
#include "CWnd.h"
#include "Controls.h"
#include "DialogStyles.h"
#include "MessageBox.h"
#include "NumberText.h"
#include "QtText.h"
#include "WidgetText.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>

#include <algorithm>
#include <optional>

namespace {

CString ControlText(const QWidget& control)
{
    return FromQString(WidgetText(control));
}

// Screen readers are told of the new text as a change of the field's value,
// besides the text change the field reports itself: a new result is announced.
void SetControlText(QWidget& control, const CString& text)
{
    if (ControlText(control) == text)
        return;
    const QString value = ToQString(text);
    SetWidgetText(control, value);
    QAccessibleValueChangeEvent event(&control, value);
    QAccessible::updateAccessibility(&event);
}

// A cleared exclusive radio button would refuse to be cleared; the group is
// kept consistent by the caller setting every button of it.
void SetButtonChecked(QAbstractButton& button, bool checked)
{
    if (button.isChecked() == checked)
        return;
    const bool exclusive = button.autoExclusive();
    button.setAutoExclusive(false);
    button.setChecked(checked);
    button.setAutoExclusive(exclusive);
}

} // namespace

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (pDX->HasFailed() || rControl.GetSafeHwnd() != nullptr)
        return;
    if (HWND control = pDX->PrepareCtrl(nIDC))
        rControl.SubclassWindow(control);
}

void DDX_Text(CDataExchange* pDX, int nIDC, double& value)
{
    if (pDX->HasFailed())
        return;
    HWND control = pDX->PrepareEditCtrl(nIDC);
    if (control == nullptr)
        return;
    if (!pDX->m_bSaveAndValidate) {
        SetControlText(*control, CString::FromUtf8(NumberText::Format(value)));
        return;
    }
    // The whole text is read, and every spelling of zero is a number: the
    // program writes "-0" itself.
    const std::optional<double> number = NumberText::Parse(ControlText(*control).ToUtf8());
    if (!number) {
        AfxMessageBox(CString(u"Please enter a number."), MB_OK | MB_ICONEXCLAMATION);
        pDX->Fail();
        return;
    }
    value = *number;
}

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    if (pDX->HasFailed())
        return;
    HWND control = pDX->PrepareEditCtrl(nIDC);
    if (control == nullptr)
        return;
    if (pDX->m_bSaveAndValidate)
        value = ControlText(*control);
    else
        SetControlText(*control, value);
}

void DDX_Radio(CDataExchange* pDX, int nIDC, int& value)
{
    if (pDX->HasFailed())
        return;
    HWND first = pDX->PrepareCtrl(nIDC);
    if (first == nullptr)
        return;
    const std::vector<HWND>& controls = pDX->m_pDlgWnd->GetControls();
    const auto start = std::find(controls.begin(), controls.end(), first);
    if (pDX->m_bSaveAndValidate)
        value = -1;
    int index = 0;
    for (auto control = start; control != controls.end(); ++control) {
        if (control != start && (ControlStyle(**control) & WS_GROUP))
            break;
        auto* radio = qobject_cast<QRadioButton*>(*control);
        if (radio == nullptr)
            continue;
        if (pDX->m_bSaveAndValidate) {
            if (radio->isChecked())
                value = index;
        } else {
            SetButtonChecked(*radio, index == value);
        }
        ++index;
    }
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value)
{
    if (pDX->HasFailed())
        return;
    auto* box = qobject_cast<QCheckBox*>(pDX->PrepareCtrl(nIDC));
    if (box == nullptr)
        return;
    if (pDX->m_bSaveAndValidate) {
        const Qt::CheckState state = box->checkState();
        value = state == Qt::Checked ? 1 : state == Qt::PartiallyChecked ? 2 : 0;
        return;
    }
    if (value < 0 || value > 2)
        value = 0;
    if (value == 2)
        box->setTristate(true);
    box->setCheckState(value == 1 ? Qt::Checked : value == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
}
