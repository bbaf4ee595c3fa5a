#include "CalcDialogFixture.h"

#include "Controls.h"
#include "DialogColors.h"
#include "DialogTemplate.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

#include <cstring>

MessageBoxRecorder::MessageBoxRecorder()
    : m_previous(SetMessageBoxHook([this](const MessageBoxRequest& request) {
          requests.push_back(request);
          return IDOK;
      }))
{
}

MessageBoxRecorder::~MessageBoxRecorder()
{
    SetMessageBoxHook(std::move(m_previous));
}

void UseCalculatorColours()
{
    SetApplicationDialogColors({RGB(204, 235, 255), RGB(0, 0, 0)});
}

int ControlWithCaption(const char* caption)
{
    for (const DialogControlTemplate& control : FindDialogTemplate(258)->controls) {
        if (std::strcmp(control.caption, caption) == 0)
            return control.id;
    }
    ADD_FAILURE() << "no control captioned " << caption;
    return 0;
}

CalcDialogTest::CalcDialogTest()
{
    UseCalculatorColours();
    EXPECT_TRUE(m_dialog.Create());
    ShowForInput(Window());
    m_pointer = std::make_unique<PointerDriver>(Window());
}

CalcDialogTest::~CalcDialogTest()
{
    m_pointer.reset();
    m_dialog.DestroyWindow();
}

QWidget& CalcDialogTest::Window()
{
    return *m_dialog.GetSafeHwnd();
}

QWidget& CalcDialogTest::Control(int id)
{
    return *m_dialog.GetDlgItem(id);
}

QString CalcDialogTest::Text(int id)
{
    return qobject_cast<QLineEdit*>(&Control(id))->text();
}

void CalcDialogTest::Paste(int id, const QString& text)
{
    qobject_cast<QLineEdit*>(&Control(id))->setText(text);
}

void CalcDialogTest::Click(int id)
{
    const QPoint middle = Control(id).geometry().center();
    m_pointer->MoveTo(middle);
    m_pointer->Click(middle);
}

void CalcDialogTest::PressKey(Qt::Key key)
{
    QTest::keyClick(Window().windowHandle(), key);
}

int CalcDialogTest::FocusId()
{
    QWidget* focus = Window().focusWidget();
    return focus != nullptr ? ControlId(*focus) : 0;
}

QImage CalcDialogTest::Grab()
{
    return Window().grab().toImage();
}
