// SPDX-License-Identifier: MIT
#include "image_files.h"

#include <QHash>
#include <QSaveFile>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

namespace {

bool saveBytes(const QByteArray& bytes, const QString& path, QString* error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        *error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

void appendLe16(QByteArray& out, unsigned value) {
    out.append(char(value & 0xff));
    out.append(char((value >> 8) & 0xff));
}

void appendLe32(QByteArray& out, unsigned value) {
    appendLe16(out, value & 0xffff);
    appendLe16(out, value >> 16);
}

} // namespace

bool writeJpeg(const QImage& image, const QString& path, int quality, QString* error) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);

    jpeg_compress_struct cinfo{};
    jpeg_error_mgr jerr{};
    // Compressing into memory leaves libjpeg nothing that can fail at run time except memory,
    // for which its default handler (message, then exit) is as good as any.
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);

    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);

    cinfo.image_width = JDIMENSION(rgb.width());
    cinfo.image_height = JDIMENSION(rgb.height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    for (int c = 0; c < cinfo.num_components; ++c) {
        cinfo.comp_info[c].h_samp_factor = 1;
        cinfo.comp_info[c].v_samp_factor = 1;
    }
    cinfo.dct_method = JDCT_ISLOW;
    cinfo.optimize_coding = TRUE;

    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(int(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);

    const QByteArray bytes(reinterpret_cast<const char*>(buffer), qsizetype(size));
    std::free(buffer);
    return saveBytes(bytes, path, error);
}

bool writeIndexedIco(const QImage& image, const QString& path, QString* error) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    const int width = argb.width();
    const int height = argb.height();
    if (width > 256 || height > 256) {
        *error = QStringLiteral("%1: an icon is at most 256 pixels on a side").arg(path);
        return false;
    }

    // Opaque colours in order of first appearance; transparent pixels point at entry 0 and are
    // masked out, so they need no entry of their own.
    QList<QRgb> palette;
    QHash<QRgb, int> indexOf;
    std::vector<unsigned char> indices(std::size_t(width) * std::size_t(height), 0);
    std::vector<bool> transparent(indices.size(), false);
    for (int y = 0; y < height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            const std::size_t at = std::size_t(y) * std::size_t(width) + std::size_t(x);
            if (qAlpha(line[x]) < 128) {
                transparent[at] = true;
                continue;
            }
            const QRgb opaque = qUnpremultiply(line[x]) | 0xff000000u;
            auto found = indexOf.constFind(opaque);
            if (found == indexOf.constEnd()) {
                if (palette.size() == 256) {
                    *error = QStringLiteral("%1: more than 256 colours").arg(path);
                    return false;
                }
                found = indexOf.insert(opaque, int(palette.size()));
                palette.append(opaque);
            }
            indices[at] = static_cast<unsigned char>(*found);
        }
    }
    while (palette.size() < 256)
        palette.append(0xff000000u);

    const int xorStride = (width + 3) / 4 * 4;
    const int andStride = ((width + 31) / 32) * 4;
    const unsigned bitmapSize = unsigned(40 + 256 * 4 + xorStride * height + andStride * height);

    QByteArray out;
    // ICONDIR
    appendLe16(out, 0);
    appendLe16(out, 1);
    appendLe16(out, 1);
    // ICONDIRENTRY: 256 on a side and 256 colours are both written as 0.
    out.append(char(width & 0xff));
    out.append(char(height & 0xff));
    out.append(char(0));
    out.append(char(0));
    appendLe16(out, 1);
    appendLe16(out, 8);
    appendLe32(out, bitmapSize);
    appendLe32(out, 6 + 16);
    // BITMAPINFOHEADER; the height counts the colour bitmap and the mask together.
    appendLe32(out, 40);
    appendLe32(out, unsigned(width));
    appendLe32(out, unsigned(height * 2));
    appendLe16(out, 1);
    appendLe16(out, 8);
    appendLe32(out, 0);
    appendLe32(out, unsigned(xorStride * height + andStride * height));
    appendLe32(out, 0);
    appendLe32(out, 0);
    appendLe32(out, 256);
    appendLe32(out, 0);
    for (const QRgb colour : palette) {
        out.append(char(qBlue(colour)));
        out.append(char(qGreen(colour)));
        out.append(char(qRed(colour)));
        out.append(char(0));
    }
    // Both bitmaps run bottom-up.
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < xorStride; ++x)
            out.append(x < width
                           ? char(indices[std::size_t(y) * std::size_t(width) + std::size_t(x)])
                           : char(0));
    }
    for (int y = height - 1; y >= 0; --y) {
        QByteArray row(andStride, char(0));
        for (int x = 0; x < width; ++x) {
            if (transparent[std::size_t(y) * std::size_t(width) + std::size_t(x)])
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        }
        out.append(row);
    }
    return saveBytes(out, path, error);
}
