#include "tiles.h"

#include "draw.h"
#include "quantize.h"
#include "vision.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <stdexcept>

Fonts::Fonts(const std::string& dejavuDir, const std::string& notoDir)
    : sans(dejavuDir + "/DejaVuSans.ttf"),
      sansBold(dejavuDir + "/DejaVuSans-Bold.ttf"),
      sansBoldItalic(dejavuDir + "/DejaVuSans-BoldOblique.ttf"),
      egyptian(notoDir + "/NotoSansEgyptianHieroglyphs-Regular.ttf"),
      symbols(notoDir + "/NotoSansSymbols-Regular.ttf"),
      symbols2(notoDir + "/NotoSansSymbols2-Regular.ttf"),
      linearB(notoDir + "/NotoSansLinearB-Regular.ttf"),
      anatolian(notoDir + "/NotoSansAnatolianHieroglyphs-Regular.ttf"),
      emoji(notoDir + "/NotoColorEmoji.ttf")
{
}

namespace {
// Tiles are drawn at four times their size and then averaged down, which smooths every edge.
constexpr int S = 4;
constexpr double kPi = 3.14159265358979323846;

// The picture area on the tile face, in tile pixels.
constexpr double kArtLeft = 2.5, kArtTop = 3, kArtRight = 25, kArtBottom = 34.5;
constexpr double kArtX = (kArtLeft + kArtRight) / 2, kArtY = (kArtTop + kArtBottom) / 2;

struct FaceStyle {
    Rgba top, bottom;       // face gradient
    Rgba side;              // the tile's thickness, seen at right and bottom
    bool speckled = false;  // a rough face, like stone
};

Image blankTile(const FaceStyle& style)
{
    Image t(kTileWidth * S, kTileHeight * S, scaled(style.side, 0.45f));
    fill(t, roundedBox(0.3 * S, 0.3 * S, 29.6 * S, 39.6 * S, 3 * S), style.side);
    fill(t, roundedBox(0.3 * S, 0.3 * S, 27.6 * S, 37.4 * S, 2.6 * S), mix(style.top, rgb(255, 255, 255), 0.6f));
    Shape face = roundedBox(1.1 * S, 1.1 * S, 27.4 * S, 37.2 * S, 2.2 * S);
    paint(t, face, [&](double, double y) { return mix(style.top, style.bottom, float(y / (37.0 * S))); });
    if (style.speckled) {
        std::uint32_t state = 99;
        paint(t, face, [&](double, double) {
            state = state * 1664525u + 1013904223u;
            return withAlpha(scaled(style.side, 0.9f), (state >> 24) / 255.0f * 0.25f);
        });
    }
    return t;
}


// Grows the inked part of a glyph by radius pixels, so that thin strokes survive small sizes.
Image thicken(const Image& glyph, int radius)
{
    Image out(glyph.width() + 2 * radius, glyph.height() + 2 * radius);
    for (int y = 0; y < out.height(); ++y) {
        for (int x = 0; x < out.width(); ++x) {
            Rgba best{0, 0, 0, 0};
            for (int dy = -radius; dy <= radius; ++dy)
                for (int dx = -radius; dx <= radius; ++dx) {
                    int sx = x - radius + dx, sy = y - radius + dy;
                    if (dx * dx + dy * dy <= radius * radius && glyph.contains(sx, sy) && glyph.at(sx, sy).a > best.a)
                        best = glyph.at(sx, sy);
                }
            out.at(x, y) = best;
        }
    }
    return out;
}

// The glyph's inked part, scaled to fit the picture area, centred on the tile.
void placeGlyph(Image& tile, Image glyph, double fill = 1.0)
{
    double boxW = (kArtRight - kArtLeft) * S * fill, boxH = (kArtBottom - kArtTop) * S * fill;
    double factor = std::min(boxW / glyph.width(), boxH / glyph.height());
    if (factor < 1)
        glyph = glyph.resample(std::max(1, int(glyph.width() * factor)), std::max(1, int(glyph.height() * factor)));
    tile.paste(glyph, int(kArtX * S - glyph.width() / 2.0), int(kArtY * S - glyph.height() / 2.0));
}

// Renders a glyph large enough to fill the picture area.
Image bigGlyph(const Font& font, char32_t cp, Rgba colour, int thickness)
{
    Image g = font.glyph(cp, 30 * S, colour);
    return thickness > 0 ? thicken(g, thickness) : g;
}

// A colour lifted toward white (lift 0..1) or, below 0, toward black.
Rgba lifted(Rgba c, float lift)
{
    return lift >= 0 ? mix(c, rgb(255, 255, 255), lift) : scaled(c, 1 + lift);
}

// One picture of a sheet: what a screen reader calls it.
struct Sign {
    char32_t cp;
    const char* name;
    float lift = 0;  // lighter or darker than the font draws it, where it would look like another without its hue
};

// The sheet of the tiles (drawn at S times their size) at scale times the size of a sheet.
Image assemble(const std::vector<Image>& tiles, int scale)
{
    if (tiles.size() != kTilesPerSheet)
        throw std::runtime_error("a tile sheet needs 45 pictures");
    const int w = kTileWidth * scale, h = kTileHeight * scale;
    Image sheet(w * kSheetColumns, h * kSheetRows);
    for (int slot = 0; slot < kTilesPerSheet; ++slot)
        sheet.paste(tiles[std::size_t(slot)].shrink(S / scale), slot % kSheetColumns * w, slot / kSheetColumns * h);
    return sheet;
}

// One sign to a tile, each drawn from the first of the fonts that has it and coloured in turn
// from colours (colour fonts keep their own); strokes grow by thickness pixels at drawing size.
SheetArt signSheet(const FaceStyle& face, const std::vector<const Font*>& fonts, const std::vector<Sign>& signs,
                   const std::vector<Rgba>& colours, int thickness, double fill = 1.0)
{
    std::vector<Image> tiles;
    std::vector<std::string> names;
    for (std::size_t i = 0; i < signs.size(); ++i) {
        auto font = std::find_if(fonts.begin(), fonts.end(), [&](const Font* f) { return f->has(signs[i].cp); });
        if (font == fonts.end())
            throw std::runtime_error("no font has a chosen sign");
        Image glyph = bigGlyph(**font, signs[i].cp, colours[i % colours.size()], thickness);
        if (signs[i].lift != 0)
            for (int y = 0; y < glyph.height(); ++y)
                for (int x = 0; x < glyph.width(); ++x)
                    glyph.at(x, y) = withAlpha(lifted(glyph.at(x, y), signs[i].lift), glyph.at(x, y).a);
        Image t = blankTile(face);
        placeGlyph(t, glyph, fill);
        tiles.push_back(t);
        names.push_back(signs[i].name);
    }
    return {tiles, names};
}

// Keeps the first count signs whose ink is neither too flat nor too thin to read on a tile.
std::vector<Sign> shapelySigns(const Font& font, const std::vector<Sign>& candidates, std::size_t count)
{
    std::vector<Sign> chosen;
    for (const Sign& sign : candidates) {
        Image g = font.glyph(sign.cp, 30 * S, Rgba{});
        double aspect = double(g.height()) / g.width();
        if (aspect >= 0.6 && aspect <= 2.3 && chosen.size() < count)
            chosen.push_back(sign);
    }
    if (chosen.size() < count)
        throw std::runtime_error("too few signs fit a tile");
    return chosen;
}

// ---- Egiptian: hieroglyphs in the painted colours of tomb walls, on papyrus.
SheetArt egyptianSheet(const Fonts& fonts)
{
    const std::vector<Sign> candidates = {
        {0x13000, "seated man"}, {0x1302D, "seated god"}, {0x13050, "seated woman"}, {0x130C0, "foot"},
        {0x130D2, "bull"}, {0x1313F, "Egyptian vulture"}, {0x13143, "falcon"}, {0x13153, "owl"},
        {0x1315C, "crested ibis"}, {0x1316D, "pintail duck"}, {0x13171, "quail chick"}, {0x13193, "cobra"},
        {0x131A3, "scarab"}, {0x131A4, "bee"}, {0x131F3, "sun"}, {0x131FC, "star"}, {0x13274, "pyramid"},
        {0x132F9, "ankh"}, {0x13333, "sickle"}, {0x133CC, "pot"}, {0x13001, "man eating"}, {0x13014, "child"},
        {0x1301C, "man striking"}, {0x13020, "man rejoicing"}, {0x1305A, "sun god"}, {0x13068, "god of millions"},
        {0x13077, "face"}, {0x13080, "eye of Horus"}, {0x130D7, "horse"}, {0x130E0, "cat"}, {0x130E2, "jackal"},
        {0x130E9, "Seth animal"}, {0x130F7, "baboon"}, {0x130FE, "ox head"}, {0x13102, "lion forepart"},
        {0x1310B, "horns"}, {0x13146, "falcon on standard"}, {0x13150, "griffon vulture"}, {0x13158, "guinea fowl"},
        {0x1315D, "ibis on standard"}, {0x13161, "stork"}, {0x1316A, "sparrow"}, {0x1316C, "goose"},
        {0x13177, "duckling"}, {0x1317D, "ba bird"}};
    const std::vector<Rgba> colours = {rgb(28, 52, 150), rgb(176, 44, 28), rgb(22, 112, 70), rgb(40, 30, 24),
                                       rgb(150, 82, 18)};
    FaceStyle face{rgb(246, 234, 200), rgb(228, 208, 160), rgb(166, 128, 70)};
    return signSheet(face, {&fonts.egyptian}, shapelySigns(fonts.egyptian, candidates, kTilesPerSheet), colours, 3);
}

// ---- Signs: symbols of the sky, games, music and the road, each in its own colour.
SheetArt signsSheet(const Fonts& fonts)
{
    const std::vector<Sign> signs = {
        {0x2648, "Aries"}, {0x2649, "Taurus"}, {0x264A, "Gemini"}, {0x264B, "Cancer"}, {0x264C, "Leo"},
        {0x264D, "Virgo"}, {0x264E, "Libra"}, {0x264F, "Scorpio"}, {0x2650, "Sagittarius"}, {0x2651, "Capricorn"},
        {0x2652, "Aquarius"}, {0x2653, "Pisces"}, {0x265A, "chess king"}, {0x265B, "chess queen"},
        {0x265C, "chess rook"}, {0x265D, "chess bishop"}, {0x265E, "chess knight"}, {0x265F, "chess pawn"},
        {0x2660, "spades"}, {0x2665, "hearts"}, {0x2666, "diamonds"}, {0x2663, "clubs"}, {0x2600, "sun"},
        {0x2601, "cloud"}, {0x2602, "umbrella"}, {0x2603, "snowman"}, {0x2604, "comet"}, {0x260E, "telephone"},
        {0x2618, "shamrock"}, {0x262F, "yin yang"}, {0x263A, "smiling face"}, {0x263E, "crescent moon"},
        {0x266B, "musical notes"}, {0x2693, "anchor"}, {0x2696, "scales"}, {0x2698, "flower"}, {0x2699, "gear"},
        {0x269B, "atom"}, {0x269C, "fleur-de-lis"}, {0x26A1, "lightning"}, {0x2708, "airplane"},
        {0x2702, "scissors"}, {0x2744, "snowflake"}, {0x2764, "heart"}, {0x26F5, "sailboat"}};
    const std::vector<Rgba> colours = {rgb(200, 30, 40), rgb(20, 70, 180), rgb(20, 130, 60), rgb(120, 40, 160),
                                       rgb(210, 110, 0), rgb(0, 120, 140), rgb(30, 30, 40)};
    FaceStyle face{rgb(252, 252, 246), rgb(226, 230, 236), rgb(120, 136, 160)};
    return signSheet(face, {&fonts.symbols, &fonts.symbols2}, signs, colours, 2, 0.95);
}

// The mark that tells each of the five colours of a sheet from the others without its hue, so that a player
// who cannot tell red from green, or blue from purple, still tells every kind apart.
enum class Mark { Solid, Dots, Stripes, Bands, Checks };

// Whether the point (x, y) of a tile drawn at S times its size lies on the mark's pattern.
bool onMark(Mark mark, double x, double y)
{
    const double period = 4.0 * S, u = x / period, v = y / period;
    auto frac = [](double a) { return a - std::floor(a); };
    switch (mark) {
    case Mark::Solid: return false;
    case Mark::Dots: {
        const double du = frac(u + 0.5 * std::floor(v)) - 0.5, dv = frac(v) - 0.5;
        return du * du + dv * dv < 0.28 * 0.28;
    }
    case Mark::Stripes: return frac(u + v) < 0.45;
    case Mark::Bands: return frac(v) < 0.42;
    default: return (int(x / (5 * S)) + int(y / (5 * S))) % 2 == 0;  // squares of 5 tile pixels
    }
}

struct NamedColour {
    Rgba colour;
    const char* name;
    Mark mark;
    // Changes of lightness (see lifted) that part the colours where their hues do not: of a flat or glossy
    // figure, of the mark on it, and of a fractal figure.
    float figureLift, markLift, fractalLift;
};

const std::vector<NamedColour>& brightColours()
{
    // Hues far apart, so that one figure in two colours never looks alike.
    static const std::vector<NamedColour> colours = {{rgb(220, 30, 40), "red", Mark::Solid, -0.2f, 0, -0.2f},
                                                     {rgb(235, 180, 0), "yellow", Mark::Dots, 0, -0.3f, 0},
                                                     {rgb(20, 150, 50), "green", Mark::Stripes, -0.4f, 0.7f, 0.25f},
                                                     {rgb(20, 110, 235), "blue", Mark::Bands, -0.3f, 0.6f, 0},
                                                     {rgb(150, 40, 190), "purple", Mark::Checks, 0.1f, -0.45f, -0.25f}};
    return colours;
}

// The colour of a flat or glossy figure at each point, its mark in a tone of its own.
std::function<Rgba(double, double)> marked(const NamedColour& c)
{
    const Rgba on = lifted(c.colour, c.markLift), off = lifted(c.colour, c.figureLift);
    return [=](double x, double y) { return onMark(c.mark, x, y) ? on : off; };
}

// The names of a sheet of nine figures in five colours, row by row: "red circle".
std::vector<std::string> colouredNames(const std::vector<const char*>& colours, const std::vector<const char*>& figures)
{
    std::vector<std::string> names;
    for (const char* colour : colours)
        for (const char* figure : figures)
            names.push_back(std::string(colour) + " " + figure);
    return names;
}

std::vector<const char*> brightColourNames()
{
    std::vector<const char*> names;
    for (const NamedColour& c : brightColours())
        names.push_back(c.name);
    return names;
}

// The colour's mark printed faintly on the picture area, to lie behind the figure.
void markGround(Image& t, const NamedColour& c)
{
    Shape area = roundedBox(kArtLeft * S, kArtTop * S, kArtRight * S, kArtBottom * S, 2 * S);
    fill(t, intersect(area, [&](double x, double y) { return onMark(c.mark, x, y); }), withAlpha(c.colour, 0.2f));
}

// The picture window of each row of "Fractal dark", a shape of its own so that the rows differ without their
// hues: red rounded, gold with cut corners, green arched, blue with notched corners, violet oval.
Shape fractalWindow(int row)
{
    const double l = kArtLeft * S, t = kArtTop * S, r = kArtRight * S, b = kArtBottom * S, half = (r - l) / 2;
    const double cut = 7 * S, notch = 5 * S;
    switch (row) {
    case 1: return polygon({{l + cut, t}, {r - cut, t}, {r, t + cut}, {r, b - cut}, {r - cut, b}, {l + cut, b},
                            {l, b - cut}, {l, t + cut}});
    case 2: return unite(roundedBox(l, t + half, r, b, 2 * S), circle(l + half, t + half, half));
    case 3: return subtract(box(l, t, r, b), unite(unite(circle(l, t, notch), circle(r, t, notch)),
                                                    unite(circle(l, b, notch), circle(r, b, notch))));
    case 4: return ellipse(kArtX * S, kArtY * S, half, (b - t) / 2);
    default: return roundedBox(l, t, r, b, 2 * S);
    }
}

// ---- Fractal dark: eight Julia sets and the Mandelbrot set, glowing in a night-dark window.
SheetArt fractalDarkSheet()
{
    const double seeds[8][2] = {{-1.0, 0.0},  {-0.123, 0.745}, {0.25, 0.0},  {-0.391, -0.587},
                                {0.285, 0.01}, {-1.31, 0.0},    {-0.75, 0.11}, {-0.2, 0.0}};
    // Red leans a little toward orange, which keeps its thin sets apart for a protanope.
    const float hues[5] = {5, 50, 130, 210, 285};
    const int limit = 60;
    FaceStyle face{rgb(236, 236, 240), rgb(206, 208, 216), rgb(96, 100, 116)};
    std::vector<Image> tiles;
    for (int row = 0; row < kSheetRows; ++row) {
        for (int col = 0; col < kSheetColumns; ++col) {
            Image t = blankTile(face);
            const bool mandelbrot = col == 8;
            const float hue = hues[row];
            paint(t, fractalWindow(row), [&](double x, double y) {
                // The set's long axis runs down the tile.
                double pi = (x - kArtX * S) / (kArtY - kArtTop) / S * 1.75, pr = (y - kArtY * S) / (kArtY - kArtTop) / S * 1.75;
                double zr = mandelbrot ? 0 : pr, zi = mandelbrot ? 0 : pi;
                double cr = mandelbrot ? -pr * 0.75 - 0.75 : seeds[col][0], ci = mandelbrot ? pi * 0.9 : seeds[col][1];
                int n = 0;
                for (; n < limit && zr * zr + zi * zi < 16; ++n) {
                    double next = zr * zr - zi * zi + cr;
                    zi = 2 * zr * zi + ci;
                    zr = next;
                }
                if (n == limit) {
                    float depth = float(std::min(1.0, std::sqrt(zr * zr + zi * zi)));
                    return hsv(hue + 20 * depth, 0.35f + 0.5f * depth, 1.0f);
                }
                float glow = std::pow(float(n) / limit, 0.45f);
                return mix(rgb(6, 6, 18), hsv(hue - 15 * glow, 1.0f, 0.95f), glow);
            });
            tiles.push_back(t);
        }
    }
    return {tiles, colouredNames({"red", "gold", "green", "blue", "violet"},
                                           {"basilica", "rabbit", "cauliflower", "Siegel disk", "spiral", "chain",
                                            "seahorse", "disk", "Mandelbrot set"})};
}

// ---- Fractal bright: nine self-similar figures in five bright colours.
void sierpinski(Image& t, Point a, Point b, Point c, int depth, Rgba colour)
{
    if (depth == 0) {
        fill(t, polygon({a, b, c}), colour);
        return;
    }
    Point ab{(a.x + b.x) / 2, (a.y + b.y) / 2}, bc{(b.x + c.x) / 2, (b.y + c.y) / 2}, ca{(c.x + a.x) / 2, (c.y + a.y) / 2};
    sierpinski(t, a, ab, ca, depth - 1, colour);
    sierpinski(t, ab, b, bc, depth - 1, colour);
    sierpinski(t, ca, bc, c, depth - 1, colour);
}

void carpet(Image& t, double x, double y, double size, int depth, Rgba colour)
{
    if (depth == 0) {
        fill(t, box(x, y, x + size, y + size), colour);
        return;
    }
    double third = size / 3;
    for (int i = 0; i < 9; ++i)
        if (i != 4)
            carpet(t, x + i % 3 * third, y + i / 3 * third, third, depth - 1, colour);
}

void vicsek(Image& t, double x, double y, double size, int depth, Rgba colour)
{
    if (depth == 0) {
        fill(t, box(x, y, x + size, y + size), colour);
        return;
    }
    double third = size / 3;
    for (int i : {1, 3, 4, 5, 7})
        vicsek(t, x + i % 3 * third, y + i / 3 * third, third, depth - 1, colour);
}

void kochSide(std::vector<Point>& out, Point a, Point b, int depth)
{
    if (depth == 0) {
        out.push_back(a);
        return;
    }
    double dx = (b.x - a.x) / 3, dy = (b.y - a.y) / 3;
    Point p1{a.x + dx, a.y + dy}, p3{a.x + 2 * dx, a.y + 2 * dy};
    Point p2{p1.x + dx * 0.5 + dy * std::sqrt(3.0) / 2, p1.y + dy * 0.5 - dx * std::sqrt(3.0) / 2};
    kochSide(out, a, p1, depth - 1);
    kochSide(out, p1, p2, depth - 1);
    kochSide(out, p2, p3, depth - 1);
    kochSide(out, p3, b, depth - 1);
}

void pythagoras(Image& t, Point a, Point b, int depth, Rgba colour)
{
    // The square stands on the edge a-b; its two children sit on its far side.
    double dx = b.x - a.x, dy = b.y - a.y;
    Point c{b.x + dy, b.y - dx}, d{a.x + dy, a.y - dx};
    fill(t, polygon({a, b, c, d}), mix(colour, rgb(255, 255, 255), 0.08f * (6 - depth)));
    if (depth == 0)
        return;
    Point e{d.x + (dx + dy) / 2, d.y + (dy - dx) / 2};
    pythagoras(t, d, e, depth - 1, colour);
    pythagoras(t, e, c, depth - 1, colour);
}

void hTree(Image& t, double x, double y, double len, bool across, int depth, Rgba colour)
{
    if (depth == 0)
        return;
    double w = std::max(0.6 * S, len * 0.08);
    double x0 = across ? x - len / 2 : x, x1 = across ? x + len / 2 : x;
    double y0 = across ? y : y - len / 2, y1 = across ? y : y + len / 2;
    fill(t, segment(x0, y0, x1, y1, w), colour);
    hTree(t, x0, y0, len * 0.7, !across, depth - 1, colour);
    hTree(t, x1, y1, len * 0.7, !across, depth - 1, colour);
}

void circles(Image& t, double x, double y, double r, int depth, Rgba colour)
{
    fill(t, ring(x, y, r - 0.9 * S, r), colour);
    if (depth == 0)
        return;
    for (int k = 0; k < 4; ++k)
        circles(t, x + r / 2 * std::cos(k * kPi / 2), y + r / 2 * std::sin(k * kPi / 2), r / 2, depth - 1, colour);
}

void dragon(Image& t, Rgba colour)
{
    std::vector<int> turns;
    for (int i = 0; i < 9; ++i) {
        std::vector<int> back(turns.rbegin(), turns.rend());
        turns.push_back(1);
        for (int v : back)
            turns.push_back(-v);
    }
    std::vector<Point> path{{0, 0}};
    int dir = 0;
    const int dxs[4] = {1, 0, -1, 0}, dys[4] = {0, 1, 0, -1};
    for (int turn : turns) {
        path.push_back({path.back().x + dxs[dir], path.back().y + dys[dir]});
        dir = (dir + turn + 4) % 4;
    }
    path.push_back({path.back().x + dxs[dir], path.back().y + dys[dir]});
    double minX = 1e9, maxX = -1e9, minY = 1e9, maxY = -1e9;
    for (const Point& p : path) {
        minX = std::min(minX, p.x); maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y); maxY = std::max(maxY, p.y);
    }
    double scale = std::min((kArtRight - kArtLeft) * S / (maxX - minX), (kArtBottom - kArtTop) * S / (maxY - minY)) * 0.95;
    for (Point& p : path)
        p = {kArtX * S + (p.x - (minX + maxX) / 2) * scale, kArtY * S + (p.y - (minY + maxY) / 2) * scale};
    fill(t, polyline(path, 0.32 * scale), colour);
}

