#pragma once

#include <QByteArray>
#include <QImage>

// Encodes an opaque picture as a GIF89a file: its colours are reduced to at most 256 by
// median cut (no dithering, so flat areas stay flat) and the pixels are LZW-compressed.
// The same picture always gives the same bytes.
QByteArray encodeGif(const QImage &image);

// The picture as the GIF shows it: every pixel replaced by its palette colour.
QImage quantisedForGif(const QImage &image);
