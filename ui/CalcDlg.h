#pragma once

#include "CDialog.h"
#include "CSkinButton.h"
#include "CString.h"
#include "CalcEngine.h"
#include "CalcState.h"

#include <array>

// The calculator window: dialog 258 with its keypad, the formula line and the
// result field. It owns every piece of the calculator's state, binds it to the
// controls, hands each keypad key to the keypad engine and Cal to the formula
// evaluator, and paints its own frame. It is dragged by its background and
// ends on Close, OK, Enter or Escape.
class CCalcDlg : public CDialog {
public:
    // The 39 skinned push buttons in data-exchange order.
    static constexpr std::array<int, 39> kSkinButtonIds = {
        1051, 1060, 1047, 1054, 1046, 1050, 1053, 1045, 1059, 1057, 1049, 1056, 1058,
        1008, 1, 1064, 1033, 1030, 1035, 1032, 1036, 1026, 1037, 1038, 1022, 1039,
        1003, 1001, 1102, 1021, 1020, 1000, 1025, 1024, 1023, 1029, 1028, 1027, 1031,
    };

    explicit CCalcDlg(CWnd* pParent = nullptr);
    ~CCalcDlg() override;

    BOOL OnInitDialog() override;
    const MessageMap* GetMessageMap() const override;
    static const MessageMap* GetThisMessageMap();

    // The skinned button bound to a control, by its number (one of kSkinButtonIds).
    CSkinButton& SkinButton(int controlId);

    std::array<CSkinButton, kSkinButtonIds.size()> m_skinButtons;
    double m_dResult = 0.0;
    double m_dA1 = 30.0;
    double m_dA2 = 45.0;
    CString m_strExpress;
    int m_nAngleMode = 0;
    int m_nInv = 0;
    CalcState m_calcState;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    void OnDigitKey(UINT nID);
    void OnPointKey();
    void OnKeypadKey(UINT nID);
    void OnModeClick();
    void OnCal();
    void OnExpressSetFocus();
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnPaint();
    void LoadSkins();

    CalcEngine m_engine;
};
