// What screen readers call the controls: words a person would say, not glyphs.
// tests/a11y checks how a new result is announced.
#include "CalcDialogFixture.h"
#include "CalcDlgIds.h"
#include "Controls.h"
#include "KeyCodes.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QRegularExpression>
#include <QWidget>

namespace {

struct NameRow {
    int id;
    const char* name;
};

TEST_F(CalcDialogTest, ScreenReadersNameTheControlsInWords)
{
    const NameRow rows[] = {
        {KEY_POWER, "x to the power of y"},
        {KEY_NEGATE, "change sign"},
        {KEY_RECIPROCAL, "reciprocal"},
        {KEY_FACTORIAL, "factorial"},
        {KEY_PERCENT, "percent"},
        {KEY_CLEAR, "clear"},
        {KEY_CLEAR_ENTRY, "clear entry"},
        {KEY_PI, "pi"},
        {KEY_E, "e"},
        {KEY_ADD, "plus"},
        {KEY_EQUALS, "equals"},
        {KEY_POINT, "decimal point"},
        {KEY_DIGIT_7, "7"},
        {KEY_DIGIT_0, "0"},
        {IDC_INV, "inverse"},
        {IDC_CLOSE, "close"},
        {IDC_CAL, "calculate"},
        {IDC_RESULT, "Result"},
        {IDC_A1, "a1"},
        {IDC_A2, "a2"},
        {IDC_EXPRESS, "expression"},
        {IDC_ANGLE, "Angle"},
        {IDC_RADIAN, "Radian"},
    };
    for (const NameRow& row : rows)
        EXPECT_EQ(Control(row.id).accessibleName(), row.name) << "control " << row.id;
    EXPECT_EQ(Control(IDC_INV).accessibleDescription(), "The next function key computes its inverse");
}

// A key left out of the names would be read by its caption: "x^y", "CE", "sin".
TEST_F(CalcDialogTest, EveryControlIsNamedAndNoKeyByItsCaption)
{
    const QRegularExpression words(QStringLiteral("^([0-9]|OK|[a-z]+( [a-z]+)*)$"));
    for (const int id : CCalcDlg::kSkinButtonIds) {
        const auto* key = qobject_cast<const QAbstractButton*>(&Control(id));
        ASSERT_NE(key, nullptr) << "control " << id;
        const QString name = key->accessibleName();
        const bool isDigitOrOk = name.size() == 1 || name == u"OK";
        EXPECT_TRUE(words.match(name).hasMatch() && (name != key->text() || isDigitOrOk))
            << "control " << id << " is named " << name.toStdString();
    }
    for (const QWidget* control : Window().findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (qobject_cast<const QGroupBox*>(control) == nullptr) {
            EXPECT_FALSE(control->accessibleName().isEmpty()) << "control " << ControlId(*control);
        }
    }
}

} // namespace
