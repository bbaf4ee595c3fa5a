// How the dialog ends when it runs modally, and the application around it.
#include "CalcApp.h"
#include "CalcDialogFixture.h"
#include "CalcDlgIds.h"
#include "Controls.h"
#include "DialogColors.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace {

constexpr int kNotEnded = -2;

// Runs the dialog modally and, once it shows and takes input, does what the
// user would. A dialog the action did not end is ended with kNotEnded.
int RunModal(CCalcDlg& dialog, const std::function<void(QWidget&)>& action)
{
    QObject guard;
    QTimer::singleShot(0, &guard, [&] {
        QWidget& window = *dialog.GetSafeHwnd();
        ShowForInput(window);
        action(window);
        QTimer::singleShot(500, &guard, [&] {
            if (dialog.GetSafeHwnd() != nullptr)
                dialog.EndDialog(kNotEnded);
        });
    });
    return dialog.DoModal();
}

void ClickControl(QWidget& window, int id)
{
    PointerDriver pointer(window);
    const QPoint middle = FindControl(window, id)->geometry().center();
    pointer.MoveTo(middle);
    pointer.Click(middle);
}

void Key(QWidget& window, Qt::Key key)
{
    QTest::keyClick(window.windowHandle(), key);
}

struct EndingRow {
    const char* how;
    std::function<void(QWidget&)> action;
    int code;
};

TEST(DialogEndingTest, EndsWithTheCodeOfWhatEndedIt)
{
    UseCalculatorColours();
    const EndingRow rows[] = {
        {"Enter on the focused key", [](QWidget& w) { Key(w, Qt::Key_Return); }, IDOK},
        {"keypad Enter", [](QWidget& w) { Key(w, Qt::Key_Enter); }, IDOK},
        {"Enter in a field",
         [](QWidget& w) {
             ClickControl(w, IDC_A2);
             Key(w, Qt::Key_Return);
         },
         IDOK},
        {"Escape", [](QWidget& w) { Key(w, Qt::Key_Escape); }, IDCANCEL},
        {"OK", [](QWidget& w) { ClickControl(w, 1); }, IDOK},
        {"Close", [](QWidget& w) { ClickControl(w, IDC_CLOSE); }, IDCANCEL},
        {"the window system's close", [](QWidget& w) { w.close(); }, IDCANCEL},
        {"a digit key", [](QWidget& w) { Key(w, Qt::Key_5); }, kNotEnded},
    };
    for (const EndingRow& row : rows) {
        MessageBoxRecorder boxes;
        CCalcDlg dialog;
        EXPECT_EQ(RunModal(dialog, row.action), row.code) << row.how;
        EXPECT_EQ(dialog.GetSafeHwnd(), nullptr) << row.how;
        EXPECT_TRUE(boxes.requests.empty()) << row.how;
        EXPECT_EQ(dialog.m_dResult, 0.0) << row.how << ": typing must not operate the keypad";
    }
}

TEST(DialogEndingTest, EnterWithAFieldThatIsNotANumberKeepsTheDialogOpen)
{
    UseCalculatorColours();
    MessageBoxRecorder boxes;
    CCalcDlg dialog;
    const int code = RunModal(dialog, [&](QWidget& window) {
        qobject_cast<QLineEdit*>(FindControl(window, IDC_A2))->setText("4x");
        Key(window, Qt::Key_Return);
        EXPECT_EQ(boxes.requests.size(), 1u);
        EXPECT_TRUE(window.isVisible());
        EXPECT_EQ(ControlId(*window.focusWidget()), IDC_A2);
        Key(window, Qt::Key_Escape);
    });
    EXPECT_EQ(code, IDCANCEL);
    EXPECT_EQ(dialog.m_dA2, 45.0);
}

TEST(DialogEndingTest, TheSpaceBarClicksTheFocusedKey)
{
    UseCalculatorColours();
    CCalcDlg dialog;
    RunModal(dialog, [&](QWidget& window) {
        Key(window, Qt::Key_Space);
        Key(window, Qt::Key_Escape);
    });
    EXPECT_EQ(dialog.m_dResult, 7.0);
}

// Without a hook the box is a real modal window over the dialog, captioned
// with the executable's name; closing it puts the focus into the field.
TEST_F(CalcDialogTest, TheRealMessageBoxShowsOverTheDialog)
{
    const MessageBoxHook recorder = SetMessageBoxHook({});
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr)
            return;
        caption = box->windowTitle();
        text = box->text();
        icon = box->icon();
        box->button(QMessageBox::Ok)->click();
    });
    poll.start(10);
    Paste(IDC_RESULT, "");
    EXPECT_FALSE(m_dialog.UpdateData(TRUE));
    poll.stop();
    SetMessageBoxHook(recorder);
    EXPECT_EQ(caption, "ui_tests");
    EXPECT_EQ(text, "Please enter a number.");
    EXPECT_EQ(icon, QMessageBox::Warning);
    EXPECT_EQ(FocusId(), IDC_RESULT);
}

TEST(CalcAppTest, RunsTheDialogAsTheMainWindowAndEndsTheProgram)
{
    CCalcApp application;
    CWnd* mainWindow = nullptr;
    QTimer::singleShot(0, [&] {
        mainWindow = application.m_pMainWnd;
        QWidget& window = *mainWindow->GetSafeHwnd();
        ShowForInput(window);
        Key(window, Qt::Key_Escape);
    });
    EXPECT_EQ(application.InitInstance(), FALSE);
    ASSERT_NE(mainWindow, nullptr);
    EXPECT_EQ(application.m_pMainWnd, nullptr);
    ASSERT_TRUE(ApplicationDialogColors().has_value());
    EXPECT_EQ(ApplicationDialogColors()->background, RGB(204, 235, 255));
    EXPECT_EQ(ApplicationDialogColors()->text, RGB(0, 0, 0));
    EXPECT_TRUE(application.OnCmdMsg(ID_HELP));
    EXPECT_FALSE(application.OnCmdMsg(1));
}

} // namespace
