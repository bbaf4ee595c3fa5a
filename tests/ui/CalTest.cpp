// The Cal button: the formula with a1 and a2, and what happens when a field
// does not hold a number.
#include "CalcDialogFixture.h"
#include "CalcDlgIds.h"

#include <QString>

namespace {

struct CalRow {
    const char* a1;
    const char* a2;
    QString formula;
    const char* result;
};

TEST_F(CalcDialogTest, CalShowsTheFormulasValue)
{
    const CalRow rows[] = {
        {"30", "45", "exp(sin(a1)*cos(a2)+cos(a1)*sin(a2))", "0.678560500673256"},
        {"2", "3", "a1^a2+A2 MOD a1", "9"},
        {"2", "3", "2+", "0"},
        {"2", "3", "sin 1", "0"},
        {"2", "3", "b1", "0"},
        {"2", "3", "1/0", "0"},
        {"2", "3", "ln(0)", "0"},
        {"2", "3", "", "0"},
        {"2", "3", "10^400", "inf"},
        {"-1.5", "0.25", "ABS(a1)+SQRT(a2)", "2"},
        {"2", "3", QString(5000, u'('), "0"},
        {"2", "3", QString("1+").repeated(35000) + "1", "35001"},
        {"2", "3", QString::fromUtf8("\xE2\x88\x9A" "2 \xF0\x9F\x98\x80"), "0"},
    };
    for (const CalRow& row : rows) {
        Paste(IDC_A1, row.a1);
        Paste(IDC_A2, row.a2);
        Paste(IDC_EXPRESS, row.formula);
        ClickCaption("Cal");
        EXPECT_EQ(Text(IDC_RESULT), row.result) << row.formula.left(40).toStdString();
        EXPECT_EQ(Text(IDC_EXPRESS), row.formula) << "the formula keeps its text and case";
        EXPECT_TRUE(m_boxes.requests.empty()) << row.formula.left(40).toStdString();
        ClickCaption("C");
    }
}

TEST_F(CalcDialogTest, CalRewritesTheFieldsFromWhatItRead)
{
    Paste(IDC_A1, " 30.50 ");
    Paste(IDC_EXPRESS, "a1*2");
    ClickCaption("Cal");
    EXPECT_EQ(Text(IDC_RESULT), "61");
    EXPECT_EQ(Text(IDC_A1), "30.5");
}

// A field that is not a number stops Cal after the message: nothing is
// evaluated and what the user typed stays in every field.
TEST_F(CalcDialogTest, CalStopsWhenAFieldIsNotANumber)
{
    Paste(IDC_EXPRESS, "10^400");
    ClickCaption("Cal");
    ASSERT_EQ(Text(IDC_RESULT), "inf");
    Paste(IDC_A1, "7");
    Paste(IDC_EXPRESS, "a1+1");
    ClickCaption("Cal");
    EXPECT_EQ(m_boxes.requests.size(), 1u);
    EXPECT_EQ(FocusId(), IDC_RESULT);
    EXPECT_EQ(Text(IDC_RESULT), "inf");
    EXPECT_EQ(Text(IDC_A1), "7");
    EXPECT_EQ(Text(IDC_EXPRESS), "a1+1");
    EXPECT_EQ(m_dialog.m_strExpress, CString(u"10^400"));

    Paste(IDC_RESULT, "0");
    ClickCaption("Cal");
    EXPECT_EQ(Text(IDC_RESULT), "8");
    EXPECT_EQ(m_boxes.requests.size(), 1u);
}

// Cal writes the shown value and leaves the keypad's state alone: a pending
// operation takes Cal's value as its second operand.
TEST_F(CalcDialogTest, CalsValueIsTheOperandOfAPendingOperation)
{
    ClickCaption("1");
    ClickCaption("+");
    ClickCaption("Cal");
    ClickCaption("=");
    EXPECT_EQ(Text(IDC_RESULT), "1.67856050067326");
}

} // namespace
