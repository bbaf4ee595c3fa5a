#include "CalcDlg.h"

#include "CExprEvaluator.h"
#include "CPaintDC.h"
#include "CalcDlgIds.h"
#include "DataExchange.h"
#include "KeyCodes.h"
#include "SkinBitmapIds.h"
#include "WindowFrame.h"
#include "WindowOperations.h"

#include <algorithm>

namespace {

// The Close button fills the gap the caption bar leaves in the top-right corner.
constexpr int kCloseWidth = 25;
constexpr int kCloseHeight = 21;

} // namespace

CCalcDlg::CCalcDlg(CWnd* pParent)
    : CDialog(IDD_CALC_DIALOG, pParent),
      m_strExpress(u"exp(sin(a1)*cos(a2)+cos(a1)*sin(a2))"),
      m_engine(m_calcState, m_dResult, m_nAngleMode, m_nInv, [this] { UpdateData(FALSE); })
{
}

CCalcDlg::~CCalcDlg() = default;

CSkinButton& CCalcDlg::SkinButton(int controlId)
{
    const auto position = std::find(kSkinButtonIds.begin(), kSkinButtonIds.end(), controlId);
    return m_skinButtons[static_cast<std::size_t>(position - kSkinButtonIds.begin())];
}

void CCalcDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    for (std::size_t index = 0; index < kSkinButtonIds.size(); ++index)
        DDX_Control(pDX, kSkinButtonIds[index], m_skinButtons[index]);
    DDX_Text(pDX, IDC_RESULT, m_dResult);
    DDX_Text(pDX, IDC_A1, m_dA1);
    DDX_Text(pDX, IDC_A2, m_dA2);
    DDX_Text(pDX, IDC_EXPRESS, m_strExpress);
    DDX_Radio(pDX, IDC_ANGLE, m_nAngleMode);
    DDX_Check(pDX, IDC_INV, m_nInv);
}

BOOL CCalcDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText(CString(u"Raruvid Udodidevud"));
    CenterWindow();
    LoadSkins();
    CRect client;
    GetClientRect(&client);
    MoveWindow(SkinButton(IDC_CLOSE).GetSafeHwnd(), client.Width() - kCloseWidth, 0, kCloseWidth, kCloseHeight,
               TRUE);
    return TRUE;
}

void CCalcDlg::LoadSkins()
{
    for (std::size_t index = 0; index < kSkinButtonIds.size(); ++index) {
        if (kSkinButtonIds[index] == IDC_CLOSE)
            continue;
        m_skinButtons[index].m_bDrawCaption = TRUE;
        m_skinButtons[index].LoadSkinBitmaps(false, UINT{IDB_KEY_NORMAL}, UINT{IDB_KEY_PRESSED},
                                             UINT{IDB_KEY_HOVER}, UINT{IDB_KEY_NORMAL});
    }
    // Close shows its face at its own size and no caption: the face is a cross.
    SkinButton(IDC_CLOSE).LoadSkinBitmaps(false, UINT{IDB_CLOSE_NORMAL}, UINT{IDB_CLOSE_PRESSED},
                                          UINT{IDB_CLOSE_HOVER}, UINT{IDB_CLOSE_NORMAL});
}

void CCalcDlg::OnDigitKey(UINT nID)
{
    const auto position = std::find(kDigitKeys.begin(), kDigitKeys.end(), static_cast<int>(nID));
    m_engine.OnDigit(static_cast<int>(position - kDigitKeys.begin()));
}

void CCalcDlg::OnPointKey()
{
    m_engine.OnPoint();
}

void CCalcDlg::OnKeypadKey(UINT nID)
{
    m_engine.OnKey(static_cast<int>(nID));
}

// Inv, Angle and Radian have changed their control; reading every field brings
// the new mode into m_nAngleMode and m_nInv.
void CCalcDlg::OnModeClick()
{
    UpdateData(TRUE);
}

// Formula functions work in radians, so the keypad follows whenever the
// formula line is entered.
void CCalcDlg::OnExpressSetFocus()
{
    m_nAngleMode = 1;
    UpdateData(FALSE);
}

void CCalcDlg::OnCal()
{
    // A field that is not a number has been reported and now holds the focus.
    // Evaluating with the values of an older read and writing them back would
    // overwrite what the user typed, so Cal stops here.
    if (!UpdateData(TRUE))
        return;
    CExprEvaluator evaluator(m_strExpress);
    evaluator.BindVariable(m_dA1, CString(u"a1"));
    evaluator.BindVariable(m_dA2, CString(u"a2"));
    evaluator.Evaluate();
    m_dResult = evaluator.m_dAnswer;
    UpdateData(FALSE);
}

// The background, the painted caption bar, the static texts and the group box
// all drag the window.
void CCalcDlg::OnLButtonDown(UINT, CPoint point)
{
    PostMessage(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(point.x, point.y));
    Default();
}

void CCalcDlg::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    PaintWindowFrame(dc, client);
    CString caption;
    GetWindowText(caption);
    PaintWindowCaption(dc, caption);
}