void fern(Image& t, Rgba colour)
{
    // Barnsley's fern, by the chaos game with a fixed seed.
    std::uint32_t state = 12345;
    double x = 0, y = 0;
    for (int i = 0; i < 60000; ++i) {
        state = state * 1664525u + 1013904223u;
        double r = (state >> 8) / double(1 << 24), nx, ny;
        if (r < 0.01) { nx = 0; ny = 0.16 * y; }
        else if (r < 0.86) { nx = 0.85 * x + 0.04 * y; ny = -0.04 * x + 0.85 * y + 1.6; }
        else if (r < 0.93) { nx = 0.2 * x - 0.26 * y; ny = 0.23 * x + 0.22 * y + 1.6; }
        else { nx = -0.15 * x + 0.28 * y; ny = 0.26 * x + 0.24 * y + 0.44; }
        x = nx;
        y = ny;
        int px = int(kArtX * S + x * 2.2 * S), py = int(kArtBottom * S - y * 3.0 * S);
        for (int k = 0; k < 4; ++k)
            t.blend(px + k % 2, py + k / 2, colour);
    }
}

SheetArt fractalBrightSheet()
{
    FaceStyle face{rgb(255, 255, 255), rgb(236, 240, 246), rgb(140, 150, 176)};
    std::vector<Image> tiles;
    const double w = (kArtRight - kArtLeft) * S, h = (kArtBottom - kArtTop) * S;
    const double left = kArtLeft * S, top = kArtTop * S, cx = kArtX * S, cy = kArtY * S;
    for (const NamedColour& named : brightColours()) {
        const Rgba colour = lifted(named.colour, named.fractalLift);
        for (int figure = 0; figure < kSheetColumns; ++figure) {
            Image t = blankTile(face);
            markGround(t, named);
            switch (figure) {
            case 0: sierpinski(t, {cx, top + 0.12 * h}, {left, top + 0.88 * h}, {left + w, top + 0.88 * h}, 2, colour); break;
            case 1: carpet(t, left, cy - w / 2, w, 2, colour); break;
            case 2: {
                std::vector<Point> outline;
                double r = w * 0.5;
                Point p[3];
                for (int k = 0; k < 3; ++k)
                    p[k] = {cx + r * std::cos(-kPi / 2 + k * 2 * kPi / 3), cy + 0.1 * r + r * std::sin(-kPi / 2 + k * 2 * kPi / 3)};
                for (int k = 0; k < 3; ++k)
                    kochSide(outline, p[k], p[(k + 1) % 3], 3);
                fill(t, polygon(outline), colour);
                break;
            }
            case 3: pythagoras(t, {cx - 0.15 * w, top + h}, {cx + 0.15 * w, top + h}, 6, colour); break;
            case 4: dragon(t, colour); break;
            case 5: fern(t, colour); break;
            case 6: vicsek(t, left, cy - w / 2, w, 2, colour); break;
            case 7: hTree(t, cx, cy, w * 0.75, true, 6, colour); break;
            default: circles(t, cx, cy, w * 0.48, 2, colour); break;
            }
            tiles.push_back(t);
        }
    }
    return {tiles, colouredNames(brightColourNames(), {"triangles", "carpet", "snowflake", "square tree",
                                                                 "dragon", "fern", "cross", "H tree", "circles"})};
}

