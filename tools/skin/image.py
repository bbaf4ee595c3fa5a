"""An RGB image in memory and the colour arithmetic the skin is drawn with."""


class Image:
    """Width x height pixels, each an (r, g, b) tuple of 0..255, row 0 at the top."""

    def __init__(self, width, height, colour=(0, 0, 0)):
        self.width = width
        self.height = height
        self.rows = [[tuple(colour)] * width for _ in range(height)]

    def get(self, x, y):
        return self.rows[y][x]

    def set(self, x, y, colour):
        self.rows[y][x] = quantise(colour)


def quantise(colour):
    # Rounds half up, so the files come out the same on every run and machine.
    return tuple(min(255, max(0, int(channel + 0.5))) for channel in colour)


def clamp(value, low=0.0, high=1.0):
    return min(high, max(low, value))


def mix(first, second, amount):
    """The colour `amount` of the way from `first` to `second` (0 gives `first`)."""
    return tuple(a + (b - a) * amount for a, b in zip(first, second))


def ease_in(amount):
    return amount * amount


def ease_out(amount):
    return 1.0 - (1.0 - amount) * (1.0 - amount)


def ramp(position, start, end):
    """0 before start, 1 from end on, linear between (1x units). A colour stated for the
    pixels on either side of a ramp thus fills those pixels wholly at any scale."""
    return clamp((position - start) / (end - start))


def centre(pixel, scale):
    """A pixel's centre in 1x units, so that at scale 1 pixel n sits at n + 0.5."""
    return (pixel + 0.5) / scale


def coverage(x, y, scale, region_of, grid=16):
    """How much of pixel (x, y) falls in each region: region_of(u, v) names the region of a
    point in 1x units; the result maps each region met to its share of the pixel."""
    shares = {}
    step = 1.0 / (grid * grid)
    for j in range(grid):
        v = (y + (j + 0.5) / grid) / scale
        for i in range(grid):
            region = region_of((x + (i + 0.5) / grid) / scale, v)
            shares[region] = shares.get(region, 0.0) + step
    return shares


def blend(shares, colours):
    """Mixes colours[region] by the regions' shares of a pixel."""
    result = [0.0, 0.0, 0.0]
    for region, share in sorted(shares.items()):
        for channel in range(3):
            result[channel] += colours[region][channel] * share
    return tuple(result)
