// The dialog as built from template 258: units, places, order and the state
// the calculator starts in.
#include "CalcDialogFixture.h"
#include "CalcDlgIds.h"
#include "Controls.h"
#include "DialogStyles.h"
#include "DialogTemplate.h"
#include "DialogUnits.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QRadioButton>
#include <QScreen>
#include <QWidget>

#include <set>

namespace {

struct UnitsRow {
    int units;
    int pixelsX;
    int pixelsY;
};

TEST(DialogUnitsTest, RoundHalvesAwayFromZero)
{
    const UnitsRow rows[] = {
        {0, 0, 0},      {1, 2, 2},    {2, 3, 3},     {3, 5, 5},     {4, 6, 7},
        {27, 41, 44},   {15, 23, 24}, {229, 344, 372}, {212, 318, 345}, {-1, -2, -2},
        {-3, -5, -5},   {-4, -6, -7},
    };
    for (const UnitsRow& row : rows) {
        EXPECT_EQ(DialogUnits::ToPixelsX(row.units), row.pixelsX) << "x of " << row.units << " units";
        EXPECT_EQ(DialogUnits::ToPixelsY(row.units), row.pixelsY) << "y of " << row.units << " units";
    }
}

TEST(DialogTemplateTest, HoldsFiftyOneControlsWithDistinctNumbers)
{
    const DialogTemplate* dialog = FindDialogTemplate(258);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(FindDialogTemplate(259), nullptr);
    EXPECT_EQ(dialog->controls.size(), 51u);
    std::set<int> ids;
    int unnumbered = 0;
    for (const DialogControlTemplate& control : dialog->controls) {
        if (control.id == -1)
            ++unnumbered;
        else
            EXPECT_TRUE(ids.insert(control.id).second) << "id " << control.id << " twice";
        EXPECT_EQ(control.style & (WS_CHILD | WS_VISIBLE), WS_CHILD | WS_VISIBLE) << control.caption;
    }
    EXPECT_EQ(unnumbered, 5);  // the labels, the help line and the group box
}

TEST_F(CalcDialogTest, ClientAreaIs344By345AndCentredOnTheWorkArea)
{
    EXPECT_EQ(Window().size(), QSize(344, 345));
    const QRect area = Window().screen()->availableGeometry();
    EXPECT_EQ(Window().pos(), QPoint(area.left() + (area.width() - 344) / 2, area.top() + (area.height() - 345) / 2));
    EXPECT_TRUE(Window().windowFlags() & Qt::FramelessWindowHint);
}

struct PlaceRow {
    int id;
    QRect pixels;
};

TEST_F(CalcDialogTest, ControlsSitAtTheirTemplatePlacesInPixels)
{
    const PlaceRow rows[] = {
        {1000, {138, 93, 41, 24}},  // "7"
        {1020, {177, 93, 41, 24}},  // "8": keys overlap by two pixels
        {1001, {138, 63, 62, 24}},  // "Backspace"
        {IDC_RESULT, {8, 33, 327, 23}},
        {IDC_EXPRESS, {57, 254, 278, 23}},
        {IDC_CAL, {53, 315, 57, 18}},
        {1, {212, 315, 57, 18}},    // "OK"
        {IDC_ANGLE, {15, 223, 54, 16}},
        {IDC_INV, {18, 68, 38, 16}},
        {IDC_CLOSE, {319, 0, 25, 21}},  // moved from its template place to the top-right corner
    };
    for (const PlaceRow& row : rows)
        EXPECT_EQ(Control(row.id).geometry(), row.pixels) << "control " << row.id;
}

TEST_F(CalcDialogTest, StartsWithTheInitialValuesAndTheFocusOnSeven)
{
    EXPECT_EQ(Window().windowTitle(), "Raruvid Udodidevud");
    EXPECT_EQ(Text(IDC_RESULT), "0");
    EXPECT_EQ(Text(IDC_A1), "30");
    EXPECT_EQ(Text(IDC_A2), "45");
    EXPECT_EQ(Text(IDC_EXPRESS), "exp(sin(a1)*cos(a2)+cos(a1)*sin(a2))");
    EXPECT_TRUE(qobject_cast<QRadioButton*>(&Control(IDC_ANGLE))->isChecked());
    EXPECT_FALSE(qobject_cast<QRadioButton*>(&Control(IDC_RADIAN))->isChecked());
    EXPECT_FALSE(qobject_cast<QAbstractButton*>(&Control(IDC_INV))->isChecked());
    EXPECT_EQ(FocusId(), 1000);
    EXPECT_TRUE(m_boxes.requests.empty());
}

// Tab walks the tab stops in template order and wraps; the radio buttons, the
// static texts and the group box are not among them.
TEST_F(CalcDialogTest, TabWalksTheTabStopsInTemplateOrder)
{
    std::vector<int> expected;
    for (const DialogControlTemplate& control : FindDialogTemplate(258)->controls) {
        if (control.style & WS_TABSTOP)
            expected.push_back(control.id);
    }
    std::vector<int> visited{FocusId()};
    for (std::size_t step = 0; step < expected.size(); ++step) {
        PressKey(Qt::Key_Tab);
        visited.push_back(FocusId());
    }
    expected.push_back(expected.front());
    EXPECT_EQ(visited, expected);
    PressKey(Qt::Key_Backtab);
    EXPECT_EQ(FocusId(), expected[expected.size() - 2]);
}

// The first control of the template lies on top where controls overlap.
TEST_F(CalcDialogTest, EarlierControlsLieAboveLaterOnes)
{
    const QPoint overlap(178, 100);  // inside both "7" and "8"
    EXPECT_EQ(ControlId(*Window().childAt(overlap)), 1000);
}

} // namespace
