#pragma once

// Drawing objects (bitmaps, fonts, drawing contexts) each hold one of these
// while they hold their resource, so a test can show that a sequence of
// drawing leaves the count where it was.
class DrawingObjectToken {
public:
    DrawingObjectToken();
    ~DrawingObjectToken();
    DrawingObjectToken(const DrawingObjectToken&) = delete;
    DrawingObjectToken& operator=(const DrawingObjectToken&) = delete;
};

int LiveDrawingObjects();
