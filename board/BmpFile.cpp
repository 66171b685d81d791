#include "BmpFile.h"

#include "Utf8File.h"

#include <algorithm>
#include <cstdio>
#include <utility>

namespace {

constexpr std::uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3;
constexpr std::size_t kFileHeader = 14;
constexpr std::size_t kInfoHeader = 40;
constexpr std::size_t kMaxFileBytes = std::size_t(1) << 28;
constexpr int kMaxSide = 16384;
constexpr long long kMaxPixels = 1LL << 25;

std::uint32_t U16(const unsigned char* p)
{
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8;
}

std::uint32_t U32(const unsigned char* p)
{
    return U16(p) | U16(p + 2) << 16;
}

std::uint32_t Rgb(unsigned r, unsigned g, unsigned b)
{
    return (r & 0xFF) | (g & 0xFF) << 8 | (b & 0xFF) << 16;
}

// One colour channel of a bit-field pixel, moved to the top of its byte.
unsigned Channel(std::uint32_t value, std::uint32_t mask)
{
    if (!mask)
        return 0;
    int shift = 0, bits = 0;
    while (!(mask >> shift & 1))
        ++shift;
    while (shift + bits < 32 && (mask >> (shift + bits) & 1))
        ++bits;
    const std::uint32_t v = (value & mask) >> shift;
    return bits >= 8 ? v >> (bits - 8) : v << (8 - bits);
}

bool ReadWholeFile(const char* path, std::vector<unsigned char>& out)
{
    std::FILE* f = OpenUtf8File(path, "rb");
    if (!f)
        return false;
    unsigned char chunk[65536];
    std::size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, f)) > 0 && out.size() <= kMaxFileBytes)
        out.insert(out.end(), chunk, chunk + n);
    const bool ok = !std::ferror(f) && out.size() <= kMaxFileBytes;
    std::fclose(f);
    return ok;
}

} // namespace

CBmpFile::CBmpFile(const char* path)
{
    m_bValid = ReadWholeFile(path, m_file) && ReadHeaders();
}

CBmpFile::CBmpFile(std::vector<unsigned char> file) : m_file(std::move(file))
{
    m_bValid = m_file.size() <= kMaxFileBytes && ReadHeaders();
}

bool CBmpFile::ReadHeaders()
{
    const std::size_t size = m_file.size();
    if (size < kFileHeader + kInfoHeader)
        return false;
    const unsigned char* f = m_file.data();
    const std::uint32_t infoSize = U32(f + 14);
    if (f[0] != 'B' || f[1] != 'M' || infoSize < kInfoHeader || infoSize > size - kFileHeader)
        return false;

    m_nOffBits = U32(f + 10);
    const std::int32_t width = static_cast<std::int32_t>(U32(f + 18));
    const std::int32_t height = static_cast<std::int32_t>(U32(f + 22));
    m_nBitCount = static_cast<int>(U16(f + 28));
    m_nCompression = U32(f + 30);
    const std::uint32_t clrUsed = U32(f + 46);

    if (width < 1 || width > kMaxSide || height == 0 || height < -kMaxSide || height > kMaxSide)
        return false;
    m_nWidth = width;
    m_bTopDown = height < 0;
    m_nHeight = m_bTopDown ? -height : height;
    if (static_cast<long long>(m_nWidth) * m_nHeight > kMaxPixels)
        return false;

    const int bits = m_nBitCount;
    const bool known = bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
    const bool codingFits = m_nCompression == kRgb || (m_nCompression == kRle8 && bits == 8) ||
                            (m_nCompression == kRle4 && bits == 4) ||
                            (m_nCompression == kBitFields && (bits == 16 || bits == 32));
    if (!known || !codingFits || (m_bTopDown && (m_nCompression == kRle8 || m_nCompression == kRle4)))
        return false;

    // The masks: in the header when it is long enough, else right after it.
    if (m_nCompression == kBitFields) {
        const std::size_t at = kFileHeader + kInfoHeader;
        if (size < at + 12)
            return false;
        for (int i = 0; i < 3; ++i)
            m_masks[i] = U32(f + at + 4 * i);
    } else if (bits == 16) {
        m_masks[0] = 0x7C00;
        m_masks[1] = 0x03E0;
        m_masks[2] = 0x001F;
    }

    // The palette follows the info header (and the masks, for a short header).
    std::size_t palette = kFileHeader + infoSize;
    if (m_nCompression == kBitFields && infoSize == kInfoHeader)
        palette += 12;
    std::size_t entries = bits <= 8 ? (clrUsed ? clrUsed : std::size_t(1) << bits) : 0;
    if (entries > 256)
        entries = 256;
    if (m_nOffBits == 0)
        m_nOffBits = static_cast<std::uint32_t>(palette + 4 * entries);
    const std::size_t paletteEnd = m_nOffBits > palette ? m_nOffBits : size;
    for (std::size_t i = 0; i < entries && palette + 4 * i + 4 <= paletteEnd && palette + 4 * i + 4 <= size; ++i) {
        const unsigned char* e = f + palette + 4 * i;
        m_palette.push_back(Rgb(e[2], e[1], e[0]));
    }
    return m_nOffBits < size;
}

