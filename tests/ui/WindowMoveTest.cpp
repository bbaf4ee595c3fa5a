// Dragging the captionless window by its background, its painted caption bar,
// its labels and its group box; never by a control that takes the mouse.
#include "CalcDialogFixture.h"
#include "CalcDlgIds.h"

#include <QCoreApplication>
#include <QWidget>

namespace {

struct DragRow {
    const char* where;
    QPoint press;
    bool moves;
};

TEST_F(CalcDialogTest, DraggingTheBackgroundMovesTheWindow)
{
    const DragRow rows[] = {
        {"caption bar", {100, 10}, true},
        {"background", {5, 150}, true},
        {"label Express", {20, 260}, true},
        {"help text", {100, 290}, true},
        {"group box", {10, 244}, true},
        {"key 7", {158, 105}, false},
        {"field a1", {200, 226}, false},
        {"radio Angle", {30, 231}, false},
        {"Close", {330, 10}, false},
    };
    const QPoint distance(30, 20);
    for (const DragRow& row : rows) {
        const QPoint start = Window().pos();
        m_pointer->MoveTo(row.press);
        m_pointer->Press(row.press);
        QCoreApplication::processEvents();
        m_pointer->MoveTo(row.press + distance);
        QCoreApplication::processEvents();
        const QPoint released = row.moves ? row.press : row.press + distance;
        m_pointer->Release(released);
        QCoreApplication::processEvents();
        EXPECT_EQ(Window().pos(), row.moves ? start + distance : start) << row.where;
        if (!Window().isVisible())
            break;
    }
    EXPECT_TRUE(Window().isVisible()) << "a drag ended the dialog";
}

TEST_F(CalcDialogTest, AClickOnTheBackgroundDoesNotMoveTheWindow)
{
    const QPoint start = Window().pos();
    m_pointer->MoveTo({100, 10});
    m_pointer->Click({100, 10});
    QCoreApplication::processEvents();
    m_pointer->MoveTo({160, 60});
    QCoreApplication::processEvents();
    EXPECT_EQ(Window().pos(), start);
}

} // namespace
