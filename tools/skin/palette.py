"""The skin's fixed colours, as (r, g, b)."""

NAVY = (30, 62, 147)
BACKGROUND = (204, 235, 255)  # the dialog's light blue
WHITE = (255, 255, 255)

# The title band, one colour per row from the top: navy outline, a pale highlight,
# then mid blue lightening towards the bottom, and a darker last row.
TITLE_ROWS = [
    NAVY, (153, 213, 246), (29, 127, 218), (21, 119, 211), (21, 119, 211), (23, 121, 212),
    (25, 123, 213), (28, 125, 215), (32, 128, 217), (36, 131, 219), (42, 135, 222),
    (48, 141, 225), (56, 147, 228), (63, 152, 231), (70, 157, 234), (78, 163, 237),
    (85, 169, 241), (91, 173, 242), (98, 179, 245), (104, 182, 247), (79, 147, 213),
]

# The cyan bevel down the middle column of the title's left end, by row from row 1.
TITLE_LEFT_BEVEL = [
    (164, 218, 248), *[(43, 195, 237)] * 7, (65, 200, 241), (65, 200, 241), (79, 203, 242),
    (95, 205, 241), (107, 206, 245), (114, 210, 246), (128, 215, 249), (138, 215, 249),
    (147, 220, 252), (164, 218, 248), (170, 220, 250), (170, 220, 250),
]

# Where the right column of the title's left end leaves the title band's colour:
# the bevel's glow spills into it.
TITLE_LEFT_INNER = {1: (164, 218, 248), 2: (102, 199, 241), 19: (116, 194, 249),
                    20: (90, 170, 229)}

# The close button's lighter highlight along row 1 and its lightened bottom-right end.
CLOSE_HIGHLIGHT = (164, 218, 248)
CLOSE_BOTTOM_END = (170, 220, 250)

BOTTOM_ROWS = [BACKGROUND, BACKGROUND, (67, 155, 237), (107, 206, 245), NAVY]
LEFT_COLUMNS = [NAVY, (170, 225, 255), (56, 146, 220)]
RIGHT_COLUMNS = [(81, 171, 240), (170, 225, 255), NAVY]

# The bottom corners, pixel by pixel, rows from the top.
BOTTOM_LEFT = [
    [NAVY, (114, 210, 246), (82, 180, 242), (160, 211, 249), (210, 237, 255)],
    [NAVY, (114, 210, 246), (37, 155, 227), (23, 138, 220), (154, 207, 249)],
    [NAVY, (114, 210, 246), (102, 199, 241), (56, 164, 232), (79, 176, 242)],
    [NAVY] + [(114, 210, 246)] * 4,
    [NAVY] * 5,
]
BOTTOM_RIGHT = [
    [(209, 238, 255), (160, 211, 249), (82, 180, 242), (123, 215, 248), NAVY],
    [(154, 207, 249), (23, 138, 220), (56, 164, 232), (153, 213, 246), NAVY],
    [(79, 176, 242), (37, 155, 227), (102, 199, 241), (153, 213, 246), NAVY],
    [(114, 210, 246), (65, 200, 241), (65, 200, 241), (153, 213, 246), NAVY],
    [NAVY] * 5,
]

# The hover square behind the close cross: outline and fill, top and bottom.
HOVER_OUTLINE_TOP = (13, 114, 185)
HOVER_OUTLINE_BOTTOM = (47, 132, 197)
HOVER_FILL_TOP = (48, 146, 238)
HOVER_FILL_BOTTOM = (112, 196, 255)

KEY_OUTLINE = (0, 60, 116)
# The normal key's beige outer corners, lighter at the top like the face.
KEY_NORMAL_CORNER_TOP = (242, 241, 230)
KEY_NORMAL_CORNER_BOTTOM = (233, 229, 213)
# The normal key's fill by row, rows 1 to 19: near-white fading to a warm grey at the foot.
KEY_NORMAL_ROWS = [
    (255, 255, 255), (254, 254, 254), (252, 252, 251), (250, 250, 249), (248, 248, 246),
    (246, 246, 243), (246, 246, 242), (245, 245, 241), (244, 244, 240), (243, 243, 239),
    (243, 243, 239), (243, 243, 239), (241, 241, 237), (241, 241, 236), (240, 240, 235),
    (240, 240, 234), (236, 235, 230), (226, 223, 214), (214, 208, 197),
]
KEY_PRESSED_FILL = (126, 138, 246)
KEY_HOVER_FILL = (214, 208, 197)
KEY_HOVER_GRAIN = (214, 209, 198)
KEY_HOVER_RIGHT = (220, 215, 205)
KEY_HOVER_ROW_18 = (225, 221, 213)