// ---- Shapes shared by "Easy" (flat) and "Plastic" (glossy).
Shape easyShape(int kind)
{
    const double cx = kArtX * S, cy = kArtY * S, r = 10.5 * S;
    switch (kind) {
    case 0: return circle(cx, cy, r);
    case 1: return box(cx - 0.85 * r, cy - 0.85 * r, cx + 0.85 * r, cy + 0.85 * r);
    case 2: return regular(cx, cy + 0.2 * r, 3, 1.15 * r, 0);
    case 3: return regular(cx, cy, 4, 1.15 * r, 0);
    case 4: return star(cx, cy + 0.1 * r, 5, 0.45 * r, 1.1 * r, 0);
    case 5: return heart(cx, cy, 0.85 * r);
    case 6: return unite(box(cx - r, cy - 0.33 * r, cx + r, cy + 0.33 * r), box(cx - 0.33 * r, cy - r, cx + 0.33 * r, cy + r));
    case 7: return subtract(circle(cx, cy, r), circle(cx + 0.5 * r, cy - 0.25 * r, 0.85 * r));
    default: return ring(cx, cy, 0.62 * r, r);
    }
}

Shape plasticShape(int kind)
{
    const double cx = kArtX * S, cy = kArtY * S, r = 10.5 * S;
    switch (kind) {
    case 0: return circle(cx, cy, r);
    case 1: return ring(cx, cy, 0.55 * r, r);
    case 2: return roundedBox(cx - 0.5 * r, cy - 1.3 * r, cx + 0.5 * r, cy + 1.3 * r, 0.5 * r);
    case 3: return roundedBox(cx - 0.9 * r, cy - 0.9 * r, cx + 0.9 * r, cy + 0.9 * r, 0.3 * r);
    case 4: return star(cx, cy + 0.1 * r, 5, 0.6 * r, 1.2 * r, 0);
    case 5: return heart(cx, cy, 0.9 * r);
    case 6: {
        Shape petals = circle(cx, cy, 0.4 * r);
        for (int k = 0; k < 5; ++k)
            petals = unite(petals, circle(cx + 0.55 * r * std::cos(k * 2 * kPi / 5 - kPi / 2),
                                          cy + 0.55 * r * std::sin(k * 2 * kPi / 5 - kPi / 2), 0.45 * r));
        return petals;
    }
    case 7: return unite(circle(cx, cy + 0.35 * r, 0.75 * r), regular(cx, cy - 0.35 * r, 3, 0.85 * r, 0));
    default: return polygon({{cx - 0.3 * r, cy - 1.3 * r}, {cx + 0.8 * r, cy - 1.3 * r}, {cx + 0.2 * r, cy - 0.2 * r},
                             {cx + 0.8 * r, cy - 0.2 * r}, {cx - 0.6 * r, cy + 1.35 * r}, {cx - 0.1 * r, cy + 0.2 * r},
                             {cx - 0.7 * r, cy + 0.2 * r}});
    }
}

