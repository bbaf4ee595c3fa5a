#include "RepaintLeak.h"

#include "DrawingObjectCount.h"

#include <QWidget>

int DrawingObjectsLeftByRepainting(QWidget& window, int times)
{
    static_cast<void>(window.grab());
    const int before = LiveDrawingObjects();
    for (int paint = 0; paint < times; ++paint)
        window.repaint();
    static_cast<void>(window.grab());
    return LiveDrawingObjects() - before;
}
