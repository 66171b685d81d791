#include "contact.h"

#include <algorithm>
#include <string>

namespace {
const int kWidth = 1230, kMargin = 10, kLabel = 18;
const Rgba kPaper = rgb(236, 236, 236);
const Rgba kInk = rgb(20, 20, 20);

// Places pictures left to right, starting a new row when one does not fit.
class Layout {
public:
    explicit Layout(Image& page, const Font& font) : m_page(page), m_font(font) {}
    void place(const Image& picture, const std::string& label)
    {
        if (m_x + picture.width() > kWidth - kMargin)
            newRow();
        m_font.draw(m_page, label, 12, m_x, m_y + 13, kInk);
        m_page.paste(picture, m_x, m_y + kLabel);
        m_x += std::max(picture.width(), m_font.measure(label, 12)) + kMargin;
        m_rowHeight = std::max(m_rowHeight, picture.height() + kLabel);
    }
    void newRow()
    {
        m_x = kMargin;
        m_y += m_rowHeight + kMargin;
        m_rowHeight = 0;
    }
    int bottom() const { return m_y + m_rowHeight + kMargin; }

private:
    Image& m_page;
    const Font& m_font;
    int m_x = kMargin, m_y = kMargin, m_rowHeight = 0;
};

Image smallSheet(const Image& sheet)
{
    return sheet.stretchNearest(21 * kSheetColumns, 27 * kSheetRows);
}

Image tiledWithTiles(const Image& background, const Image& sheet)
{
    Image out(2 * kBackgroundSize, 2 * kBackgroundSize);
    for (int k = 0; k < 4; ++k)
        out.paste(background, k % 2 * kBackgroundSize, k / 2 * kBackgroundSize);
    out.paste(sheet.crop(0, 0, 6 * kTileWidth, 3 * kTileHeight), 300 - 3 * kTileWidth, 300 - 60);
    return out;
}
}

Image makeContactSheet(const Fonts& fonts, const std::vector<TileSheet>& sheets, const std::vector<Background>& backgrounds,
                       const std::vector<Picture>& tips, const Image& toolbar, const std::vector<Picture>& buttons,
                       const std::vector<Image>& icons)
{
    Image page(kWidth, 4000, kPaper);
    Layout layout(page, fonts.sans);
    for (const TileSheet& s : sheets) {
        std::string id = std::to_string(s.id);
        layout.place(s.sheet, id + " " + s.name);
        layout.place(smallSheet(s.sheet), "at 21 x 27");
    }
    layout.newRow();
    for (const Background& b : backgrounds)
        layout.place(tiledWithTiles(b.picture, sheets[std::size_t(&b - &backgrounds[0]) % sheets.size()].sheet),
                     std::to_string(b.id) + " " + b.name + ", 2 x 2");
    layout.newRow();
    for (const Picture& tip : tips)
        layout.place(tip.image, tip.file);
    layout.newRow();
    layout.place(toolbar, "toolbar128.bmp");
    layout.place(toolbar.stretchNearest(toolbar.width() * 3, toolbar.height() * 3), "toolbar x 3");
    layout.newRow();
    for (const Picture& button : buttons)
        layout.place(button.image, button.file);
    for (const Image& icon : icons) {
        const std::string size = std::to_string(icon.width());
        Image shown(icon.width(), icon.height(), kPaper);
        shown.paste(icon, 0, 0);
        layout.place(shown, "icon " + size);
        layout.place(shown.stretchNearest(icon.width() * 4, icon.height() * 4), "icon " + size + " x 4");
    }
    return page.crop(0, 0, kWidth, layout.bottom());
}
