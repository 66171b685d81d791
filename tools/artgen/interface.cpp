#include "interface.h"

#include "draw.h"
#include "files.h"

#include <cmath>

namespace {
const Rgba kSilver = rgb(192, 192, 192);
const Rgba kBlack = rgb(0, 0, 0);
const Rgba kWhite = rgb(255, 255, 255);
const Rgba kNavy = rgb(0, 0, 128);
const Rgba kBlue = rgb(0, 0, 255);
const Rgba kRed = rgb(255, 0, 0);
const Rgba kMaroon = rgb(128, 0, 0);
const Rgba kGreen = rgb(0, 128, 0);
const Rgba kYellow = rgb(255, 255, 0);
const Rgba kGrey = rgb(128, 128, 128);
const Rgba kOlive = rgb(128, 128, 0);
const Rgba kTeal = rgb(0, 128, 128);

const Rgba kDialogFace = rgb(116, 191, 226);
const Rgba kTipInk = rgb(0, 56, 168);
const Rgba kLinkRed = rgb(226, 24, 24);

// Text at the picture's scale: size and baseline start (x, y) are in units.
void write(Image& image, const Font& font, const std::string& text, int px, int x, int y, Rgba colour)
{
    const int unit = image.scale();
    font.draw(image, text, px * unit, x * unit, y * unit, colour);
}

// Text with hard edges, for the sixteen-colour tool bar.
void crispText(Image& image, const Font& font, const std::string& text, int px, int x, int y, Rgba colour)
{
    Image layer(image.width(), image.height());
    layer.setScale(image.scale());
    write(layer, font, text, px, x, y, colour);
    for (int py = 0; py < image.height(); ++py)
        for (int qx = 0; qx < image.width(); ++qx)
            if (layer.at(qx, py).a > 0.45f)
                image.at(qx, py) = colour;
}

void drawButtonIcon(Image& b, int which, const Fonts& fonts)
{
    switch (which) {
    case 0: {  // New: a fresh page with a spark
        fillOutlined(b, polygon({{7, 4}, {16, 4}, {20, 8}, {20, 22}, {7, 22}}), kWhite, kBlack, 1);
        fill(b, polygon({{15.5, 4}, {20, 8.5}, {15.5, 8.5}}), kSilver);
        fill(b, polyline({{15.5, 4}, {15.5, 8.5}, {20, 8.5}}, 0.5), kBlack);
        for (int k = 0; k < 3; ++k)
            fill(b, box(10, 12.5 + 3 * k, 17, 13.5 + 3 * k), kGrey);
        fillOutlined(b, star(7, 7, 4, 1.4, 5, 0), kYellow, kOlive, 1);
        break;
    }
    case 1:  // Help me!: a life buoy
        fill(b, ring(13, 12.5, 3.6, 10), kBlack);
        fill(b, ring(13, 12.5, 4.5, 9), kWhite);
        fill(b, intersect(ring(13, 12.5, 4.5, 9), [](double x, double y) { return (x - 13) * (y - 12.5) > 0; }), kRed);
        break;
    case 2:  // Hint: a lit bulb
        fillOutlined(b, unite(circle(13, 9.5, 6), box(10, 13, 16, 16)), kYellow, kBlack, 1);
        fillOutlined(b, box(10, 17, 16, 21), kGrey, kBlack, 1);
        fill(b, box(11, 19, 15, 19.6), kBlack);
        fill(b, box(11.5, 6, 12.5, 9), kWhite);
        break;
    case 3:  // Auto: solve and replay
        fillOutlined(b, polygon({{9, 2.5}, {17, 7}, {9, 11.5}}), rgb(0, 255, 0), kGreen, 1);
        crispText(b, fonts.sansBold, "Auto", 9, 1, 22, kNavy);
        break;
    case 4:  // Undo: an arrow that turns back
        fill(b, unite(unite(box(8, 6.5, 15.5, 10.5), box(9, 17.5, 15.5, 21.5)),
                      intersect(ring(15.5, 14, 3.5, 7.5), box(15.5, 0, 26, 25))),
             kNavy);
        fill(b, polygon({{2.5, 8.5}, {9.5, 2}, {9.5, 15}}), kNavy);
        fill(b, unite(unite(box(8.8, 7.5, 15.5, 9.5), box(9.5, 18.5, 15.5, 20.5)),
                      intersect(ring(15.5, 14, 4.5, 6.5), box(15.5, 0, 26, 25))),
             kBlue);
        fill(b, polygon({{4.3, 8.5}, {8.5, 4.5}, {8.5, 12.5}}), kBlue);
        break;
    case 5:  // Sound ON: a speaker with waves
        fillOutlined(b, polygon({{4, 9}, {8, 9}, {13, 4}, {13, 21}, {8, 16}, {4, 16}}), kGrey, kBlack, 1);
        fill(b, intersect(ring(13, 12.5, 4, 5.5), box(15, 0, 26, 25)), kBlue);
        fill(b, intersect(ring(13, 12.5, 7.5, 9), box(16, 0, 26, 25)), kBlue);
        break;
    case 6:  // Next tiles: two tiles and an arrow to the next set
        fillOutlined(b, box(3, 3, 10, 13), kWhite, kBlack, 1);
        fill(b, circle(6.5, 8, 2.3), kRed);
        fillOutlined(b, box(13, 11, 20, 21), kWhite, kBlack, 1);
        fill(b, regular(16.5, 16, 4, 2.8, 0), kBlue);
        fill(b, unite(box(4, 17, 7.5, 19), polygon({{7, 14}, {11.5, 18}, {7, 22}})), kGreen);
        break;
    case 7:  // Pause: two bars
        fillOutlined(b, box(7.5, 5, 11, 20), kNavy, kBlack, 0.6);
        fillOutlined(b, box(15, 5, 18.5, 20), kNavy, kBlack, 0.6);
        break;
    case 8:  // Help: an open book
        fillOutlined(b, polygon({{2.5, 6}, {12.5, 8}, {12.5, 21}, {2.5, 19}}), kWhite, kBlack, 1);
        fillOutlined(b, polygon({{13.5, 8}, {23.5, 6}, {23.5, 19}, {13.5, 21}}), kWhite, kBlack, 1);
        for (int k = 0; k < 3; ++k) {
            fill(b, segment(4.5, 10 + 3 * k, 10.5, 11.2 + 3 * k, 0.5), kTeal);
            fill(b, segment(15.5, 11.2 + 3 * k, 21.5, 10 + 3 * k, 0.5), kTeal);
        }
        break;
    case 9:  // About: a question mark
        fillOutlined(b, circle(13, 12.5, 9), kBlue, kNavy, 1);
        crispText(b, fonts.sansBold, "?", 15, 9, 18, kWhite);
        break;
    default:  // Exit: a door and an arrow leaving through it
        fillOutlined(b, box(4, 3, 14, 22), kMaroon, kBlack, 1);
        fill(b, circle(12, 13, 1), kYellow);
        fill(b, unite(box(11, 11, 18, 14), polygon({{17, 7.5}, {23, 12.5}, {17, 17.5}})), kRed);
        break;
    }
}

// The tool bar as the program shows it: raised buttons with the pictures of the strip at the given scale.
Image toolbarAsShown(const Image& strip, int scale)
{
    const int buttonW = kToolbarButtonWidth + 7, buttonH = kToolbarHeight + 6;
    Image bar((kToolbarButtons * buttonW + 6) * scale, (buttonH + 6) * scale, rgb(212, 208, 200));
    bar.setScale(scale);
    fill(bar, box(0, 0, bar.width(), 1), kWhite);
    for (int i = 0; i < kToolbarButtons; ++i) {
        int x = 3 + i * buttonW, y = 3;
        fill(bar, box(x + 1, y + 1, x + buttonW, y + buttonH), rgb(128, 128, 128));
        fill(bar, box(x, y, x + buttonW - 1, y + buttonH - 1), kWhite);
        fill(bar, box(x + 1, y + 1, x + buttonW - 1, y + buttonH - 1), rgb(212, 208, 200));
        Image face = strip.crop(i * kToolbarButtonWidth * scale, 0, kToolbarButtonWidth * scale, kToolbarHeight * scale);
        for (int py = 0; py < face.height(); ++py)
            for (int px = 0; px < face.width(); ++px)
                if (face.at(px, py).r == 192 && face.at(px, py).g == 192 && face.at(px, py).b == 192)
                    face.at(px, py) = rgb(212, 208, 200);
        bar.paste(face, (x + 3) * scale, (y + 3) * scale);
    }
    return bar;
}

// The light-blue panel of a tip; the program writes the tip's title and text
// at its top left, in the player's language.
Image tipPanel(int scale)
{
    Image tip(450 * scale, 200 * scale);
    tip.setScale(scale);
    paint(tip, box(0, 0, 450, 200), [](double, double y) { return mix(rgb(222, 240, 252), rgb(186, 220, 244), float(y / 200)); });
    fill(tip, subtract(box(0, 0, 450, 200), box(2, 2, 448, 198)), rgb(90, 150, 210));
    return tip;
}

// A ring round a spot of a picture, to point at it.
void markSpot(Image& image, double cx, double cy, double rx, double ry)
{
    fill(image, subtract(ellipse(cx, cy, rx + 2, ry + 2), ellipse(cx, cy, rx - 0.5, ry - 0.5)), kLinkRed);
}

void drawLink(Image& image, const std::vector<Point>& points)
{
    fill(image, polyline(points, 1.6), kLinkRed);
}

// A tile of the sheet at the picture's scale, stretched to w x h units with its top left at (x, y).
void drawTile(Image& image, const TileSheet& sheet, int slot, int x, int y, int w, int h)
{
    const int unit = image.scale();
    image.paste(tileOf(sheet, slot, unit).stretchNearest(w * unit, h * unit), x * unit, y * unit);
}

// A block of tiles of one sheet at the given tile size; a negative slot leaves the cell empty.
void drawTiles(Image& image, const TileSheet& sheet, const std::vector<std::vector<int>>& slots, int x, int y, int w, int h)
{
    for (std::size_t row = 0; row < slots.size(); ++row)
        for (std::size_t col = 0; col < slots[row].size(); ++col)
            if (slots[row][col] >= 0)
                drawTile(image, sheet, slots[row][col], x + int(col) * w, y + int(row) * h, w, h);
}

struct MenuItem {
    std::string text;
    std::string key = "";
    bool submenu = false;
    bool checked = false;
};

const int kMenuItemHeight = 17;
const int kMenuFontSize = 11;
const Rgba kMenuFace = rgb(244, 244, 240);
const Rgba kMenuSelection = rgb(10, 36, 106);

// A pop-up menu as Windows draws one; the item at index highlight is selected. Returns its size.
Point drawMenu(Image& image, const Fonts& fonts, int x, int y, const std::vector<MenuItem>& items, int highlight)
{
    int width = 0;
    for (const MenuItem& item : items) {
        int keyWidth = item.key.empty() ? 0 : fonts.sans.measure(item.key, kMenuFontSize) + 16;
        width = std::max(width, 18 + fonts.sans.measure(item.text, kMenuFontSize) + keyWidth + (item.submenu ? 16 : 0) + 12);
    }
    const int height = int(items.size()) * kMenuItemHeight + 4;
    fill(image, box(x + 2, y + 2, x + width + 2, y + height + 2), withAlpha(kBlack, 0.3f));
    fillOutlined(image, box(x, y, x + width - 1, y + height - 1), kMenuFace, rgb(120, 120, 120), 1);
    for (std::size_t i = 0; i < items.size(); ++i) {
        const int top = y + 2 + int(i) * kMenuItemHeight;
        Rgba ink = kBlack;
        if (int(i) == highlight) {
            fill(image, box(x + 2, top, x + width - 3, top + kMenuItemHeight - 1), kMenuSelection);
            ink = kWhite;
        }
        if (items[i].checked)
            fill(image, polyline({{x + 6.0, top + 8.0}, {x + 8.5, top + 11.5}, {x + 13.0, top + 4.5}}, 0.9), ink);
        write(image, fonts.sans, items[i].text, kMenuFontSize, x + 18, top + 12, ink);
        if (!items[i].key.empty())
            write(image, fonts.sans, items[i].key, kMenuFontSize,
                  x + width - 14 - fonts.sans.measure(items[i].key, kMenuFontSize), top + 12, ink);
        if (items[i].submenu)
            fill(image, polygon({{x + width - 10.0, top + 4.5}, {x + width - 6.0, top + 8.5}, {x + width - 10.0, top + 12.5}}), ink);
    }
    return {double(width), double(height)};
}

const char* const kMenuTitles[] = {"File", "Edit", "Game", "Help"};
const int kMenuTitleGap = 14;

// Where the "Game" pop-up opens, from the left end of the menu bar.
int gameMenuOffset(const Fonts& fonts)
{
    return 2 + fonts.sans.measure("File", kMenuFontSize) + fonts.sans.measure("Edit", kMenuFontSize) + 2 * kMenuTitleGap;
}

// The program's menu bar with "Game" open.
void drawMenuBar(Image& image, const Fonts& fonts, int x, int y)
{
    fill(image, box(x, y, 448, y + 18), kMenuFace);
    int pen = x + 6;
    for (const char* title : kMenuTitles) {
        int w = fonts.sans.measure(title, kMenuFontSize);
        Rgba ink = kBlack;
        if (std::string(title) == "Game") {
            fill(image, box(pen - 4, y + 1, pen + w + 4, y + 17), kMenuSelection);
            ink = kWhite;
        }
        write(image, fonts.sans, title, kMenuFontSize, pen, y + 13, ink);
        pen += w + kMenuTitleGap;
    }
}

std::vector<MenuItem> gameMenu()
{
    return {{"Set size", "", true},  {"Size of tiles", "", true}, {"Help me!"}, {"Hint"},
            {"Next tiles"},          {"Pouse", "P"},              {"Animation", "", false, true}};
}

Image tipMatches(const TileSheet& sheet, int scale)
{
    Image tip = tipPanel(scale);
    const int w = 30, h = 40, x0 = 262, y0 = 30;
    drawTiles(tip, sheet, {{3, 12, 7, 21, 5}, {0, -1, -1, 30, 8}, {14, 26, -1, 18, 3}, {2, 9, -1, -1, 0}}, x0, y0, w, h);
    markSpot(tip, x0 + 0.5 * w, y0 + 1.5 * h, 17, 22);
    markSpot(tip, x0 + 4.5 * w, y0 + 3.5 * h, 17, 22);
    drawLink(tip, {{x0 + w - 6.0, y0 + 1.5 * h}, {x0 + 2.5 * w, y0 + 1.5 * h}, {x0 + 2.5 * w, y0 + 3.5 * h},
                   {x0 + 4.0 * w + 6, y0 + 3.5 * h}});
    return tip;
}

Image tipAroundTheEdge(const TileSheet& sheet, int scale)
{
    Image tip = tipPanel(scale);
    const int w = 30, h = 40, x0 = 262, y0 = 48;
    fill(tip, box(x0 - 14, y0 - 18, x0 + 5 * w + 14, y0 + 3 * h + 10), withAlpha(kWhite, 0.35f));
    drawTiles(tip, sheet, {{16, 4, 22, 35, 16}, {1, 29, 6, 19, 25}, {33, 13, 24, 10, 38}}, x0, y0, w, h);
    markSpot(tip, x0 + 0.5 * w, y0 + 0.5 * h, 17, 22);
    markSpot(tip, x0 + 4.5 * w, y0 + 0.5 * h, 17, 22);
    drawLink(tip, {{x0 + 0.5 * w, y0 + 0.5 * h - 14}, {x0 + 0.5 * w, y0 - 10}, {x0 + 4.5 * w, y0 - 10},
                   {x0 + 4.5 * w, y0 + 0.5 * h - 14}});
    return tip;
}

Image tipToolbarButton(const Image& strip, int button, int scale)
{
    Image tip = tipPanel(scale);
    Image bar = toolbarAsShown(strip, scale);
    const int x0 = (450 - bar.width() / scale) / 2, y0 = 200 - bar.height() / scale - 26;
    tip.paste(bar, x0 * scale, y0 * scale);
    double cx = x0 + 3 + (button + 0.5) * (kToolbarButtonWidth + 7), cy = y0 + 3 + (kToolbarHeight + 6) / 2.0;
    markSpot(tip, cx, cy, 19, 19);
    fill(tip, unite(segment(cx, cy - 60, cx, cy - 26, 1.8), polygon({{cx - 6, cy - 30}, {cx + 6, cy - 30}, {cx, cy - 22}})), kLinkRed);
    return tip;
}

Image tipTileSizes(const Fonts& fonts, const TileSheet& sheet, int scale)
{
    Image tip = tipPanel(scale);
    const int barX = 190;
    drawMenuBar(tip, fonts, barX, 40);
    Point game = drawMenu(tip, fonts, barX + gameMenuOffset(fonts), 58, gameMenu(), 1);
    drawMenu(tip, fonts, barX + gameMenuOffset(fonts) + int(game.x) - 3, 58 + kMenuItemHeight,
             {{"Normal", "", false, true}, {"Big"}, {"Biggest"}}, -1);
    const int widths[3] = {30, 39, 51}, heights[3] = {40, 52, 68}, lefts[3] = {12, 54, 105};
    const char* labels[3] = {"Normal", "Big", "Biggest"};
    for (int k = 0; k < 3; ++k) {
        drawTile(tip, sheet, 5, lefts[k], 176 - heights[k], widths[k], heights[k]);
        write(tip, fonts.sans, labels[k], 11, lefts[k] + widths[k] / 2 - fonts.sans.measure(labels[k], 11) / 2, 191, kTipInk);
    }
    return tip;
}

Image tipBoardSizes(const Fonts& fonts, int scale)
{
    Image tip = tipPanel(scale);
    const int barX = 190;
    drawMenuBar(tip, fonts, barX, 12);
    Point game = drawMenu(tip, fonts, barX + gameMenuOffset(fonts), 30, gameMenu(), 0);
    std::vector<MenuItem> sizes;
    for (const char* s : {"8 x 10", "8 x 18", "8 x 20", "10 x 18", "12 x 12", "12 x 16", "12 x 24", "16 x 10", "20 x 16"})
        sizes.push_back({s, "", false, std::string(s) == "8 x 18"});
    drawMenu(tip, fonts, barX + gameMenuOffset(fonts) + int(game.x) - 3, 30, sizes, -1);
    return tip;
}

Image tipHint(const Image& strip, const TileSheet& sheet, int scale)
{
    Image tip = tipToolbarButton(strip, 2, scale);
    const int w = 30, h = 40, x0 = 270, y0 = 92;
    drawTiles(tip, sheet, {{9, 20, -1, -1, 9}}, x0, y0, w, h);
    drawLink(tip, {{x0 + 0.5 * w, y0 + 6.0}, {x0 + 0.5 * w, y0 - 6.0}, {x0 + 4.5 * w, y0 - 6.0}, {x0 + 4.5 * w, y0 + 6.0}});
    return tip;
}
}

