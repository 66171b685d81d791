// Makes every built-in picture and sound of Morvane, and a contact sheet to look them over.
// Usage: artgen RESOURCES_DIR [CONTACT_PNG]
#include "backgrounds.h"
#include "contact.h"
#include "files.h"
#include "interface.h"
#include "quantize.h"
#include "sounds.h"
#include "tiles.h"

#include <exception>
#include <iostream>
#include <string>

namespace {
// Writes a 256-colour bitmap and returns the picture as it was written.
Image writeColourBmp(const std::string& path, const Image& image, bool runLength = false)
{
    Indexed indexed = quantize(image, 256);
    writeBmp(path, indexed, 8, runLength);
    return expand(indexed);
}

// The pictures at twice their size are for screens above 96 DPI; run-length
// coding keeps the program small.
Image writeDoubleBmp(const std::string& out, const std::string& file, const Image& image)
{
    return writeColourBmp(out + scaledName(file, 2), image, true);
}
}

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::cerr << "usage: artgen RESOURCES_DIR [CONTACT_PNG]\n";
        return 2;
    }
    const std::string out = std::string(argv[1]) + "/";
    const std::string contact = argc > 2 ? argv[2] : "artgen-contact.png";
    // Tiles that only a full-colour viewer tells apart fail the run, after every file and
    // the contact sheet are written to be looked at.
    std::vector<std::string> alike;
    try {
        Fonts fonts("/usr/share/fonts/truetype/dejavu", "/usr/share/fonts/truetype/noto");

        std::vector<TileSheet> sheets = makeTileSheets(fonts);
        for (TileSheet& s : sheets) {
            const std::string file = "tiles" + std::to_string(s.id) + ".bmp";
            s.sheet = writeColourBmp(out + file, s.sheet);
            s.sheet2x = writeDoubleBmp(out, file, s.sheet2x);
            writeLines(out + "names" + std::to_string(s.id) + ".txt", s.names);
            for (const std::string& pair : tilesSeenAlike(s))
                alike.push_back(pair);
        }

        std::vector<Background> backgrounds = makeBackgrounds(1);
        for (Background& b : backgrounds)
            b.picture = writeColourBmp(out + "back" + std::to_string(b.id) + ".bmp", b.picture);
        for (const Background& b : makeBackgrounds(2))
            writeDoubleBmp(out, "back" + std::to_string(b.id) + ".bmp", b.picture);

        Indexed toolbar = mapToPalette(makeToolbar(fonts, 1), toolbarPalette());
        writeBmp(out + "toolbar128.bmp", toolbar, 4);
        const Indexed toolbar2x = mapToPalette(makeToolbar(fonts, 2), toolbarPalette());
        writeBmp(out + scaledName("toolbar128.bmp", 2), toolbar2x, 4);

        std::vector<Picture> buttons = makeButtons(1);
        for (Picture& p : buttons)
            p.image = writeColourBmp(out + p.file, p.image);
        for (const Picture& p : makeButtons(2))
            writeColourBmp(out + p.file, p.image, true);

        std::vector<Picture> tips = makeTips(fonts, expand(toolbar), sheets, 1);
        for (Picture& p : tips)
            p.image = writeColourBmp(out + p.file, p.image);
        for (const Picture& p : makeTips(fonts, expand(toolbar2x), sheets, 2))
            writeColourBmp(out + p.file, p.image, true);

        const std::vector<Image> icons = makeIcons();
        writeIcon(out + "morvane.ico", icons);

        for (const Sound& s : makeSounds())
            writeWav(out + s.file, s.samples, s.rate, s.bits);

        writePng(contact, makeContactSheet(fonts, sheets, backgrounds, tips, expand(toolbar), buttons, icons));
    } catch (const std::exception& e) {
        std::cerr << "artgen: " << e.what() << '\n';
        return 1;
    }
    for (const std::string& pair : alike)
        std::cerr << "artgen: alike without red and green: tiles" << pair << '\n';
    return alike.empty() ? 0 : 1;
}
