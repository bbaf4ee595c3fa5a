// The skin's two hot paths: one frame piece painted (the title band, the
// largest bitmap, loaded and squeezed to a 316-pixel-wide window) and one key
// face drawn with its caption. Both draw into an image of the format a window
// backing store has.
#include "ButtonControl.h"
#include "CDC.h"
#include "CSkinButton.h"
#include "Controls.h"
#include "PaintSkinBitmap.h"
#include "SkinBitmapIds.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QWidget>

namespace {

void TitleBandStretched(benchmark::State& state)
{
    QImage target(316, 21, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&target);
    CDC dc(painter, QFont());
    for (auto _ : state) {
        PaintSkinBitmap(&dc, IDB_FRAME_TITLE, CRect(3, 0, 316, 21), true);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(TitleBandStretched);

void KeyDrawItem(benchmark::State& state)
{
    QWidget dialog;
    auto* control = new ButtonControl(&dialog);
    SetControlStyle(*control, BS_OWNERDRAW);
    control->setText("sinh");
    control->setGeometry(0, 0, 41, 24);
    CSkinButton button;
    button.SubclassWindow(control);
    button.m_bDrawCaption = TRUE;
    button.LoadSkinBitmaps(false, IDB_KEY_NORMAL, IDB_KEY_PRESSED, IDB_KEY_HOVER, IDB_KEY_NORMAL);

    QImage target(41, 24, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&target);
    CDC dc(painter, control->font());
    DRAWITEMSTRUCT item;
    item.CtlType = ODT_BUTTON;
    item.hwndItem = control;
    item.pDC = &dc;
    item.rcItem = CRect(0, 0, 41, 24);
    for (auto _ : state) {
        button.DrawItem(&item);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(KeyDrawItem);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
