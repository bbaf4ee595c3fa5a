#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

// The keyboard and window-system handling every dialog gets, whatever control
// has the focus:
// - Enter (either key) sends the dialog the command IDOK, Escape IDCANCEL;
// - F1 sends the application's main window the command ID_HELP;
// - the window system's request to close the window is IDCANCEL.
// Tab and Shift+Tab walk the tab stops in template order (the controls are
// created in that order) and the space bar clicks the focused button; both are
// the controls' own handling. Other keys go to the focused control: typing
// never operates a button.
class DialogManager final : public QObject {
public:
    explicit DialogManager(QWidget& dialog);
    ~DialogManager() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool HandleKey(const QKeyEvent& event);
    void SendCommand(int id);

    QPointer<QWidget> m_dialog;
};
