#include "backgrounds.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>

namespace {
const double kPi = 3.14159265358979323846;

// Smooth noise that repeats every kBackgroundSize pixels in both directions:
// random values on a lattice of cells x cells points, wrapped at the edges and blended smoothly.
class WrappingNoise {
public:
    WrappingNoise(int cells, std::uint32_t seed) : m_cells(cells), m_values(std::size_t(cells * cells))
    {
        for (float& v : m_values) {
            seed = seed * 1664525u + 1013904223u;
            v = (seed >> 8) / float(1 << 24);
        }
    }

    float at(double x, double y) const
    {
        double u = x * m_cells / kBackgroundSize, v = y * m_cells / kBackgroundSize;
        int i = int(std::floor(u)), j = int(std::floor(v));
        double fu = smooth(u - i), fv = smooth(v - j);
        double top = lerp(value(i, j), value(i + 1, j), fu);
        double bottom = lerp(value(i, j + 1), value(i + 1, j + 1), fu);
        return float(lerp(top, bottom, fv));
    }

private:
    static double smooth(double t) { return t * t * (3 - 2 * t); }
    static double lerp(double a, double b, double t) { return a + (b - a) * t; }
    float value(int i, int j) const
    {
        i = ((i % m_cells) + m_cells) % m_cells;
        j = ((j % m_cells) + m_cells) % m_cells;
        return m_values[std::size_t(i + j * m_cells)];
    }
    int m_cells;
    std::vector<float> m_values;
};

// Sum of octaves, each with twice the lattice of the one before and a smaller weight; result 0..1.
class Fractal {
public:
    Fractal(int firstCells, int octaves, float persistence, std::uint32_t seed)
    {
        float weight = 1;
        for (int k = 0; k < octaves; ++k) {
            m_layers.emplace_back(firstCells << k, seed + 7919u * std::uint32_t(k));
            m_weights.push_back(weight);
            m_total += weight;
            weight *= persistence;
        }
    }
    float at(double x, double y) const
    {
        float sum = 0;
        for (std::size_t k = 0; k < m_layers.size(); ++k)
            sum += m_weights[k] * m_layers[k].at(x, y);
        return sum / m_total;
    }

private:
    std::vector<WrappingNoise> m_layers;
    std::vector<float> m_weights;
    float m_total = 0;
};

// The picture at scale times its size: pixel (x, y) shows the pattern at (x / scale, y / scale).
Image render(int scale, const std::function<Rgba(double x, double y)>& colourAt)
{
    Image out(kBackgroundSize * scale, kBackgroundSize * scale);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x)
            out.at(x, y) = colourAt(double(x) / scale, double(y) / scale);
    return out;
}

float contrast(float v, float amount) { return 0.5f + (v - 0.5f) * amount; }

// A soft sand colour with a faint woven diamond pattern; 300 is a multiple of its 30-pixel repeat.
Image easy(int scale)
{
    Fractal grain(5, 5, 0.55f, 11);
    return render(scale, [&](double x, double y) {
        double d = std::fabs(std::sin((x + y) * kPi / 30)) * std::fabs(std::sin((x - y) * kPi / 30));
        float n = contrast(grain.at(x, y), 1.6f);
        return mix(rgb(150, 160, 140), rgb(182, 190, 166), float(0.55 * n + 0.45 * d));
    });
}

Image darkBlue(int scale)
{
    Fractal mist(3, 6, 0.6f, 23);
    return render(scale, [&](double x, double y) {
        float n = contrast(mist.at(x, y), 1.8f);
        return mix(rgb(10, 22, 66), rgb(34, 62, 130), n);
    });
}

Image clouds(int scale)
{
    Fractal sky(2, 7, 0.58f, 37);
    return render(scale, [&](double x, double y) {
        float n = sky.at(x, y);
        float cloud = std::clamp((n - 0.41f) / 0.26f, 0.0f, 1.0f);
        cloud = cloud * cloud * (3 - 2 * cloud);
        Rgba blue = mix(rgb(70, 130, 200), rgb(96, 156, 220), n);
        return mix(blue, rgb(236, 242, 250), cloud * 0.85f);
    });
}

// Baize: a calm green with short fibres.
Image green(int scale)
{
    Fractal patches(3, 3, 0.5f, 41);
    Fractal fibres(60, 2, 0.5f, 43);
    return render(scale, [&](double x, double y) {
        float n = 0.6f * contrast(patches.at(x, y), 1.8f) + 0.4f * contrast(fibres.at(x, y), 1.6f);
        return mix(rgb(18, 84, 40), rgb(44, 124, 64), n);
    });
}
}

std::vector<Background> makeBackgrounds(int scale)
{
    return {{144, "Easy", easy(scale)}, {153, "Dark blue", darkBlue(scale)}, {154, "Clouds", clouds(scale)},
            {158, "Green", green(scale)}};
}