bool CBmpFile::Decode()
{
    if (!m_bValid)
        return false;
    if (m_bits.empty())
        m_bits.assign(static_cast<std::size_t>(m_nWidth) * m_nHeight, 0);
    const unsigned char* data = m_file.data() + m_nOffBits;
    const std::size_t size = m_file.size() - m_nOffBits;
    // Pixel data that stops before the last row leaves a picture partly black,
    // too little of it to tell tiles apart: such a picture is not used.
    const bool whole = m_nCompression == kRle8 || m_nCompression == kRle4 ? DecodeRle(data, size)
                                                                         : DecodeUncompressed(data, size);
    if (!whole)
        m_bits.clear();
    return whole;
}

std::uint32_t CBmpFile::PaletteColor(unsigned index) const
{
    return index < m_palette.size() ? m_palette[index] : 0;
}

std::uint32_t CBmpFile::MaskedColor(std::uint32_t value) const
{
    return Rgb(Channel(value, m_masks[0]), Channel(value, m_masks[1]), Channel(value, m_masks[2]));
}

void CBmpFile::Put(int x, int fileRow, std::uint32_t color)
{
    if (x < 0 || x >= m_nWidth || fileRow < 0 || fileRow >= m_nHeight)
        return;
    const int row = m_bTopDown ? fileRow : m_nHeight - 1 - fileRow;
    m_bits[static_cast<std::size_t>(row) * m_nWidth + x] = color;
}

bool CBmpFile::DecodeUncompressed(const unsigned char* data, std::size_t size)
{
    const std::size_t stride = (static_cast<std::size_t>(m_nWidth) * m_nBitCount + 31) / 32 * 4;
    for (int fileRow = 0; fileRow < m_nHeight; ++fileRow) {
        const std::size_t start = stride * fileRow;
        if (start >= size)
            return false;
        const std::size_t avail = size - start < stride ? size - start : stride;
        const unsigned char* row = data + start;
        for (int x = 0; x < m_nWidth; ++x) {
            const std::size_t bit = static_cast<std::size_t>(x) * m_nBitCount;
            const std::size_t bytes = (m_nBitCount + 7) / 8;
            if (bit / 8 + bytes > avail)
                break;
            const unsigned char* p = row + bit / 8;
            std::uint32_t color = 0;
            switch (m_nBitCount) {
            case 1:
            case 4:
            case 8: {
                const int shift = 8 - m_nBitCount - static_cast<int>(bit % 8);
                color = PaletteColor((p[0] >> shift) & ((1u << m_nBitCount) - 1));
                break;
            }
            case 16:
                color = MaskedColor(U16(p));
                break;
            case 24:
                color = Rgb(p[2], p[1], p[0]);
                break;
            case 32:
                color = m_nCompression == kBitFields ? MaskedColor(U32(p)) : Rgb(p[2], p[1], p[0]);
                break;
            }
            Put(x, fileRow, color);
        }
    }
    return true;
}

bool CBmpFile::DecodeRle(const unsigned char* data, std::size_t size)
{
    // The data may stop on the last row; it is whole when it gets that far.
    const bool four = m_nCompression == kRle4;
    std::size_t i = 0;
    int x = 0, y = 0;
    while (i + 2 <= size && y < m_nHeight) {
        const unsigned count = data[i], value = data[i + 1];
        i += 2;
        if (count > 0) { // a run of one index (RLE4: two alternating indices)
            for (unsigned k = 0; k < count && x < m_nWidth; ++k, ++x)
                Put(x, y, PaletteColor(four ? (k % 2 ? value & 15 : value >> 4) : value));
            continue;
        }
        switch (value) {
        case 0: // end of line
            x = 0;
            ++y;
            break;
        case 1: // end of bitmap
            return true;
        case 2: // delta: right and up
            if (i + 2 > size)
                return y >= m_nHeight - 1;
            x = std::min(x + data[i], m_nWidth);
            y += data[i + 1];
            i += 2;
            break;
        default: { // absolute run, padded to a 16-bit boundary
            const std::size_t bytes = four ? (value + 1) / 2 : value;
            if (i + bytes > size)
                return y >= m_nHeight - 1;
            for (unsigned k = 0; k < value && x < m_nWidth; ++k, ++x) {
                const unsigned b = data[i + (four ? k / 2 : k)];
                Put(x, y, PaletteColor(four ? (k % 2 ? b & 15 : b >> 4) : b));
            }
            i += bytes + bytes % 2;
            break;
        }
        }
    }
    return y >= m_nHeight - 1;
}
