#pragma once
// The picture of one tile kind: COLORREF values (0x00BBGGRR), row by row.

#include <cstdint>

class CTileImage {
public:
    CTileImage() = default;
    CTileImage(const CTileImage&) = delete;
    CTileImage& operator=(const CTileImage&) = delete;
    virtual ~CTileImage();

    // Allocates w x h black pixels in place of the old ones.
    void Resize(int w, int h);
    // Copies w x h pixels from src; throws NULL_PICTURE when src is null.
    void SetBits(const std::uint32_t* src, int w, int h);

    void SetAt(int x, int y, std::uint32_t color) { m_pBits[x + y * m_nWidth] = color; }
    std::uint32_t GetAt(int x, int y) const { return m_pBits[x + y * m_nWidth]; }

    std::uint32_t* m_pBits = nullptr;
    int m_nWidth = 0;
    int m_nHeight = 0;

private:
    static std::uint32_t* Allocate(int w, int h);
};

// Stretches a w x h picture onto dst's size by dropping or repeating pixels,
// never blending (what a COLORONCOLOR stretch does).
void StretchPixels(const std::uint32_t* src, int w, int h, CTileImage& dst);

// Brings a w x h picture to dst's size by area averaging: each channel of a
// pixel of dst is the mean, rounded to the nearest whole, of the part of the
// picture it covers, every source pixel weighted by how much of it lies there.
// A picture without pixels leaves dst as it is.
void AveragePixels(const std::uint32_t* src, int w, int h, CTileImage& dst);

// How tile pictures are brought to the tile size from their sheet.
enum class CTileScaling {
    Stretch, // StretchPixels: the fixed sizes' pictures
    Average, // AveragePixels: sharp at any size
};