SheetArt easySheet()
{
    FaceStyle face{rgb(255, 255, 250), rgb(240, 240, 230), rgb(150, 150, 130)};
    std::vector<Image> tiles;
    for (const NamedColour& c : brightColours())
        for (int kind = 0; kind < kSheetColumns; ++kind) {
            Image t = blankTile(face);
            fillOutlined(t, easyShape(kind), c.colour, scaled(c.colour, 0.55f), 0.8 * S);
            paint(t, easyShape(kind), marked(c));  // the fill in its marked tones
            tiles.push_back(t);
        }
    return {tiles, colouredNames(brightColourNames(), {"circle", "square", "triangle", "diamond", "star",
                                                                 "heart", "cross", "crescent", "ring"})};
}

// Distance of every inside pixel to the shape's edge (two-pass chamfer), in pixels.
std::vector<float> edgeDistance(const Image& mask)
{
    const int w = mask.width(), h = mask.height();
    const float far = 1e6f;
    std::vector<float> d(std::size_t(w * h));
    for (int i = 0; i < w * h; ++i)
        d[std::size_t(i)] = mask.at(i % w, i / w).a > 0.5f ? far : 0;
    auto at = [&](int x, int y) { return (x < 0 || y < 0 || x >= w || y >= h) ? 0.0f : d[std::size_t(x + y * w)]; };
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            float& v = d[std::size_t(x + y * w)];
            v = std::min({v, at(x - 1, y) + 1, at(x, y - 1) + 1, at(x - 1, y - 1) + 1.414f, at(x + 1, y - 1) + 1.414f});
        }
    for (int y = h - 1; y >= 0; --y)
        for (int x = w - 1; x >= 0; --x) {
            float& v = d[std::size_t(x + y * w)];
            v = std::min({v, at(x + 1, y) + 1, at(x, y + 1) + 1, at(x + 1, y + 1) + 1.414f, at(x - 1, y + 1) + 1.414f});
        }
    return d;
}

