#pragma once
#include "image.h"

#include <string>

struct FT_FaceRec_;

// One font file, read with FreeType. Colour fonts (emoji) keep their own colours.
class Font {
public:
    explicit Font(const std::string& path);
    ~Font();
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    bool has(char32_t codepoint) const;
    // Draws text with the start of its baseline at (x, y); returns its advance width.
    int draw(Image& image, const std::string& utf8, int px, int x, int y, Rgba colour) const;
    int measure(const std::string& utf8, int px) const;
    // The glyph alone, cropped to its ink, in the given colour (colour fonts ignore it).
    Image glyph(char32_t codepoint, int px, Rgba colour) const;

private:
    void load(char32_t codepoint, int px) const;
    FT_FaceRec_* m_face = nullptr;
};

std::u32string decodeUtf8(const std::string& utf8);
