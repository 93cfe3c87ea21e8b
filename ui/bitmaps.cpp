// SPDX-License-Identifier: MIT
#include "ui/bitmaps.h"

#include <QFile>
#include <QtEndian>

namespace tarnwick::ui {
namespace {

struct Reader {
    const QByteArray& bytes;

    bool has(qsizetype at, qsizetype size) const {
        return at >= 0 && size >= 0 && at <= bytes.size() && size <= bytes.size() - at;
    }
    quint32 u32(qsizetype at) const { return qFromLittleEndian<quint32>(bytes.constData() + at); }
    quint16 u16(qsizetype at) const { return qFromLittleEndian<quint16>(bytes.constData() + at); }
    uchar byte(qsizetype at) const { return static_cast<uchar>(bytes.at(at)); }
};

// A row of a bitmap is padded to a multiple of four bytes.
qsizetype rowBytes(qsizetype width, int bitsPerPixel) {
    return (width * bitsPerPixel + 31) / 32 * 4;
}

constexpr qsizetype infoHeaderBytes = 40;

bool sensibleSize(qint32 width, qint32 height) {
    constexpr qint32 largestSide = 4096;
    return width > 0 && height > 0 && width <= largestSide && height <= largestSide;
}

} // namespace

QImage readBitmap(const QByteArray& bytes) {
    const Reader r{bytes};
    if (!r.has(0, 14 + infoHeaderBytes) || bytes.left(2) != "BM" || r.u32(14) != infoHeaderBytes)
        return {};
    const auto width = static_cast<qint32>(r.u32(18));
    const auto height = static_cast<qint32>(r.u32(22));
    if (!sensibleSize(width, height) || r.u16(26) != 1 || r.u16(28) != 24 || r.u32(30) != 0)
        return {};
    const qsizetype offset = r.u32(10);
    const qsizetype stride = rowBytes(width, 24);
    if (!r.has(offset, stride * height))
        return {};
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        // Rows are stored bottom-up, each pixel blue, green, red.
        const qsizetype row = offset + stride * (height - 1 - y);
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const qsizetype at = row + 3 * x;
            line[x] = qRgb(r.byte(at + 2), r.byte(at + 1), r.byte(at));
        }
    }
    return image;
}

QImage readIcon(const QByteArray& bytes) {
    const Reader r{bytes};
    if (!r.has(0, 6 + 16) || r.u16(0) != 0 || r.u16(2) != 1 || r.u16(4) < 1)
        return {};
    const qsizetype offset = r.u32(6 + 12);
    if (!r.has(offset, infoHeaderBytes) || r.u32(offset) != infoHeaderBytes)
        return {};
    const auto width = static_cast<qint32>(r.u32(offset + 4));
    const auto height = static_cast<qint32>(r.u32(offset + 8)) / 2; // the picture and its mask
    if (!sensibleSize(width, height) || r.u16(offset + 14) != 4 || r.u32(offset + 16) != 0)
        return {};
    const qsizetype palette = offset + infoHeaderBytes;
    const qsizetype pixels = palette + 16 * 4;
    const qsizetype stride = rowBytes(width, 4);
    const qsizetype mask = pixels + stride * height;
    const qsizetype maskStride = rowBytes(width, 1);
    if (!r.has(mask, maskStride * height))
        return {};
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        const qsizetype row = pixels + stride * (height - 1 - y);
        const qsizetype maskRow = mask + maskStride * (height - 1 - y);
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const bool hidden = (r.byte(maskRow + x / 8) >> (7 - x % 8) & 1) != 0;
            const int index = r.byte(row + x / 2) >> (x % 2 == 0 ? 4 : 0) & 0x0F;
            const qsizetype entry = palette + 4 * index;
            line[x] = hidden ? qRgba(0, 0, 0, 0)
                             : qRgb(r.byte(entry + 2), r.byte(entry + 1), r.byte(entry));
        }
    }
    return image;
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace tarnwick::ui