// Shades a shape as a rounded, shiny plastic button lit from the top left.
void glossy(Image& t, const Shape& shape, const std::function<Rgba(double, double)>& colourAt)
{
    Image mask(t.width(), t.height());
    fill(mask, shape, rgb(255, 255, 255));
    std::vector<float> d = edgeDistance(mask);
    const float bevel = 3.5f * S;
    auto height = [&](int x, int y) {
        x = std::clamp(x, 0, t.width() - 1);
        y = std::clamp(y, 0, t.height() - 1);
        float u = std::min(d[std::size_t(x + y * t.width())] / bevel, 1.0f);
        return bevel * std::sqrt(std::max(0.0f, 1 - (1 - u) * (1 - u)));
    };
    const float lx = -0.5f, ly = -0.6f, lz = 0.62f;
    fill(t, moved(shape, 0.8 * S, 1.0 * S), withAlpha(rgb(40, 40, 40), 0.35f));
    paint(t, shape, [&](double px, double py) {
        int x = int(px), y = int(py);
        float nx = (height(x - 1, y) - height(x + 1, y)) / 2, ny = (height(x, y - 1) - height(x, y + 1)) / 2, nz = 1;
        float len = std::sqrt(nx * nx + ny * ny + nz * nz);
        nx /= len; ny /= len; nz /= len;
        float diffuse = std::max(0.0f, nx * lx + ny * ly + nz * lz);
        // Blinn's half vector between the light and the viewer, who looks along z.
        float hl = std::sqrt(lx * lx + ly * ly + (lz + 1) * (lz + 1));
        float shine = std::pow(std::max(0.0f, (nx * lx + ny * ly + nz * (lz + 1)) / hl), 30.0f);
        Rgba c = scaled(colourAt(px, py), 0.45f + 0.75f * diffuse);
        return mix(c, rgb(255, 255, 255), std::min(1.0f, shine * 0.9f));
    });
}

