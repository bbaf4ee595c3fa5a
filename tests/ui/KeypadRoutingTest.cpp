// Every skinned button clicked with the mouse reaches its handler: keypad keys
// the engine as their key, Cal the formula, OK and Close the end of the dialog.
#include "CalcDialogFixture.h"
#include "CalcDlgIds.h"

#include <QWidget>

#include <algorithm>
#include <cctype>
#include <ostream>
#include <string>
#include <vector>

namespace {

struct ButtonRow {
    const char* button;                  // the caption of the button under test
    std::vector<const char*> clicks;     // clicked in turn; they include the button
    const char* result;                  // the result field afterwards, or null when the dialog ends
};

const ButtonRow kButtonRows[] = {
    {"0", {"1", "0"}, "10"},
    {"1", {"1"}, "1"},
    {"2", {"2"}, "2"},
    {"3", {"3"}, "3"},
    {"4", {"4"}, "4"},
    {"5", {"5"}, "5"},
    {"6", {"6"}, "6"},
    {"7", {"7"}, "7"},
    {"8", {"8"}, "8"},
    {"9", {"9"}, "9"},
    {".", {"1", ".", "5"}, "1.5"},
    {"+", {"2", "+", "3", "="}, "5"},
    {"-", {"2", "-", "3", "="}, "-1"},
    {"*", {"2", "*", "3", "="}, "6"},
    {"/", {"3", "/", "2", "="}, "1.5"},
    {"=", {"1", "+", "2", "="}, "3"},
    {"x^y", {"2", "x^y", "3", "="}, "8"},
    {"Backspace", {"1", "2", "3", "Backspace"}, "12"},
    {"CE", {"1", "2", "CE"}, "0"},
    {"C", {"5", "/", "3", "C"}, "0"},
    {"+/-", {"5", "+/-"}, "-5"},
    {"%", {"5", "0", "%"}, "0.5"},
    {"1/x", {"4", "1/x"}, "0.25"},
    {"x^2", {"3", "x^2"}, "9"},
    {"x^3", {"2", "x^3"}, "8"},
    {"n!", {"5", "n!"}, "120"},
    {"ln", {"1", "ln"}, "0"},
    {"log", {"1", "0", "0", "log"}, "2"},
    {"sin", {"3", "0", "sin"}, "0.5"},
    {"cos", {"6", "0", "cos"}, "0.5"},
    {"tan", {"4", "5", "tan"}, "1"},
    {"sinh", {"1", "sinh"}, "1.1752011936438"},
    {"cosh", {"1", "cosh"}, "1.54308063481524"},
    {"tanh", {"1", "tanh"}, "0.761594155955765"},
    {"PI", {"PI"}, "3.14159265358979"},
    {"E", {"E"}, "2.71828182845905"},
    {"Cal", {"Cal"}, "0.678560500673256"},
    {"OK", {"OK"}, nullptr},
    {"Close", {"Close"}, nullptr},
};

void PrintTo(const ButtonRow& row, std::ostream* out)
{
    *out << '"' << row.button << '"';
}

class ButtonRoutingTest : public CalcDialogTest, public ::testing::WithParamInterface<ButtonRow> {};

TEST_P(ButtonRoutingTest, ClickReachesItsHandler)
{
    const ButtonRow& row = GetParam();
    for (const char* caption : row.clicks)
        ClickCaption(caption);
    if (row.result != nullptr) {
        EXPECT_EQ(Text(IDC_RESULT), row.result);
        EXPECT_TRUE(Window().isVisible());
    } else {
        EXPECT_FALSE(Window().isVisible()) << "the dialog did not end";
    }
    EXPECT_TRUE(m_boxes.requests.empty());
}

std::string RowName(const ::testing::TestParamInfo<ButtonRow>& info)
{
    std::string name;
    for (const char character : std::string(info.param.button)) {
        if (std::isalnum(static_cast<unsigned char>(character)))
            name += character;
        else
            name += "_" + std::to_string(static_cast<int>(character)) + "_";
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(AllThirtyNine, ButtonRoutingTest, ::testing::ValuesIn(kButtonRows), RowName);

TEST(ButtonRoutingTableTest, CoversEverySkinnedButton)
{
    std::vector<int> covered;
    for (const ButtonRow& row : kButtonRows)
        covered.push_back(ControlWithCaption(row.button));
    std::vector<int> skinned(CCalcDlg::kSkinButtonIds.begin(), CCalcDlg::kSkinButtonIds.end());
    std::sort(covered.begin(), covered.end());
    std::sort(skinned.begin(), skinned.end());
    EXPECT_EQ(covered, skinned);
}

} // namespace
