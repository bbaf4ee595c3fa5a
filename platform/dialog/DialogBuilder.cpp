#include "DialogBuilder.h"

#include "ButtonControl.h"
#include "Controls.h"
#include "DialogColors.h"
#include "DialogStyles.h"
#include "DialogUnits.h"
#include "EditControl.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPalette>
#include <QRadioButton>

#include <algorithm>
#include <array>

namespace {

inline constexpr DWORD WS_CAPTION = 0x00C00000;

QColor ToQColor(COLORREF colour)
{
    return QColor(GetRValue(colour), GetGValue(colour), GetBValue(colour));
}

QRect PixelRect(const DialogControlTemplate& item)
{
    using namespace DialogUnits;
    return QRect(ToPixelsX(item.x), ToPixelsY(item.y), ToPixelsX(item.width), ToPixelsY(item.height));
}

void NotifyOnClick(QAbstractButton& button)
{
    QObject::connect(&button, &QAbstractButton::clicked, &button, [&button] { SendNotification(button, BN_CLICKED); });
}

// Radio buttons, check boxes and group boxes are buttons by class; the style
// picks which. Every other kind is a push button.
QWidget* CreateButton(QWidget& dialog, const QString& caption, DWORD style)
{
    switch (style & BS_TYPEMASK) {
    case BS_AUTORADIOBUTTON: {
        auto* radio = new QRadioButton(caption, &dialog);
        NotifyOnClick(*radio);
        return radio;
    }
    case BS_AUTOCHECKBOX: {
        auto* box = new QCheckBox(caption, &dialog);
        NotifyOnClick(*box);
        return box;
    }
    case BS_GROUPBOX: {
        auto* group = new QGroupBox(caption, &dialog);
        group->setFocusPolicy(Qt::NoFocus);
        // A group box is a frame drawn on the dialog: presses go through to it.
        group->setAttribute(Qt::WA_TransparentForMouseEvents);
        return group;
    }
    default: {
        auto* button = new ButtonControl(&dialog);
        button->setText(caption);
        return button;
    }
    }
}

QWidget* CreateStatic(QWidget& dialog, const QString& caption, DWORD style)
{
    auto* label = new QLabel(caption, &dialog);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    switch (style & SS_TYPEMASK) {
    case SS_RIGHT:
        label->setAlignment(Qt::AlignRight | Qt::AlignTop);
        break;
    case SS_CENTER:
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        break;
    default:
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        break;
    }
    label->setFocusPolicy(Qt::NoFocus);
    // Static texts let the mouse through to the dialog, which can then be dragged by them.
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

QWidget* CreateControl(QWidget& dialog, const DialogControlTemplate& item)
{
    const QString caption = QString::fromUtf8(item.caption);
    switch (item.controlClass) {
    case DialogControlClass::Button:
        return CreateButton(dialog, caption, item.style);
    case DialogControlClass::Edit:
        return new EditControl(&dialog, item.style);
    case DialogControlClass::Static:
        return CreateStatic(dialog, caption, item.style);
    }
    return nullptr;
}

// Screen readers name a control by the template's words for it, else by its
// caption; an edit field has none and is named by the static text just before
// it, its label.
void ApplyAccessibility(QWidget& control, const DialogTemplate& dialogTemplate, std::size_t index)
{
    const DialogControlTemplate& item = dialogTemplate.controls[index];
    const auto entry = std::ranges::find(dialogTemplate.accessibility, item.id, &DialogControlAccessibility::id);
    if (entry != dialogTemplate.accessibility.end()) {
        control.setAccessibleName(QString::fromUtf8(entry->name));
        if (entry->description != nullptr)
            control.setAccessibleDescription(QString::fromUtf8(entry->description));
        return;
    }
    const DialogControlTemplate* label = index > 0 ? &dialogTemplate.controls[index - 1] : nullptr;
    if (item.controlClass == DialogControlClass::Edit && label != nullptr &&
        label->controlClass == DialogControlClass::Static)
        control.setAccessibleName(QString::fromUtf8(label->caption));
    else
        control.setAccessibleName(QString::fromUtf8(item.caption));
}

void ApplyStyle(QWidget& control, DWORD style)
{
    if (control.focusPolicy() != Qt::NoFocus)
        control.setFocusPolicy((style & WS_TABSTOP) ? Qt::StrongFocus : Qt::ClickFocus);
    control.setEnabled((style & WS_DISABLED) == 0);
    if ((style & WS_VISIBLE) == 0)
        control.hide();
}

void ApplyDialogColors(QWidget& window)
{
    const std::optional<DialogColors> colors = ApplicationDialogColors();
    if (!colors)
        return;
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, ToQColor(colors->background));
    palette.setColor(QPalette::WindowText, ToQColor(colors->text));
    window.setPalette(palette);
}

Qt::WindowFlags WindowFlagsOf(DWORD style)
{
    if ((style & WS_CAPTION) == WS_CAPTION)
        return Qt::Dialog;
    return Qt::Dialog | Qt::FramelessWindowHint;
}

} // namespace

QFont DialogFont(const DialogTemplate& dialogTemplate)
{
    const QString face = QString::fromUtf8(dialogTemplate.fontFace);
    int points = dialogTemplate.fontPointSize;
    if (face == u"MS Sans Serif") {
        static constexpr std::array<int, 6> kBitmapSizes = {8, 10, 12, 14, 18, 24};
        const auto larger = std::upper_bound(kBitmapSizes.begin(), kBitmapSizes.end(), points);
        points = larger == kBitmapSizes.begin() ? kBitmapSizes.front() : *(larger - 1);
    }
    QFont font(face);
    font.setPixelSize(DialogUnits::MulDiv(points, 96, 72));
    return font;
}

DialogWindow BuildDialogWindow(const DialogTemplate& dialogTemplate)
{
    using namespace DialogUnits;
    DialogWindow dialog;
    dialog.window = std::make_unique<QWidget>(nullptr, WindowFlagsOf(dialogTemplate.style));
    QWidget& window = *dialog.window;
    window.setFont(DialogFont(dialogTemplate));
    window.setFixedSize(ToPixelsX(dialogTemplate.width), ToPixelsY(dialogTemplate.height));
    window.move(ToPixelsX(dialogTemplate.x), ToPixelsY(dialogTemplate.y));
    ApplyDialogColors(window);

    const std::span<const DialogControlTemplate> items = dialogTemplate.controls;
    // Creation order is Qt's focus chain, so Tab follows the template.
    for (std::size_t index = 0; index < items.size(); ++index) {
        QWidget* control = CreateControl(window, items[index]);
        SetControlId(*control, items[index].id);
        SetControlStyle(*control, items[index].style);
        control->setGeometry(PixelRect(items[index]));
        ApplyAccessibility(*control, dialogTemplate, index);
        ApplyStyle(*control, items[index].style);
        dialog.controls.push_back(control);
    }
    // Each lowered control goes beneath those before it: the first ends on top.
    for (QWidget* control : dialog.controls)
        control->lower();
    return dialog;
}