SheetArt plasticSheet()
{
    FaceStyle face{rgb(244, 246, 250), rgb(218, 224, 234), rgb(110, 120, 140)};
    std::vector<Image> tiles;
    for (const NamedColour& c : brightColours())
        for (int kind = 0; kind < kSheetColumns; ++kind) {
            Image t = blankTile(face);
            glossy(t, plasticShape(kind), marked(c));
            tiles.push_back(t);
        }
    return {tiles, colouredNames(brightColourNames(), {"ball", "ring", "bar", "square", "star", "heart",
                                                                 "flower", "drop", "lightning bolt"})};
}

// ---- Child's: animals, fruit and toys in full colour.
SheetArt childSheet(const Fonts& fonts)
{
    const std::vector<Sign> pictures = {
        {0x1F436, "dog"}, {0x1F431, "cat"}, {0x1F42D, "mouse"}, {0x1F430, "rabbit"}, {0x1F98A, "fox"},
        {0x1F43B, "bear"}, {0x1F43C, "panda"}, {0x1F42F, "tiger"}, {0x1F981, "lion"}, {0x1F42E, "cow"},
        {0x1F437, "pig"}, {0x1F438, "frog"}, {0x1F435, "monkey"}, {0x1F414, "hen"}, {0x1F427, "penguin"},
        {0x1F424, "chick"}, {0x1F989, "owl"}, {0x1F984, "unicorn"}, {0x1F41D, "bee"}, {0x1F41E, "ladybird"},
        {0x1F98B, "butterfly"}, {0x1F422, "turtle"}, {0x1F40C, "snail"}, {0x1F419, "octopus"}, {0x1F420, "fish"},
        {0x1F433, "whale"}, {0x1F992, "giraffe"}, {0x1F34E, "apple"}, {0x1F350, "pear", -0.15f}, {0x1F34A, "tangerine"},
        {0x1F34B, "lemon"}, {0x1F34C, "banana"}, {0x1F349, "watermelon"}, {0x1F347, "grapes"},
        {0x1F353, "strawberry"}, {0x1F352, "cherries"}, {0x1F388, "balloon"}, {0x1F9F8, "teddy bear"},
        {0x1F697, "car"}, {0x1F682, "steam engine"}, {0x26BD, "football"}, {0x1F381, "present"},
        {0x1F308, "rainbow"}, {0x1F680, "rocket"}, {0x1F3A8, "paint palette"}};
    FaceStyle face{rgb(255, 252, 240), rgb(250, 238, 214), rgb(196, 150, 110)};
    return signSheet(face, {&fonts.emoji}, pictures, {Rgba{}}, 0);
}

