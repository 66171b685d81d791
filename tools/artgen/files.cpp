#include "files.h"

#include <zlib.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <stdexcept>

namespace {
using Bytes = std::vector<std::uint8_t>;

void put16(Bytes& out, unsigned v)
{
    out.push_back(std::uint8_t(v));
    out.push_back(std::uint8_t(v >> 8));
}

void put32(Bytes& out, std::uint32_t v)
{
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

void putBig32(Bytes& out, std::uint32_t v)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(std::uint8_t(v >> shift));
}

void putText(Bytes& out, const char* text)
{
    while (*text)
        out.push_back(std::uint8_t(*text++));
}

void save(const std::string& path, const Bytes& bytes)
{
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!file)
        throw std::runtime_error("cannot write " + path);
}

void putInfoHeader(Bytes& out, int width, int height, int bits, std::uint32_t compression, std::uint32_t imageSize,
                   std::uint32_t colours)
{
    put32(out, 40);
    put32(out, std::uint32_t(width));
    put32(out, std::uint32_t(height));
    put16(out, 1);
    put16(out, unsigned(bits));
    put32(out, compression);
    put32(out, imageSize);
    put32(out, 2835);
    put32(out, 2835);
    put32(out, colours);
    put32(out, 0);
}

std::uint8_t byteOf(float v) { return std::uint8_t(std::clamp(std::lround(v), 0L, 255L)); }

// One row in RLE8: runs of two or more equal indexes as (count, index), the
// pixels between them as absolute runs (0, count, indexes, padded to a word)
// or, below three, as runs of one; then the end of the line.
void putRleRow(Bytes& out, const std::uint8_t* row, int width)
{
    int x = 0;
    while (x < width) {
        int run = 1;
        while (x + run < width && run < 255 && row[x + run] == row[x])
            ++run;
        if (run >= 2) {
            out.insert(out.end(), {std::uint8_t(run), row[x]});
            x += run;
            continue;
        }
        int literal = 1;
        while (x + literal < width && literal < 255 &&
               !(x + literal + 1 < width && row[x + literal] == row[x + literal + 1]))
            ++literal;
        if (literal < 3) {
            for (int k = 0; k < literal; ++k)
                out.insert(out.end(), {std::uint8_t(1), row[x + k]});
        } else {
            out.insert(out.end(), {std::uint8_t(0), std::uint8_t(literal)});
            out.insert(out.end(), row + x, row + x + literal);
            if (literal % 2)
                out.push_back(0);
        }
        x += literal;
    }
    out.insert(out.end(), {std::uint8_t(0), std::uint8_t(0)});
}
}

std::string scaledName(const std::string& file, int scale)
{
    if (scale == 1)
        return file;
    const std::size_t dot = file.rfind('.');
    return file.substr(0, dot) + "-" + std::to_string(scale) + "x" + file.substr(dot);
}

void writeBmp(const std::string& path, const Indexed& picture, int bitsPerPixel, bool runLength)
{
    const std::uint32_t colours = 1u << bitsPerPixel;
    if (picture.palette.size() > colours)
        throw std::runtime_error("too many colours for " + path);
    if (runLength && bitsPerPixel != 8)
        throw std::runtime_error("run-length coding is written at 8 bits only: " + path);
    const std::uint32_t stride = (std::uint32_t(picture.width) * bitsPerPixel + 31) / 32 * 4;
    Bytes pixels;
    for (int y = picture.height - 1; y >= 0; --y) {
        const std::uint8_t* indexes = &picture.index[std::size_t(y) * std::size_t(picture.width)];
        if (runLength) {
            putRleRow(pixels, indexes, picture.width);
            continue;
        }
        Bytes row(stride, 0);
        for (int x = 0; x < picture.width; ++x) {
            if (bitsPerPixel == 8)
                row[std::size_t(x)] = indexes[x];
            else
                row[std::size_t(x / 2)] |= std::uint8_t(x % 2 == 0 ? indexes[x] << 4 : indexes[x]);
        }
        pixels.insert(pixels.end(), row.begin(), row.end());
    }
    if (runLength)
        pixels.insert(pixels.end(), {std::uint8_t(0), std::uint8_t(1)});
    const auto imageSize = std::uint32_t(pixels.size());
    const std::uint32_t offset = 14 + 40 + 4 * colours;

    Bytes out;
    putText(out, "BM");
    put32(out, offset + imageSize);
    put32(out, 0);
    put32(out, offset);
    putInfoHeader(out, picture.width, picture.height, bitsPerPixel, runLength ? 1 : 0, imageSize, colours);
    for (std::uint32_t i = 0; i < colours; ++i) {
        Colour8 c = i < picture.palette.size() ? picture.palette[i] : Colour8{0, 0, 0};
        out.insert(out.end(), {c.b, c.g, c.r, 0});
    }
    out.insert(out.end(), pixels.begin(), pixels.end());
    save(path, out);
}

