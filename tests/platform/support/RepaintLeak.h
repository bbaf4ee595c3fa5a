#pragma once

class QWidget;

// How many more drawing objects are alive after a shown window has repainted
// itself `times` times than before. A grab before and after makes every
// pending paint run inside the count.
int DrawingObjectsLeftByRepainting(QWidget& window, int times);
