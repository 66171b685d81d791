#include "image.h"

#include <algorithm>
#include <cmath>

Rgba rgb(int r, int g, int b) { return Rgba{float(r), float(g), float(b), 1}; }

Rgba mix(Rgba from, Rgba to, float t)
{
    return Rgba{from.r + (to.r - from.r) * t, from.g + (to.g - from.g) * t,
                from.b + (to.b - from.b) * t, from.a + (to.a - from.a) * t};
}

Rgba scaled(Rgba c, float factor)
{
    auto clampChannel = [](float v) { return std::clamp(v, 0.0f, 255.0f); };
    return Rgba{clampChannel(c.r * factor), clampChannel(c.g * factor), clampChannel(c.b * factor), c.a};
}

Rgba withAlpha(Rgba c, float a)
{
    c.a = a;
    return c;
}

Rgba hsv(float hueDegrees, float saturation, float value)
{
    float h = std::fmod(std::fmod(hueDegrees, 360.0f) + 360.0f, 360.0f) / 60.0f;
    float c = value * saturation;
    float x = c * (1 - std::fabs(std::fmod(h, 2.0f) - 1));
    float r = 0, g = 0, b = 0;
    switch (int(h)) {
    case 0: r = c; g = x; break;
    case 1: r = x; g = c; break;
    case 2: g = c; b = x; break;
    case 3: g = x; b = c; break;
    case 4: r = x; b = c; break;
    default: r = c; b = x; break;
    }
    float m = value - c;
    return Rgba{(r + m) * 255, (g + m) * 255, (b + m) * 255, 1};
}

Image::Image(int width, int height, Rgba fill)
    : m_width(width), m_height(height), m_pixels(std::size_t(width) * height, fill)
{
}

void Image::blend(int x, int y, Rgba c, float coverage)
{
    if (!contains(x, y))
        return;
    float a = c.a * coverage;
    if (a <= 0)
        return;
    Rgba& d = at(x, y);
    float outA = a + d.a * (1 - a);
    if (outA <= 0)
        return;
    d.r = (c.r * a + d.r * d.a * (1 - a)) / outA;
    d.g = (c.g * a + d.g * d.a * (1 - a)) / outA;
    d.b = (c.b * a + d.b * d.a * (1 - a)) / outA;
    d.a = outA;
}

void Image::paste(const Image& src, int x, int y)
{
    for (int sy = 0; sy < src.height(); ++sy)
        for (int sx = 0; sx < src.width(); ++sx)
            blend(x + sx, y + sy, src.at(sx, sy));
}

Image Image::crop(int x, int y, int w, int h) const
{
    Image out(w, h);
    for (int cy = 0; cy < h; ++cy)
        for (int cx = 0; cx < w; ++cx)
            out.at(cx, cy) = at(x + cx, y + cy);
    return out;
}

Image Image::shrink(int factor) const { return resample(m_width / factor, m_height / factor); }

Image Image::resample(int w, int h) const
{
    // Each target pixel averages the source area it covers, weighting colours by opacity.
    Image out(w, h);
    double fx = double(m_width) / w, fy = double(m_height) / h;
    for (int ty = 0; ty < h; ++ty) {
        for (int tx = 0; tx < w; ++tx) {
            double x0 = tx * fx, x1 = x0 + fx, y0 = ty * fy, y1 = y0 + fy;
            double sr = 0, sg = 0, sb = 0, sa = 0, area = 0;
            for (int sy = int(y0); sy < std::min<double>(y1, m_height); ++sy) {
                double wy = std::min<double>(y1, sy + 1) - std::max<double>(y0, sy);
                for (int sx = int(x0); sx < std::min<double>(x1, m_width); ++sx) {
                    double wgt = wy * (std::min<double>(x1, sx + 1) - std::max<double>(x0, sx));
                    const Rgba& p = at(sx, sy);
                    sr += p.r * p.a * wgt;
                    sg += p.g * p.a * wgt;
                    sb += p.b * p.a * wgt;
                    sa += p.a * wgt;
                    area += wgt;
                }
            }
            if (sa > 0)
                out.at(tx, ty) = Rgba{float(sr / sa), float(sg / sa), float(sb / sa), float(sa / area)};
        }
    }
    return out;
}

Image Image::stretchNearest(int w, int h) const
{
    Image out(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            out.at(x, y) = at(x * m_width / w, y * m_height / h);
    return out;
}
