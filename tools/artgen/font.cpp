#include "font.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <stdexcept>

namespace {
FT_Library library()
{
    static FT_Library lib = [] {
        FT_Library l = nullptr;
        if (FT_Init_FreeType(&l) != 0)
            throw std::runtime_error("FreeType cannot start");
        return l;
    }();
    return lib;
}

bool isColourFont(FT_Face face) { return FT_HAS_COLOR(face) && !FT_IS_SCALABLE(face); }
}

std::u32string decodeUtf8(const std::string& utf8)
{
    std::u32string out;
    for (std::size_t i = 0; i < utf8.size();) {
        unsigned char c = utf8[i];
        int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
        char32_t cp = extra == 0 ? c : c & (0x3F >> extra);
        for (int k = 1; k <= extra && i + k < utf8.size(); ++k)
            cp = (cp << 6) | (utf8[i + k] & 0x3F);
        out.push_back(cp);
        i += extra + 1;
    }
    return out;
}

Font::Font(const std::string& path)
{
    if (FT_New_Face(library(), path.c_str(), 0, &m_face) != 0)
        throw std::runtime_error("cannot read font " + path);
}

Font::~Font() { FT_Done_Face(m_face); }

bool Font::has(char32_t codepoint) const { return FT_Get_Char_Index(m_face, codepoint) != 0; }

void Font::load(char32_t codepoint, int px) const
{
    FT_Int32 flags = FT_LOAD_RENDER;
    if (isColourFont(m_face)) {
        FT_Select_Size(m_face, 0);
        flags |= FT_LOAD_COLOR;
    } else {
        FT_Set_Pixel_Sizes(m_face, 0, px);
    }
    if (FT_Load_Char(m_face, codepoint, flags) != 0)
        throw std::runtime_error("cannot render a glyph");
}

Image Font::glyph(char32_t codepoint, int px, Rgba colour) const
{
    load(codepoint, px);
    const FT_Bitmap& bm = m_face->glyph->bitmap;
    Image out(int(bm.width), int(bm.rows));
    for (int y = 0; y < int(bm.rows); ++y) {
        const unsigned char* row = bm.buffer + y * bm.pitch;
        for (int x = 0; x < int(bm.width); ++x) {
            if (bm.pixel_mode == FT_PIXEL_MODE_BGRA) {
                const unsigned char* p = row + 4 * x;
                float a = p[3] / 255.0f;
                if (a > 0)
                    out.at(x, y) = Rgba{p[2] / a, p[1] / a, p[0] / a, a};
            } else {
                out.at(x, y) = withAlpha(colour, row[x] / 255.0f);
            }
        }
    }
    return out;
}

int Font::draw(Image& image, const std::string& utf8, int px, int x, int y, Rgba colour) const
{
    int pen = x;
    for (char32_t cp : decodeUtf8(utf8)) {
        Image g = glyph(cp, px, colour);
        image.paste(g, pen + m_face->glyph->bitmap_left, y - m_face->glyph->bitmap_top);
        pen += int(m_face->glyph->advance.x >> 6);
    }
    return pen - x;
}

int Font::measure(const std::string& utf8, int px) const
{
    int width = 0;
    for (char32_t cp : decodeUtf8(utf8)) {
        load(cp, px);
        width += int(m_face->glyph->advance.x >> 6);
    }
    return width;
}
