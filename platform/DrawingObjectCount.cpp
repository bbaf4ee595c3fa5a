#include "DrawingObjectCount.h"

namespace {

int liveCount = 0;

} // namespace

DrawingObjectToken::DrawingObjectToken()
{
    ++liveCount;
}

DrawingObjectToken::~DrawingObjectToken()
{
    --liveCount;
}

int LiveDrawingObjects()
{
    return liveCount;
}
