"""The close button's three faces: the title band's rows continued to a navy right column,
a white cross, and on hover a framed blue square behind the cross."""

from image import Image, blend, centre, coverage, ease_out, mix, ramp
import palette

WIDTH = 25
HEIGHT = 21
CROSS_SIZE = 9
CROSS_AT = (7, 6)
CROSS_AT_PRESSED = (8, 7)
# The cross's strokes run corner to corner of its box, two pixels wide across the stroke
# (so sqrt(2) either side of the diagonal, measured along a row).
CROSS_HALF_WIDTH = 2 ** 0.5
SQUARE_LEFT, SQUARE_TOP, SQUARE_RIGHT, SQUARE_BOTTOM = 4, 3, 19, 18
HIGHLIGHT_START, HIGHLIGHT_FULL, HIGHLIGHT_END = 4, 15, 19
BOTTOM_END_START, BOTTOM_END_FULL = 20, 23


def background(u, row):
    """The colour behind the cross at 1x column position u (pixel n at n + 0.5) in a row."""
    if u >= WIDTH - 1:
        return palette.NAVY
    colour = palette.TITLE_ROWS[row]
    if row == 1 and HIGHLIGHT_START <= u < HIGHLIGHT_END:
        return mix(colour, palette.CLOSE_HIGHLIGHT,
                   ease_out(ramp(u, HIGHLIGHT_START, HIGHLIGHT_FULL)))
    if row == HEIGHT - 1 and u >= BOTTOM_END_START:
        return mix(colour, palette.CLOSE_BOTTOM_END, ramp(u, BOTTOM_END_START, BOTTOM_END_FULL))
    return colour


def square(u, v):
    """The hover square's colour at a point, or None outside it."""
    if not (SQUARE_LEFT <= u < SQUARE_RIGHT and SQUARE_TOP <= v < SQUARE_BOTTOM):
        return None
    inside = SQUARE_LEFT + 1 <= u < SQUARE_RIGHT - 1 and SQUARE_TOP + 1 <= v < SQUARE_BOTTOM - 1
    if inside:
        down = ramp(v, SQUARE_TOP + 2, SQUARE_BOTTOM - 2)
        return mix(palette.HOVER_FILL_TOP, palette.HOVER_FILL_BOTTOM, down)
    down = ramp(v, SQUARE_TOP + 1, SQUARE_BOTTOM - 1)
    return mix(palette.HOVER_OUTLINE_TOP, palette.HOVER_OUTLINE_BOTTOM, down)


def in_cross(u, v, origin):
    a = u - origin[0]
    b = v - origin[1]
    if not (0 <= a < CROSS_SIZE and 0 <= b < CROSS_SIZE):
        return False
    return abs(a - b) <= CROSS_HALF_WIDTH or abs(a + b - CROSS_SIZE) <= CROSS_HALF_WIDTH


def face(scale, cross_at, with_square):
    image = Image(WIDTH * scale, HEIGHT * scale)
    for y in range(image.height):
        row = y // scale
        v = centre(y, scale)
        for x in range(image.width):
            u = centre(x, scale)
            under = (square(u, v) if with_square else None) or background(u, row)
            near = (cross_at[0] - 1 <= u <= cross_at[0] + CROSS_SIZE + 1
                    and cross_at[1] - 1 <= v <= cross_at[1] + CROSS_SIZE + 1)
            if scale == 1 or not near:
                # At 1x the cross is exact pixels, no softening.
                white = 1.0 if in_cross(u, v, cross_at) else 0.0
            else:
                white = coverage(x, y, scale, lambda p, q: in_cross(p, q, cross_at)).get(True, 0.0)
            image.set(x, y, blend({False: 1.0 - white, True: white},
                                  {False: under, True: palette.WHITE}))
    return image


def hover(scale):
    return face(scale, CROSS_AT, with_square=True)


def normal(scale):
    return face(scale, CROSS_AT, with_square=False)


def pressed(scale):
    return face(scale, CROSS_AT_PRESSED, with_square=False)
