// Picture files of every kind the player may choose, made by the tests from
// a toolkit image: JPEG (baseline and progressive) and PNG by the toolkit's
// writers, interlaced PNG by hand (the toolkit writes none), BMP by hand.
#pragma once
#include "gfx/packed_format.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <algorithm>
#include <cstdint>
#include <string>

inline std::string Written(const QImage& image, const char* format, bool progressive = false)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(95);
    writer.setProgressiveScanWrite(progressive);
    if (!writer.write(image))
        return "";
    return bytes.toStdString();
}

namespace png_detail {

inline void PutBe(std::string& out, uint32_t v)
{
    for (int i = 3; i >= 0; --i)
        out.push_back(char((v >> (8 * i)) & 0xFF));
}

inline std::string Chunk(const char* type, const std::string& data)
{
    std::string out;
    PutBe(out, uint32_t(data.size()));
    const std::string body = std::string(type, 4) + data;
    out += body;
    PutBe(out, packed::Crc32(reinterpret_cast<const uint8_t*>(body.data()), body.size()));
    return out;
}

// A zlib stream of stored (uncompressed) blocks.
inline std::string Stored(const std::string& data)
{
    std::string out = "\x78\x01";
    size_t at = 0;
    do {
        const size_t n = std::min<size_t>(data.size() - at, 65535);
        const bool last = at + n == data.size();
        out.push_back(last ? 1 : 0);
        out.push_back(char(n & 0xFF));
        out.push_back(char(n >> 8));
        out.push_back(char(~n & 0xFF));
        out.push_back(char((~n >> 8) & 0xFF));
        out += data.substr(at, n);
        at += n;
    } while (at < data.size());
    uint32_t a = 1, b = 0;
    for (unsigned char c : data) {
        a = (a + c) % 65521;
        b = (b + a) % 65521;
    }
    PutBe(out, (b << 16) | a);
    return out;
}

}  // namespace png_detail

// An 8-bit RGB PNG in Adam7 interlaced order.
inline std::string InterlacedPng(const QImage& source)
{
    using namespace png_detail;
    const QImage image = source.convertToFormat(QImage::Format_RGB888);
    const int w = image.width(), h = image.height();
    struct Pass {
        int x0, y0, dx, dy;
    };
    const Pass passes[] = {{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4},
                           {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}};
    std::string raw;
    for (const Pass& p : passes) {
        if (p.x0 >= w || p.y0 >= h)
            continue;
        for (int y = p.y0; y < h; y += p.dy) {
            raw.push_back('\0');  // no filter
            for (int x = p.x0; x < w; x += p.dx) {
                const uchar* px = image.constScanLine(y) + 3 * x;
                raw.append(reinterpret_cast<const char*>(px), 3);
            }
        }
    }
    std::string header;
    PutBe(header, uint32_t(w));
    PutBe(header, uint32_t(h));
    header += std::string("\x08\x02\x00\x00\x01", 5);  // 8 bits, RGB, deflate, filter 0, Adam7
    return std::string("\x89PNG\r\n\x1A\n", 8) + Chunk("IHDR", header) + Chunk("IDAT", Stored(raw)) +
           Chunk("IEND", "");
}

// A 24-bit BMP file, rows bottom-up.
inline std::string Bmp24(const QImage& source)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB888);
    const int w = image.width(), h = image.height();
    const int stride = (24 * w + 31) / 32 * 4;
    std::string out(54 + size_t(stride) * h, '\0');
    auto put = [&out](size_t at, uint32_t v, int n) {
        for (int i = 0; i < n; ++i)
            out[at + i] = char((v >> (8 * i)) & 0xFF);
    };
    out[0] = 'B';
    out[1] = 'M';
    put(2, uint32_t(out.size()), 4);
    put(10, 54, 4);
    put(14, 40, 4);
    put(18, uint32_t(w), 4);
    put(22, uint32_t(h), 4);
    put(26, 1, 2);
    put(28, 24, 2);
    put(34, uint32_t(stride * h), 4);
    for (int y = 0; y < h; ++y) {
        const uchar* row = image.constScanLine(h - 1 - y);
        for (int x = 0; x < w; ++x) {
            char* p = &out[54 + size_t(stride) * y + 3 * x];
            p[0] = char(row[3 * x + 2]);
            p[1] = char(row[3 * x + 1]);
            p[2] = char(row[3 * x]);
        }
    }
    return out;
}
