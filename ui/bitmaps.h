// SPDX-License-Identifier: MIT
// Readers for the program's own pictures: uncompressed 24-bit bitmaps and a
// 16-colour icon. Qt's general image reader loads every image-format plug-in
// the first time it reads anything, which costs the start-up a few
// milliseconds for pictures whose format never changes.
#pragma once

#include <QByteArray>
#include <QImage>

namespace tarnwick::ui {

// A BMP with a 40-byte header, 24 bits per pixel, no compression; a null
// image for anything else.
QImage readBitmap(const QByteArray& bytes);

// The first entry of an .ico file when it is a 4-bit (16-colour) bitmap with
// its 1-bit mask, as ARGB32: opaque where the mask shows the pixel, fully
// transparent elsewhere; a null image for anything else.
QImage readIcon(const QByteArray& bytes);

// The bytes of a file, such as a resource; empty when it cannot be read.
QByteArray fileBytes(const QString& path);

} // namespace tarnwick::ui
