"""The three key faces: a rounded key with a dark-blue outline, near-white at rest, warm
grey under the pointer and blue-violet while pressed."""

from image import Image, blend, centre, coverage, ease_in, ramp
import palette

WIDTH = 48
HEIGHT = 21
# The outline's outer radius is large enough that the outermost corner pixel lies wholly
# outside the key, so it keeps the corner colour exactly; the rounding spreads over
# the next two to three pixels.
OUTER_RADIUS = 3.5
OUTLINE = 1.0
# The normal face darkens slightly over its last columns, as if lit from the left.
DARKEN_FROM = 42.0
DARKEN_DEPTH = 0.05
HOVER_RIGHT_COLUMN = WIDTH - 2
HOVER_LIGHT_ROW = 18


def in_rounded(u, v, left, top, right, bottom, radius):
    nearest_u = min(max(u, left + radius), right - radius)
    nearest_v = min(max(v, top + radius), bottom - radius)
    return (u - nearest_u) ** 2 + (v - nearest_v) ** 2 <= radius * radius


def region(u, v):
    if not in_rounded(u, v, 0, 0, WIDTH, HEIGHT, OUTER_RADIUS):
        return "corner"
    if not in_rounded(u, v, OUTLINE, OUTLINE, WIDTH - OUTLINE, HEIGHT - OUTLINE,
                      OUTER_RADIUS - OUTLINE):
        return "outline"
    return "fill"


def near_corner(u, v):
    reach = OUTER_RADIUS + 0.5
    return (u < reach or u > WIDTH - reach) and (v < reach or v > HEIGHT - reach)


def face(scale, fill_at, corner_at):
    """fill_at(x, y, scale) and corner_at(v) give the colours inside and outside the outline."""
    image = Image(WIDTH * scale, HEIGHT * scale)
    for y in range(image.height):
        v = centre(y, scale)
        for x in range(image.width):
            u = centre(x, scale)
            if near_corner(u, v):
                shares = coverage(x, y, scale, region)
            else:
                shares = {region(u, v): 1.0}
            colours = {"corner": corner_at(v), "outline": palette.KEY_OUTLINE,
                       "fill": fill_at(x, y, scale)}
            image.set(x, y, blend(shares, colours))
    return image


def normal_fill(x, y, scale):
    row = min(max(y // scale, 1), HEIGHT - 2)
    colour = palette.KEY_NORMAL_ROWS[row - 1]
    shade = DARKEN_DEPTH * ease_in(ramp(centre(x, scale), DARKEN_FROM, WIDTH - 1))
    return tuple(channel * (1.0 - shade) for channel in colour)


def normal_corner(v):
    return palette.KEY_NORMAL_CORNER_TOP if v < HEIGHT / 2 else palette.KEY_NORMAL_CORNER_BOTTOM


def hover_fill(x, y, scale):
    if y // scale == HOVER_LIGHT_ROW:
        return palette.KEY_HOVER_ROW_18
    if x // scale == HOVER_RIGHT_COLUMN:
        return palette.KEY_HOVER_RIGHT
    # A fixed grain: every third pixel along each row, shifted by two each row.
    return palette.KEY_HOVER_GRAIN if (x + 2 * y) % 3 == 0 else palette.KEY_HOVER_FILL


def normal(scale):
    return face(scale, normal_fill, normal_corner)


def pressed(scale):
    return face(scale, lambda x, y, s: palette.KEY_PRESSED_FILL, lambda v: palette.BACKGROUND)


def hover(scale):
    return face(scale, hover_fill, lambda v: palette.BACKGROUND)
