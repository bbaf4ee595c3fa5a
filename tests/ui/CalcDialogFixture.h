#pragma once

#include "CalcDlg.h"
#include "MessageBox.h"
#include "PointerDriver.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QString>

#include <memory>
#include <ostream>
#include <vector>

// Failures show texts as the user reads them.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

class QWidget;

// Records every message box instead of showing it and answers OK, so a test
// sees what the user would have been told without waiting for anyone.
class MessageBoxRecorder {
public:
    MessageBoxRecorder();
    ~MessageBoxRecorder();
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    std::vector<MessageBoxRequest> requests;

private:
    MessageBoxHook m_previous;
};

// The application's dialog colours, as CCalcApp sets them.
void UseCalculatorColours();
// The id of the control with this caption in dialog 258.
int ControlWithCaption(const char* caption);

// A calculator dialog built and initialised as the program builds it, shown,
// active and taking input, with its message boxes recorded.
class CalcDialogTest : public ::testing::Test {
protected:
    CalcDialogTest();
    ~CalcDialogTest() override;

    QWidget& Window();
    QWidget& Control(int id);
    QString Text(int id);
    // Replaces a field's text as pasting would, without moving the focus.
    void Paste(int id, const QString& text);
    // Moves the pointer onto the control and clicks its middle.
    void Click(int id);
    void ClickCaption(const char* caption) { Click(ControlWithCaption(caption)); }
    void PressKey(Qt::Key key);
    // The control id of the widget with the input focus, or 0.
    int FocusId();
    QImage Grab();

    MessageBoxRecorder m_boxes;
    CCalcDlg m_dialog;
    std::unique_ptr<PointerDriver> m_pointer;
};
