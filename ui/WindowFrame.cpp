#include "WindowFrame.h"

#include "CFont.h"
#include "PaintSkinBitmap.h"
#include "SkinBitmapIds.h"

#include <array>

namespace {

// An edge of a frame piece: a distance from the client area's left or top
// edge, or back from its right or bottom edge.
struct FrameEdge {
    bool fromFar;
    int distance;

    constexpr int Resolve(int extent) const { return fromFar ? extent - distance : distance; }
};
constexpr FrameEdge Near(int distance) { return {false, distance}; }
constexpr FrameEdge Far(int distance) { return {true, distance}; }

struct FramePiece {
    UINT bitmapId;
    FrameEdge left;
    FrameEdge top;
    FrameEdge right;
    FrameEdge bottom;
};

// In painting order.
constexpr std::array<FramePiece, 7> kFramePieces{{
    {IDB_FRAME_TITLELEFT, Near(0), Near(0), Near(3), Near(21)},
    {IDB_FRAME_TITLE, Near(3), Near(0), Far(25), Near(21)},
    {IDB_FRAME_BOTTOMLEFT, Near(0), Far(5), Near(5), Far(0)},
    {IDB_FRAME_BOTTOM, Near(5), Far(5), Far(5), Far(0)},
    {IDB_FRAME_BOTTOMRIGHT, Far(5), Far(5), Far(0), Far(0)},
    {IDB_FRAME_LEFT, Near(0), Near(21), Near(3), Far(5)},
    {IDB_FRAME_RIGHT, Far(3), Near(21), Far(0), Far(5)},
}};

constexpr int kCaptionHeight = 13;
constexpr BYTE kAnsiCharset = 0;

} // namespace

void PaintWindowFrame(CDC& dc, const CRect& client)
{
    const int width = client.right;
    const int height = client.bottom;
    for (const FramePiece& piece : kFramePieces) {
        const CRect target(piece.left.Resolve(width), piece.top.Resolve(height), piece.right.Resolve(width),
                           piece.bottom.Resolve(height));
        PaintSkinBitmap(&dc, piece.bitmapId, target, true);
    }
}

void PaintWindowCaption(CDC& dc, const CString& text)
{
    CFont font;
    font.CreateFont(kCaptionHeight, 0, 0, 0, FW_BOLD, 0, 0, 0, kAnsiCharset, 0, 0, 0, FF_SWISS, u"Verdana");
    CFont* previous = dc.SelectObject(&font);
    if (previous == nullptr)
        return;
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(255, 255, 255));
    dc.TextOut(10, 5, text);
    dc.SelectObject(previous);
    font.DeleteObject();
}
