#pragma once

// The calculator dialog's template and the numbers of its controls other than
// the keypad keys (engine/KeyCodes.h names those).
inline constexpr unsigned IDD_CALC_DIALOG = 258;

enum CalcControlId : int {
    IDC_RESULT = 1002,
    IDC_A1 = 1004,
    IDC_A2 = 1005,
    IDC_EXPRESS = 1006,
    IDC_CAL = 1008,
    IDC_CLOSE = 1064,
    IDC_ANGLE = 1090,
    IDC_RADIAN = 1091,
    IDC_INV = 1092,
};