void writeIcon(const std::string& path, const std::vector<Image>& images)
{
    Bytes header, data;
    put16(header, 0);
    put16(header, 1);
    put16(header, unsigned(images.size()));
    std::uint32_t offset = 6 + 16 * std::uint32_t(images.size());
    for (const Image& image : images) {
        const int w = image.width(), h = image.height();
        const std::uint32_t maskStride = (std::uint32_t(w) + 31) / 32 * 4;
        Bytes entry;
        putInfoHeader(entry, w, 2 * h, 32, 0, std::uint32_t(4 * w * h) + maskStride * h, 0);
        Bytes mask;
        for (int y = h - 1; y >= 0; --y) {
            Bytes maskRow(maskStride, 0);
            for (int x = 0; x < w; ++x) {
                const Rgba& p = image.at(x, y);
                entry.insert(entry.end(), {byteOf(p.b), byteOf(p.g), byteOf(p.r), byteOf(p.a * 255)});
                if (p.a < 0.5f)
                    maskRow[std::size_t(x / 8)] |= std::uint8_t(0x80 >> (x % 8));
            }
            mask.insert(mask.end(), maskRow.begin(), maskRow.end());
        }
        entry.insert(entry.end(), mask.begin(), mask.end());
        header.insert(header.end(), {std::uint8_t(w), std::uint8_t(h), 0, 0});
        put16(header, 1);
        put16(header, 32);
        put32(header, std::uint32_t(entry.size()));
        put32(header, offset);
        offset += std::uint32_t(entry.size());
        data.insert(data.end(), entry.begin(), entry.end());
    }
    header.insert(header.end(), data.begin(), data.end());
    save(path, header);
}

void writePng(const std::string& path, const Image& image)
{
    Bytes raw;
    for (int y = 0; y < image.height(); ++y) {
        raw.push_back(0);
        for (int x = 0; x < image.width(); ++x) {
            Colour8 c = toColour8(image.at(x, y));
            raw.insert(raw.end(), {c.r, c.g, c.b});
        }
    }
    uLongf packedSize = compressBound(uLong(raw.size()));
    Bytes packed(packedSize);
    if (compress2(packed.data(), &packedSize, raw.data(), uLong(raw.size()), 9) != Z_OK)
        throw std::runtime_error("cannot compress " + path);
    packed.resize(packedSize);

    Bytes out{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    auto chunk = [&out](const char* type, const Bytes& body) {
        putBig32(out, std::uint32_t(body.size()));
        Bytes typed;
        putText(typed, type);
        typed.insert(typed.end(), body.begin(), body.end());
        out.insert(out.end(), typed.begin(), typed.end());
        putBig32(out, std::uint32_t(crc32(0, typed.data(), uInt(typed.size()))));
    };
    Bytes ihdr;
    putBig32(ihdr, std::uint32_t(image.width()));
    putBig32(ihdr, std::uint32_t(image.height()));
    ihdr.insert(ihdr.end(), {8, 2, 0, 0, 0});
    chunk("IHDR", ihdr);
    chunk("IDAT", packed);
    chunk("IEND", {});
    save(path, out);
}

void writeWav(const std::string& path, const std::vector<float>& samples, int rate, int bitsPerSample)
{
    const std::uint32_t bytesPerSample = std::uint32_t(bitsPerSample / 8);
    const std::uint32_t dataSize = bytesPerSample * std::uint32_t(samples.size());
    Bytes out;
    putText(out, "RIFF");
    put32(out, 36 + dataSize);
    putText(out, "WAVEfmt ");
    put32(out, 16);
    put16(out, 1);
    put16(out, 1);
    put32(out, std::uint32_t(rate));
    put32(out, std::uint32_t(rate) * bytesPerSample);
    put16(out, bytesPerSample);
    put16(out, unsigned(bitsPerSample));
    putText(out, "data");
    put32(out, dataSize);
    for (float s : samples) {
        float v = std::clamp(s, -1.0f, 1.0f);
        if (bitsPerSample == 8)
            out.push_back(std::uint8_t(std::lround(128 + v * 127)));
        else
            put16(out, unsigned(std::uint16_t(std::int16_t(std::lround(v * 32767)))));
    }
    save(path, out);
}

void writeLines(const std::string& path, const std::vector<std::string>& lines)
{
    Bytes bytes;
    for (const std::string& line : lines) {
        putText(bytes, line.c_str());
        bytes.push_back('\n');
    }
    save(path, bytes);
}