// ---- Primeval art: ancient ideograms of people, beasts, crops, tools and pots, painted in earth colours on stone.
SheetArt primevalSheet(const Fonts& fonts)
{
    const std::vector<Sign> candidates = {
        {0x10080, "man"}, {0x10081, "woman"}, {0x10082, "deer"}, {0x10083, "horse"}, {0x10087, "ram"},
        {0x10089, "goat"}, {0x1008B, "boar"}, {0x1008D, "bull"}, {0x1008E, "wheat"}, {0x1008F, "barley"},
        {0x10090, "olive"}, {0x10092, "rush"}, {0x10095, "oil"}, {0x10096, "wine"}, {0x100A0, "horn"},
        {0x100A7, "cloth"}, {0x100AA, "garment"}, {0x100AB, "armour"}, {0x100B5, "moon"}, {0x100B7, "tree"},
        {0x100C3, "helmet"}, {0x100C9, "sword"}, {0x100CF, "wheel"}, {0x100E1, "vessel 202"},
        {0x100E3, "vessel 204"}, {0x100E5, "vessel 206"}, {0x100E8, "vessel 209"}, {0x100EA, "vessel 211"},
        {0x100EF, "vessel 216"}, {0x100F2, "vessel 219"}, {0x100F5, "vessel 226"}, {0x100F8, "vessel 229"},
        {0x100F9, "vessel 250"}, {0x100FA, "vessel 305"}, {0x1009A, "bronze"}, {0x1009D, "wool"},
        {0x10091, "spice"}, {0x10093, "fruit"}, {0x10097, "sign 132"}, {0x10098, "ointment"}, {0x10099, "honey"},
        {0x1009B, "gold"}, {0x100E0, "vessel 201"}, {0x100E2, "vessel 203"}, {0x100E6, "vessel 207"}};
    const std::vector<Rgba> colours = {rgb(150, 40, 20), rgb(50, 34, 26), rgb(196, 110, 20), rgb(74, 100, 48)};
    FaceStyle face{rgb(232, 222, 200), rgb(204, 190, 164), rgb(120, 100, 80), true};
    return signSheet(face, {&fonts.linearB}, shapelySigns(fonts.linearB, candidates, kTilesPerSheet), colours, 3);
}
}