const std::vector<Colour8>& toolbarPalette()
{
    static const std::vector<Colour8> palette = {
        {0, 0, 0},     {128, 0, 0},     {0, 128, 0},   {128, 128, 0}, {0, 0, 128},   {128, 0, 128},
        {0, 128, 128}, {192, 192, 192}, {128, 128, 128}, {255, 0, 0}, {0, 255, 0},   {255, 255, 0},
        {0, 0, 255},   {255, 0, 255},   {0, 255, 255}, {255, 255, 255}};
    return palette;
}

Image makeToolbar(const Fonts& fonts, int scale)
{
    const int w = kToolbarButtonWidth * scale, h = kToolbarHeight * scale;
    Image strip(kToolbarButtons * w, h, kSilver);
    for (int i = 0; i < kToolbarButtons; ++i) {
        Image button(w, h, kSilver);
        button.setScale(scale);
        drawButtonIcon(button, i, fonts);
        strip.paste(button, i * w, 0);
    }
    return strip;
}

std::vector<Picture> makeButtons(int scale)
{
    std::vector<Picture> out;
    struct Face {
        const char* file;
        int width;
        bool pressed;
    };
    // The faces only: the program writes each button's caption on its face.
    for (const Face& f : {Face{"button146.bmp", 80, false}, Face{"button147.bmp", 80, true},
                          Face{"button149.bmp", 160, false}, Face{"button150.bmp", 160, true}}) {
        const int S = 4, w = f.width, h = 40;
        Image big(w * S, h * S, kDialogFace);
        Rgba light = f.pressed ? rgb(40, 90, 140) : rgb(240, 250, 255);
        Rgba dark = f.pressed ? rgb(230, 244, 252) : rgb(30, 80, 130);
        fill(big, roundedBox(1 * S, 1 * S, (w - 1) * S, (h - 1) * S, 7 * S), rgb(20, 60, 110));
        fill(big, roundedBox(2 * S, 2 * S, (w - 2) * S, (h - 2) * S, 6 * S), dark);
        fill(big, roundedBox(2 * S, 2 * S, (w - 3.5) * S, (h - 3.5) * S, 6 * S), light);
        paint(big, roundedBox(3.5 * S, 3.5 * S, (w - 3.5) * S, (h - 3.5) * S, 5 * S), [&](double, double y) {
            float t = float(y / (h * S));
            return f.pressed ? mix(rgb(120, 186, 220), rgb(150, 210, 238), t) : mix(rgb(176, 222, 246), rgb(120, 192, 228), t);
        });
        out.push_back({scaledName(f.file, scale), big.shrink(S / scale)});
    }
    return out;
}

