// A new result reaches screen readers as a change of the result field's value,
// besides the text change the field reports itself. Qt passes such events on
// only while its accessibility is active, so this runs with an accessibility
// bus up (run-a11y.sh qt-test).
#include "CalcDlg.h"
#include "CalcDlgIds.h"
#include "KeyCodes.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QTest>
#include <QWidget>

#include <ostream>
#include <utility>
#include <vector>

// Failures show texts as the user reads them.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace {

using Update = std::pair<QAccessible::Event, QString>;

QObject* g_field = nullptr;
std::vector<Update> g_updates;

// The events about the watched field, with the text each carries.
void RecordUpdate(QAccessibleEvent* event)
{
    if (event->object() != g_field)
        return;
    if (event->type() == QAccessible::ValueChanged)
        g_updates.emplace_back(event->type(), static_cast<QAccessibleValueChangeEvent*>(event)->value().toString());
    else if (event->type() == QAccessible::TextUpdated)
        g_updates.emplace_back(event->type(), static_cast<QAccessibleTextUpdateEvent*>(event)->textInserted());
}

TEST(ResultAnnouncementTest, EqualsAnnouncesTheNewResult)
{
    ASSERT_TRUE(QTest::qWaitFor([] { return QAccessible::isActive(); }, 10000))
        << "Qt's accessibility did not become active: no accessibility bus";
    CCalcDlg dialog;
    ASSERT_TRUE(dialog.Create());
    const auto press = [&dialog](int id) { qobject_cast<QAbstractButton*>(dialog.GetDlgItem(id))->click(); };
    for (const int key : {KEY_DIGIT_7, KEY_ADD, KEY_DIGIT_2})
        press(key);
    g_field = dialog.GetDlgItem(IDC_RESULT);
    QAccessible::installUpdateHandler(RecordUpdate);
    press(KEY_EQUALS);
    QAccessible::installUpdateHandler(nullptr);
    const std::vector<Update> expected = {{QAccessible::TextUpdated, "9"}, {QAccessible::ValueChanged, "9"}};
    EXPECT_EQ(g_updates, expected);
    dialog.DestroyWindow();
}

} // namespace
