#pragma once
#include <vector>

// A colour with channels 0..255 and opacity 0..1.
struct Rgba {
    float r = 0, g = 0, b = 0, a = 1;
};

Rgba rgb(int r, int g, int b);
Rgba mix(Rgba from, Rgba to, float t);
Rgba scaled(Rgba c, float factor);
Rgba withAlpha(Rgba c, float a);
Rgba hsv(float hueDegrees, float saturation, float value);

// A picture of floating-point pixels, top row first.
class Image {
public:
    Image() = default;
    Image(int width, int height, Rgba fill = Rgba{0, 0, 0, 0});

    int width() const { return m_width; }
    int height() const { return m_height; }
    Rgba& at(int x, int y) { return m_pixels[x + y * m_width]; }
    const Rgba& at(int x, int y) const { return m_pixels[x + y * m_width]; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < m_width && y < m_height; }
    // Pixels per unit of the shapes and text drawn on the picture: 2 draws
    // the same picture at twice the size.
    int scale() const { return m_scale; }
    void setScale(int scale) { m_scale = scale; }

    // Lays colour c over the pixel with the given coverage (0..1).
    void blend(int x, int y, Rgba c, float coverage = 1);
    // Lays src over this picture with its top-left corner at (x, y).
    void paste(const Image& src, int x, int y);
    Image crop(int x, int y, int w, int h) const;
    // Averages factor x factor blocks into one pixel.
    Image shrink(int factor) const;
    // Area-averaging resize to any smaller size.
    Image resample(int w, int h) const;
    // Each target pixel takes one source pixel, as COLORONCOLOR stretching does.
    Image stretchNearest(int w, int h) const;

private:
    int m_width = 0;
    int m_height = 0;
    int m_scale = 1;
    std::vector<Rgba> m_pixels;
};
