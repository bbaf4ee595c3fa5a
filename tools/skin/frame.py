"""The seven pieces of the window frame: title band and its left end, side edges, bottom
edge and its corners. Colours given row by row or column by column repeat at 2x; the
shaded ends are smooth at any scale."""

from image import Image, centre, ease_in, ease_out, mix, ramp
import close
import palette

TITLE_SOFT_COLUMNS = 19
BOTTOM_SOFT_COLUMNS = 16
LEFT_SOFT_ROWS = 19
RIGHT_SOFT_ROWS_TOP = 8
RIGHT_SOFT_ROWS_BOTTOM = 32


def title(scale):
    # The left end's bevel glow fades out over the first columns, so the band joins
    # its left end without a seam.
    image = Image(794 * scale, 21 * scale)
    for y in range(image.height):
        row = y // scale
        colour = palette.TITLE_ROWS[row]
        inner = palette.TITLE_LEFT_INNER.get(row)
        for x in range(image.width):
            u = centre(x, scale)
            if inner and u < TITLE_SOFT_COLUMNS:
                image.set(x, y, mix(inner, colour, ease_out(ramp(u, 0, TITLE_SOFT_COLUMNS))))
            else:
                image.set(x, y, colour)
    return image


def title_left(scale):
    image = Image(3 * scale, 21 * scale)
    for y in range(image.height):
        row = y // scale
        if row == 0:
            columns = [palette.NAVY] * 3
        else:
            inner = palette.TITLE_LEFT_INNER.get(row, palette.TITLE_ROWS[row])
            columns = [palette.NAVY, palette.TITLE_LEFT_BEVEL[row - 1], inner]
        for x in range(image.width):
            image.set(x, y, columns[x // scale])
    return image


def bottom(scale):
    # Each end takes on the neighbouring corner's column and eases into the bands.
    left_end = [row[4] for row in palette.BOTTOM_LEFT]
    right_end = [row[0] for row in palette.BOTTOM_RIGHT]
    width = 811
    image = Image(width * scale, 5 * scale)
    for y in range(image.height):
        row = y // scale
        band = palette.BOTTOM_ROWS[row]
        for x in range(image.width):
            u = centre(x, scale)
            if u < BOTTOM_SOFT_COLUMNS:
                colour = mix(left_end[row], band, ease_out(ramp(u, 0, BOTTOM_SOFT_COLUMNS)))
            else:
                colour = mix(right_end[row], band, ease_out(ramp(u, width, width - BOTTOM_SOFT_COLUMNS)))
            image.set(x, y, colour)
    return image


def left(scale):
    # The foot shades into the top row of the bottom-left corner.
    corner = palette.BOTTOM_LEFT[0][:3]
    height = 401
    image = Image(3 * scale, height * scale)
    for y in range(image.height):
        amount = ease_in(ramp(centre(y, scale), height - LEFT_SOFT_ROWS, height))
        for x in range(image.width):
            column = x // scale
            image.set(x, y, mix(palette.LEFT_COLUMNS[column], corner[column], amount))
    return image


def right(scale):
    # The head continues the close button's lightened bottom row; the foot shades
    # into the top row of the bottom-right corner.
    head = [close.background(close.WIDTH - 3 + column + 0.5, close.HEIGHT - 1)
            for column in range(3)]
    foot = palette.BOTTOM_RIGHT[0][2:]
    height = 412
    image = Image(3 * scale, height * scale)
    for y in range(image.height):
        v = centre(y, scale)
        towards_head = ease_in(ramp(v, RIGHT_SOFT_ROWS_TOP, 0))
        towards_foot = ease_in(ramp(v, height - RIGHT_SOFT_ROWS_BOTTOM, height))
        for x in range(image.width):
            column = x // scale
            colour = palette.RIGHT_COLUMNS[column]
            colour = mix(colour, head[column], towards_head)
            colour = mix(colour, foot[column], towards_foot)
            image.set(x, y, colour)
    return image


def corner(pixels, scale):
    image = Image(5 * scale, 5 * scale)
    for y in range(image.height):
        for x in range(image.width):
            image.set(x, y, pixels[y // scale][x // scale])
    return image


def bottom_left(scale):
    return corner(palette.BOTTOM_LEFT, scale)


def bottom_right(scale):
    return corner(palette.BOTTOM_RIGHT, scale)
