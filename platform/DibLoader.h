#pragma once

#include <QImage>

#include <optional>
#include <span>

// Turns a device-independent bitmap without file header into an image:
// a 40-byte info header, one plane, 24 bits per pixel, no compression, an
// optional colour table (unused at this depth), then the rows bottom-up,
// each padded to a multiple of 4 bytes. Anything else, and any data too
// short for the size it declares, is refused; nothing outside the given
// bytes is ever read.
std::optional<QImage> LoadDib(std::span<const unsigned char> bytes);
