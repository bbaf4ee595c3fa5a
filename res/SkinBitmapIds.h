#pragma once

// Resource ids of the skin bitmaps, as the program's resources number them.
enum SkinBitmapId : unsigned {
    IDB_CLOSE_HOVER = 376,
    IDB_CLOSE_NORMAL = 377,
    IDB_CLOSE_PRESSED = 378,
    IDB_FRAME_BOTTOMLEFT = 379,
    IDB_FRAME_BOTTOM = 380,
    IDB_FRAME_BOTTOMRIGHT = 381,
    IDB_FRAME_TITLE = 382,
    IDB_FRAME_LEFT = 383,
    IDB_FRAME_RIGHT = 384,
    IDB_FRAME_TITLELEFT = 385,
    IDB_KEY_NORMAL = 386,
    IDB_KEY_PRESSED = 387,
    IDB_KEY_HOVER = 388,
};