std::vector<TileSheet> makeTileSheets(const Fonts& fonts)
{
    std::vector<TileSheet> sheets;
    const auto add = [&](int id, const char* name, SheetArt art) {
        std::vector<std::string> names = art.names;
        std::sort(names.begin(), names.end());
        if (art.names.size() != kTilesPerSheet || std::adjacent_find(names.begin(), names.end()) != names.end())
            throw std::runtime_error(std::string("the tiles of ") + name + " need 45 names, all different");
        sheets.push_back({id, name, assemble(art.tiles, 1), assemble(art.tiles, 2), std::move(art.names)});
    };
    add(131, "Egiptian", egyptianSheet(fonts));
    add(134, "Signs", signsSheet(fonts));
    add(135, "Fractal dark", fractalDarkSheet());
    add(136, "Easy", easySheet());
    add(139, "Fractal bright", fractalBrightSheet());
    add(140, "Child's", childSheet(fonts));
    add(167, "Primeval art", primevalSheet(fonts));
    add(168, "Plastic", plasticSheet());
    return sheets;
}

Image tileOf(const TileSheet& sheet, int slot, int scale)
{
    const int w = kTileWidth * scale, h = kTileHeight * scale;
    return (scale == 2 ? sheet.sheet2x : sheet.sheet).crop(slot % kSheetColumns * w, slot / kSheetColumns * h, w, h);
}

std::vector<std::string> tilesSeenAlike(const TileSheet& sheet)
{
    std::vector<std::string> alike;
    for (int scale : {1, 2}) {
        const Image& image = scale == 2 ? sheet.sheet2x : sheet.sheet;
        Picture8 picture{image.width(), image.height(), {}};
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const Colour8 c = toColour8(image.at(x, y));
                picture.pixels.push_back({c.r, c.g, c.b});
            }
        for (const TilePair& pair : pairsTooAlike(picture, kSheetColumns, kSheetRows))
            alike.push_back(std::to_string(sheet.id) + " " + sheet.name + " at " + std::to_string(scale) + "x: " +
                            sheet.names[std::size_t(pair.a)] + ", " + sheet.names[std::size_t(pair.b)] + ": " +
                            describe(pair));
    }
    return alike;
}
