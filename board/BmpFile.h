#pragma once
// A reader of Windows .bmp files for the player's own tile sheets: 1, 4, 8, 16,
// 24 and 32 bits per pixel, uncompressed, run-length coded (RLE4, RLE8) or with
// bit-field masks, bottom-up or top-down. Whatever a file says, nothing is read
// or written outside the file's bytes or the picture.

#include <cstdint>
#include <vector>

class CBmpFile {
public:
    // Reads the file and its headers; a file that cannot be read, or whose
    // headers are impossible, decodes to nothing.
    explicit CBmpFile(const char* path);
    // The same from the bytes of a file held in memory.
    explicit CBmpFile(std::vector<unsigned char> file);

    // Decodes the pixel data; true when a picture was decoded, false when the
    // headers are impossible or the data stops before the picture's last row.
    bool Decode();

    // The decoded picture: COLORREF values (0x00BBGGRR), top row first.
    const std::uint32_t* GetBits() const { return m_bits.empty() ? nullptr : m_bits.data(); }
    int GetWidth() const { return m_bits.empty() ? 0 : m_nWidth; }
    int GetHeight() const { return m_bits.empty() ? 0 : m_nHeight; }

private:
    bool ReadHeaders();
    // False when the data stops before the last row.
    bool DecodeUncompressed(const unsigned char* data, std::size_t size);
    bool DecodeRle(const unsigned char* data, std::size_t size);
    std::uint32_t PaletteColor(unsigned index) const;
    std::uint32_t MaskedColor(std::uint32_t value) const;
    void Put(int x, int fileRow, std::uint32_t color);

    std::vector<unsigned char> m_file;
    bool m_bValid = false;
    std::uint32_t m_nOffBits = 0;
    int m_nWidth = 0;
    int m_nHeight = 0;
    bool m_bTopDown = false;
    int m_nBitCount = 0;
    std::uint32_t m_nCompression = 0;
    std::uint32_t m_masks[3] = {0, 0, 0}; // red, green, blue
    std::vector<std::uint32_t> m_palette; // COLORREF
    std::vector<std::uint32_t> m_bits;
};