std::vector<Picture> makeTips(const Fonts& fonts, const Image& toolbar, const std::vector<TileSheet>& sheets, int scale)
{
    const TileSheet& sheet = sheets.front();
    std::vector<Picture> tips = {
        {"tip160.bmp", tipMatches(sheet, scale)},
        {"tip161.bmp", tipAroundTheEdge(sheets[3], scale)},
        {"tip162.bmp", tipToolbarButton(toolbar, 3, scale)},
        {"tip163.bmp", tipToolbarButton(toolbar, 4, scale)},
        {"tip164.bmp", tipTileSizes(fonts, sheet, scale)},
        {"tip165.bmp", tipBoardSizes(fonts, scale)},
        {"tip166.bmp", tipHint(toolbar, sheet, scale)},
    };
    for (Picture& tip : tips)
        tip.file = scaledName(tip.file, scale);
    return tips;
}

std::vector<Image> makeIcons()
{
    std::vector<Image> icons;
    for (int size : {16, 32}) {
        const int S = 8;
        const double u = size * S / 32.0;
        Image big(size * S, size * S);
        for (int k = 0; k < 2; ++k) {
            double x = (2 + 15 * k) * u, y = (6 - 3 * k) * u;
            fill(big, roundedBox(x, y, x + 13 * u, y + 20 * u, 2 * u), rgb(150, 110, 60));
            fill(big, roundedBox(x, y, x + 11.5 * u, y + 18.5 * u, 2 * u), rgb(250, 240, 210));
            fill(big, regular(x + 5.75 * u, y + 9.25 * u, 4, 4.8 * u, 0), rgb(30, 70, 190));
        }
        fill(big, polyline({{7.75 * u, 9 * u}, {7.75 * u, 1.5 * u}, {22.75 * u, 1.5 * u}, {22.75 * u, 6 * u}}, 1.3 * u),
             kLinkRed);
        icons.push_back(big.shrink(S));
    }
    return icons;
}