// WM_SIZE and WM_DESTROY keep the default processing.
const MessageMap* CCalcDlg::GetThisMessageMap()
{
    using Dlg = CCalcDlg;
    static constexpr MessageEntry entries[] = {
        OnCommand<BN_CLICKED, KEY_DIGIT_0, &Dlg::OnDigitKey>(),
        OnCommand<BN_CLICKED, KEY_DIGIT_1, &Dlg::OnDigitKey>(),
        OnCommand<BN_CLICKED, KEY_DIGIT_2, &Dlg::OnDigitKey>(),
        OnCommand<BN_CLICKED, KEY_DIGIT_3, &Dlg::OnDigitKey>(),
        OnCommand<BN_CLICKED, KEY_DIGIT_4, &Dlg::OnDigitKey>(),
        OnCommand<BN_CLICKED, KEY_DIGIT_5, &Dlg::OnDigitKey>(),
        OnCommand<BN_CLICKED, KEY_DIGIT_6, &Dlg::OnDigitKey>(),
        OnCommand<BN_CLICKED, KEY_DIGIT_7, &Dlg::OnDigitKey>(),
        OnCommand<BN_CLICKED, KEY_DIGIT_8, &Dlg::OnDigitKey>(),
        OnCommand<BN_CLICKED, KEY_DIGIT_9, &Dlg::OnDigitKey>(),
        OnCommand<BN_CLICKED, KEY_POINT, &Dlg::OnPointKey>(),
        OnCommand<BN_CLICKED, KEY_ADD, &Dlg::OnKeypadKey>(),
        OnCommand<BN_CLICKED, KEY_SUBTRACT, &Dlg::OnKeypadKey>(),
        OnCommand<BN_CLICKED, KEY_MULTIPLY, &Dlg::OnKeypadKey>(),
        OnCommand<BN_CLICKED, KEY_DIVIDE, &Dlg::OnKeypadKey>(),
        OnCommand<BN_CLICKED, KEY_EQUALS, &Dlg::OnKeypadKey>(),
        OnCommand<BN_CLICKED, KEY_BACKSPACE, &Dlg::OnKeypadKey>(),
        OnCommand<BN_CLICKED, KEY_CLEAR_ENTRY, &Dlg::OnKeypadKey>(),
        OnCommand<BN_CLICKED, KEY_CLEAR, &Dlg::OnKeypadKey>(),
        OnCommand<BN_CLICKED, KEY_NEGATE, &Dlg::OnKeypadKey>(),
        OnCommand<BN_CLICKED, KEY_PERCENT, &Dlg::OnKeypadKey>(),
        OnCommand<BN_CLICKED, KEY_RECIPROCAL, &Dlg::OnKeypadKey>(),
        OnCommand<BN_CLICKED, KEY_SQUARE, &Dlg::OnKeypadKey>(),
        OnCommand<BN_CLICKED, KEY_CUBE, &Dlg::OnKeypadKey>(),
        OnCommand<BN_CLICKED, KEY_POWER, &Dlg::OnKeypadKey>(),
        OnCommand<BN_CLICKED, KEY_FACTORIAL, &Dlg::OnKeypadKey>(),
        OnCommand<BN_CLICKED, KEY_LN, &Dlg::OnKeypadKey>(),
        OnCommand<BN_CLICKED, KEY_LOG, &Dlg::OnKeypadKey>(),
        OnCommand<BN_CLICKED, KEY_SIN, &Dlg::OnKeypadKey>(),
        OnCommand<BN_CLICKED, KEY_COS, &Dlg::OnKeypadKey>(),
        OnCommand<BN_CLICKED, KEY_TAN, &Dlg::OnKeypadKey>(),
        OnCommand<BN_CLICKED, KEY_SINH, &Dlg::OnKeypadKey>(),
        OnCommand<BN_CLICKED, KEY_COSH, &Dlg::OnKeypadKey>(),
        OnCommand<BN_CLICKED, KEY_TANH, &Dlg::OnKeypadKey>(),
        OnCommand<BN_CLICKED, KEY_PI, &Dlg::OnKeypadKey>(),
        OnCommand<BN_CLICKED, KEY_E, &Dlg::OnKeypadKey>(),
        OnCommand<BN_CLICKED, IDC_ANGLE, &Dlg::OnModeClick>(),
        OnCommand<BN_CLICKED, IDC_RADIAN, &Dlg::OnModeClick>(),
        OnCommand<BN_CLICKED, IDC_INV, &Dlg::OnModeClick>(),
        OnCommand<BN_CLICKED, IDC_CAL, &Dlg::OnCal>(),
        OnCommand<BN_CLICKED, IDC_CLOSE, &CDialog::OnCancel>(),
        OnCommand<EN_SETFOCUS, IDC_EXPRESS, &Dlg::OnExpressSetFocus>(),
        OnMessage<WM_LBUTTONDOWN, &Dlg::OnLButtonDown>(),
        OnMessage<WM_PAINT, &Dlg::OnPaint>(),
    };
    static constexpr MessageMap map{&CDialog::GetThisMessageMap, entries};
    return &map;
}

const MessageMap* CCalcDlg::GetMessageMap() const
{
    return GetThisMessageMap();
}
