// Reading and writing the fields: the number rules, the message box, where the
// focus goes, what a refresh overwrites and what the mode controls read.
#include "CalcDialogFixture.h"
#include "CalcDlgIds.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

#include <cmath>
#include <limits>
#include <optional>

namespace {

struct ReadRow {
    const char* text;
    std::optional<double> value;  // none: not a number
};

TEST_F(CalcDialogTest, ReadsFieldsByTheNumberRules)
{
    const ReadRow rows[] = {
        {"12.5", 12.5},
        {"  12.5  ", 12.5},
        {"\t7\t", 7.0},
        {"+5", 5.0},
        {"-2.5e3", -2500.0},
        {"0", 0.0},
        {"0.000", 0.0},
        {" 0e5", 0.0},
        {"1.5E-7", 1.5e-7},
        {"1234567890123456789012345678901234567890", 1234567890123456789012345678901234567890.0},
        {"-0", -0.0},
        {".0", 0.0},
        {"+0", 0.0},
        {"1e-400", 0.0},
        {"1234567890123456789012345678901x", std::nullopt},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {".5e", std::nullopt},
        {"12abc", std::nullopt},
        {"1,5", std::nullopt},
        {"1 2", std::nullopt},
        {"0x10", std::nullopt},
        {"inf", std::nullopt},
        {"-inf", std::nullopt},
        {"nan", std::nullopt},
        {"1e999", std::nullopt},
        {"\xEF\xBC\x91", std::nullopt},  // a full-width digit one
        {"e", std::nullopt},
    };
    for (const ReadRow& row : rows) {
        m_dialog.m_dA1 = -99.0;
        m_boxes.requests.clear();
        Paste(IDC_A1, QString::fromUtf8(row.text));
        const BOOL read = m_dialog.UpdateData(TRUE);
        if (row.value) {
            EXPECT_TRUE(read) << "'" << row.text << "'";
            EXPECT_EQ(m_dialog.m_dA1, *row.value) << "'" << row.text << "'";
            EXPECT_TRUE(m_boxes.requests.empty()) << "'" << row.text << "'";
        } else {
            EXPECT_FALSE(read) << "'" << row.text << "'";
            EXPECT_EQ(m_dialog.m_dA1, -99.0) << "'" << row.text << "'";
            EXPECT_EQ(m_boxes.requests.size(), 1u) << "'" << row.text << "'";
        }
    }
}

TEST_F(CalcDialogTest, WritesNumbersWithFifteenDigitsAndAThreeDigitExponent)
{
    const struct {
        double value;
        const char* text;
    } rows[] = {
        {1e20, "1e+020"},
        {0.1 + 0.2, "0.3"},
        {1.5e-7, "1.5e-007"},
        {-0.0, "-0"},
        {123456789012345678.0, "1.23456789012346e+017"},
        {std::numeric_limits<double>::infinity(), "inf"},
    };
    for (const auto& row : rows) {
        m_dialog.m_dResult = row.value;
        m_dialog.UpdateData(FALSE);
        EXPECT_EQ(Text(IDC_RESULT), row.text) << row.value;
    }
}

// The box, the focus and the selection of a field that is not a number; the
// bindings after it are not read.
TEST_F(CalcDialogTest, AFieldThatIsNotANumberIsReportedAndGetsTheFocus)
{
    Paste(IDC_A1, "-x");
    Paste(IDC_A2, "7");
    Paste(IDC_EXPRESS, "a1+a2");
    EXPECT_FALSE(m_dialog.UpdateData(TRUE));
    ASSERT_EQ(m_boxes.requests.size(), 1u);
    const MessageBoxRequest& box = m_boxes.requests.front();
    EXPECT_EQ(box.text, CString(u"Please enter a number."));
    EXPECT_EQ(box.caption, CString::FromUtf8("ui_tests"));  // the executable's name
    EXPECT_EQ(box.type, MB_OK | MB_ICONEXCLAMATION);
    EXPECT_EQ(FocusId(), IDC_A1);
    EXPECT_EQ(qobject_cast<QLineEdit*>(&Control(IDC_A1))->selectedText(), "-x");
    EXPECT_EQ(m_dialog.m_dA2, 45.0);
    EXPECT_EQ(m_dialog.m_strExpress, CString(u"exp(sin(a1)*cos(a2)+cos(a1)*sin(a2))"));
}

TEST_F(CalcDialogTest, AWriteKeepsAFieldThatShowsTheValueAlready)
{
    auto& a1 = *qobject_cast<QLineEdit*>(&Control(IDC_A1));
    a1.setSelection(0, 1);
    m_dialog.UpdateData(FALSE);
    EXPECT_EQ(a1.selectedText(), "3");
}

TEST_F(CalcDialogTest, TextTypedIntoAFieldIsReplacedByTheNextRefresh)
{
    Click(IDC_A1);
    auto& a1 = *qobject_cast<QLineEdit*>(&Control(IDC_A1));
    a1.selectAll();
    QTest::keyClicks(&a1, "50");
    EXPECT_EQ(Text(IDC_A1), "50");
    ClickCaption("7");
    EXPECT_EQ(Text(IDC_A1), "30");
    EXPECT_EQ(Text(IDC_RESULT), "7");
}

TEST_F(CalcDialogTest, TheResultFieldTakesOnlyTypedDigits)
{
    Click(IDC_RESULT);
    auto& result = *qobject_cast<QLineEdit*>(&Control(IDC_RESULT));
    result.selectAll();
    QTest::keyClicks(&result, "a1-b.2 3");
    EXPECT_EQ(Text(IDC_RESULT), "123");
}

TEST_F(CalcDialogTest, ModeClicksReadTheNewModeWithEveryField)
{
    ClickCaption("Radian");
    EXPECT_EQ(m_dialog.m_nAngleMode, 1);
    ClickCaption("Inv");
    EXPECT_EQ(m_dialog.m_nInv, 1);
    Paste(IDC_A2, "12.5");
    ClickCaption("Angle");
    EXPECT_EQ(m_dialog.m_nAngleMode, 0);
    EXPECT_EQ(m_dialog.m_dA2, 12.5);
    EXPECT_TRUE(m_boxes.requests.empty());
}

// A negative zero made on the keypad reads back: the mode click finds no
// field that is not a number.
TEST_F(CalcDialogTest, ANegativeZeroShownByTheKeypadReadsBack)
{
    ClickCaption("0");
    ClickCaption("+/-");
    ASSERT_EQ(Text(IDC_RESULT), "-0");
    ClickCaption("Radian");
    EXPECT_TRUE(m_boxes.requests.empty());
    EXPECT_EQ(m_dialog.m_nAngleMode, 1);
    EXPECT_TRUE(std::signbit(m_dialog.m_dResult));
}

// The result field comes first in the table: while it is not a number the
// mode controls show the new choice but the members keep the old one.
TEST_F(CalcDialogTest, AModeClickWithAClearedResultFieldKeepsTheOldMode)
{
    Paste(IDC_RESULT, "");
    ClickCaption("Radian");
    EXPECT_EQ(m_boxes.requests.size(), 1u);
    EXPECT_EQ(FocusId(), IDC_RESULT);
    EXPECT_TRUE(qobject_cast<QAbstractButton*>(&Control(IDC_RADIAN))->isChecked());
    EXPECT_EQ(m_dialog.m_nAngleMode, 0);
    Paste(IDC_RESULT, "4");
    ClickCaption("Inv");
    EXPECT_EQ(m_dialog.m_nAngleMode, 1);
    EXPECT_EQ(m_dialog.m_dResult, 4.0);
}

TEST_F(CalcDialogTest, EnteringTheFormulaLineSwitchesToRadianAndRewritesTheFields)
{
    Paste(IDC_A1, "50");
    Click(IDC_EXPRESS);
    EXPECT_EQ(m_dialog.m_nAngleMode, 1);
    EXPECT_TRUE(qobject_cast<QAbstractButton*>(&Control(IDC_RADIAN))->isChecked());
    EXPECT_EQ(Text(IDC_A1), "30");
    ClickCaption("Angle");
    EXPECT_EQ(m_dialog.m_nAngleMode, 0);
    // By the keyboard too: Tab from a2 reaches the formula line.
    Click(IDC_A2);
    PressKey(Qt::Key_Tab);
    EXPECT_EQ(FocusId(), IDC_EXPRESS);
    EXPECT_EQ(m_dialog.m_nAngleMode, 1);
}

// Switching to another window and back is not entering the field again: a
// formula typed there stays.
TEST_F(CalcDialogTest, ComingBackToTheWindowKeepsTheTypedFormula)
{
    Click(IDC_EXPRESS);
    auto& express = *qobject_cast<QLineEdit*>(&Control(IDC_EXPRESS));
    express.selectAll();
    QTest::keyClicks(&express, "a1*a2");
    QWidget other;
    other.resize(50, 50);
    ShowForInput(other);
    ShowForInput(Window());
    EXPECT_EQ(FocusId(), IDC_EXPRESS);
    EXPECT_EQ(Text(IDC_EXPRESS), "a1*a2");
}

TEST_F(CalcDialogTest, CheckBoxValuesOutsideZeroToTwoAreWrittenAsZero)
{
    const struct {
        int written;
        int stored;
        Qt::CheckState shown;
    } rows[] = {
        {1, 1, Qt::Checked}, {0, 0, Qt::Unchecked}, {2, 2, Qt::PartiallyChecked}, {3, 0, Qt::Unchecked},
        {-1, 0, Qt::Unchecked},
    };
    for (const auto& row : rows) {
        m_dialog.m_nInv = row.written;
        m_dialog.UpdateData(FALSE);
        EXPECT_EQ(m_dialog.m_nInv, row.stored) << row.written;
        EXPECT_EQ(qobject_cast<QAbstractButton*>(&Control(IDC_INV))->isChecked(), row.shown != Qt::Unchecked)
            << row.written;
        EXPECT_TRUE(m_dialog.UpdateData(TRUE));
        EXPECT_EQ(m_dialog.m_nInv, row.stored) << row.written;
    }
}

TEST_F(CalcDialogTest, RadioIndexOutsideTheGroupClearsBothAndReadsBackAsMinusOne)
{
    m_dialog.m_nAngleMode = 5;
    m_dialog.UpdateData(FALSE);
    EXPECT_FALSE(qobject_cast<QAbstractButton*>(&Control(IDC_ANGLE))->isChecked());
    EXPECT_FALSE(qobject_cast<QAbstractButton*>(&Control(IDC_RADIAN))->isChecked());
    EXPECT_TRUE(m_dialog.UpdateData(TRUE));
    EXPECT_EQ(m_dialog.m_nAngleMode, -1);
    ClickCaption("Radian");
    EXPECT_EQ(m_dialog.m_nAngleMode, 1);
}

} // namespace
