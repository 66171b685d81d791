// The built-in pictures and sounds in resources/: formats the program and its
// resource compiler rely on, and qualities a player relies on.

#include "board/BmpFile.h"
#include "board/TileImage.h"
#include "tools/artgen/vision.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

std::string ResourcePath(const std::string& name)
{
    return std::string(MORVANE_RESOURCES_DIR) + "/" + name;
}

std::vector<unsigned char> ReadFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

unsigned Le16(const std::vector<unsigned char>& b, std::size_t at)
{
    return b[at] | b[at + 1] << 8;
}

std::uint32_t Le32(const std::vector<unsigned char>& b, std::size_t at)
{
    return Le16(b, at) | std::uint32_t(Le16(b, at + 2)) << 16;
}

// Test names may hold only letters, digits and underscores.
std::string CaseName(const char* file)
{
    std::string name = file;
    std::replace_if(name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
    return name;
}

int Channel(std::uint32_t colorref, int shift)
{
    return int(colorref >> shift & 0xFF);
}

// Mean over the three channels of the absolute difference, 0..255.
double ColourDistance(std::uint32_t a, std::uint32_t b)
{
    return (std::abs(Channel(a, 0) - Channel(b, 0)) + std::abs(Channel(a, 8) - Channel(b, 8)) +
            std::abs(Channel(a, 16) - Channel(b, 16))) / 3.0;
}

double Luminance(std::uint32_t c)
{
    return 0.299 * Channel(c, 0) + 0.587 * Channel(c, 8) + 0.114 * Channel(c, 16);
}

// ---- Bitmaps: the size and depth that the resource script and the program expect.

struct BitmapCase {
    const char* file;
    int width;
    int height;
    int bits;
};

const BitmapCase kBitmaps[] = {
    {"tiles131.bmp", 270, 200, 8}, {"tiles134.bmp", 270, 200, 8}, {"tiles135.bmp", 270, 200, 8},
    {"tiles136.bmp", 270, 200, 8}, {"tiles139.bmp", 270, 200, 8}, {"tiles140.bmp", 270, 200, 8},
    {"tiles167.bmp", 270, 200, 8}, {"tiles168.bmp", 270, 200, 8}, {"back144.bmp", 300, 300, 8},
    {"back153.bmp", 300, 300, 8},  {"back154.bmp", 300, 300, 8},  {"back158.bmp", 300, 300, 8},
    {"tip160.bmp", 450, 200, 8},   {"tip161.bmp", 450, 200, 8},   {"tip162.bmp", 450, 200, 8},
    {"tip163.bmp", 450, 200, 8},   {"tip164.bmp", 450, 200, 8},   {"tip165.bmp", 450, 200, 8},
    {"tip166.bmp", 450, 200, 8},   {"button146.bmp", 80, 40, 8},  {"button147.bmp", 80, 40, 8},
    {"button149.bmp", 160, 40, 8}, {"button150.bmp", 160, 40, 8}, {"toolbar128.bmp", 286, 25, 4},
};

class BitmapFormat : public ::testing::TestWithParam<BitmapCase> {};

TEST_P(BitmapFormat, HasItsSizeAndColourDepth)
{
    const BitmapCase& c = GetParam();
    const std::vector<unsigned char> bytes = ReadFile(ResourcePath(c.file));
    ASSERT_GE(bytes.size(), 54u) << "missing or truncated";
    EXPECT_EQ(bytes[0], 'B');
    EXPECT_EQ(bytes[1], 'M');
    EXPECT_EQ(Le32(bytes, 14), 40u) << "info header size";
    EXPECT_EQ(int(Le16(bytes, 28)), c.bits) << "bits per pixel";
    EXPECT_EQ(Le32(bytes, 30), 0u) << "compression";
    EXPECT_LE(Le32(bytes, 46), 1u << c.bits) << "palette entries";

    CBmpFile bmp(ResourcePath(c.file).c_str());
    ASSERT_TRUE(bmp.Decode());
    EXPECT_EQ(bmp.GetWidth(), c.width);
    EXPECT_EQ(bmp.GetHeight(), c.height);
}

INSTANTIATE_TEST_SUITE_P(Resources, BitmapFormat, ::testing::ValuesIn(kBitmaps),
                         [](const ::testing::TestParamInfo<BitmapCase>& info) { return CaseName(info.param.file); });

// ---- Tile sheets.

const int kColumns = 9, kRows = 5, kSlots = kColumns * kRows;
const int kSmallWidth = 21, kSmallHeight = 27;

// Two tiles are told apart on a crowded board when a patch of their pictures differs
// plainly: about 6 x 7 of the 567 pixels of a 21 x 27 tile differing by 100 of 255 (the step
// from red to gold, or from a figure to the tile face). Spread over the whole tile that is a
// mean difference of 42 x 100 / 567 = 7.4. A circle beside a hexagon of the same colour
// scores about 6.8 and does look alike at this size; different pictures score 8 and more.
const double kMinTileDifference = 7.5;

class TileSheet : public ::testing::TestWithParam<const char*> {};

TEST_P(TileSheet, NoTwoTilesAreAlikeAtTheSmallestTileSize)
{
    CBmpFile bmp(ResourcePath(GetParam()).c_str());
    ASSERT_TRUE(bmp.Decode());
    CTileImage small;
    small.Resize(kColumns * kSmallWidth, kRows * kSmallHeight);
    StretchPixels(bmp.GetBits(), bmp.GetWidth(), bmp.GetHeight(), small);

    auto pixel = [&](int slot, int x, int y) {
        return small.GetAt(slot % kColumns * kSmallWidth + x, slot / kColumns * kSmallHeight + y);
    };
    double closest = 1e9;
    int closestA = -1, closestB = -1;
    for (int a = 0; a < kSlots; ++a) {
        for (int b = a + 1; b < kSlots; ++b) {
            double sum = 0;
            for (int y = 0; y < kSmallHeight; ++y)
                for (int x = 0; x < kSmallWidth; ++x)
                    sum += ColourDistance(pixel(a, x, y), pixel(b, x, y));
            double mean = sum / (kSmallWidth * kSmallHeight);
            if (mean < closest) {
                closest = mean;
                closestA = a;
                closestB = b;
            }
        }
    }
    EXPECT_GE(closest, kMinTileDifference) << "slots " << closestA << " and " << closestB << " look alike";
}

const char* const kSheets[] = {"tiles131.bmp", "tiles134.bmp", "tiles135.bmp", "tiles136.bmp",
                               "tiles139.bmp", "tiles140.bmp", "tiles167.bmp", "tiles168.bmp"};

INSTANTIATE_TEST_SUITE_P(Resources, TileSheet, ::testing::ValuesIn(kSheets),
                         [](const ::testing::TestParamInfo<const char*>& info) { return CaseName(info.param); });

// ---- Tile sheets as players see them who cannot tell red from green.

// Worked out by hand from the published matrices: decode to linear light, multiply, clamp, encode.
TEST(ColourVision, SimulatesInLinearLight)
{
    struct Case {
        const char* label;
        Viewer viewer;
        Rgb8 colour, seen;
    };
    const Case cases[] = {
        {"full colour keeps every colour", kFullColour, {12, 200, 99}, {12, 200, 99}},
        {"grey stays grey", kProtan, {128, 128, 128}, {128, 128, 128}},
        {"protan red", kProtan, {255, 0, 0}, {109, 95, 0}},
        {"protan blue, clamped both ways", kProtan, {0, 0, 255}, {0, 89, 255}},
        {"deutan green", kDeutan, {0, 255, 0}, {239, 214, 58}},
    };
    for (const Case& c : cases) {
        const Rgb8 seen = seenBy(c.viewer, c.colour);
        EXPECT_EQ(std::vector<int>({seen.r, seen.g, seen.b}), std::vector<int>({c.seen.r, c.seen.g, c.seen.b})) << c.label;
    }
}

// Two tiles of one colour each, side by side.
Picture8 TwoTiles(Rgb8 a, Rgb8 b)
{
    Picture8 p{4, 2, {}};
    for (int i = 0; i < 8; ++i)
        p.pixels.push_back(i % 4 < 2 ? a : b);
    return p;
}

TEST(ColourVision, FindsTilesToldApartByRedAndGreenAlone)
{
    struct Case {
        const char* label;
        Rgb8 a, b;
        bool alike;
    };
    const Case cases[] = {
        {"red and green", {220, 30, 40}, {20, 150, 50}, true},
        {"red and blue", {220, 30, 40}, {20, 110, 235}, false},
        {"the same colour", {220, 30, 40}, {220, 30, 40}, false},
        {"greys a little apart", {128, 128, 128}, {134, 134, 134}, true},
        {"blue and purple, 27 apart without red and green but 82 in full colour", {20, 110, 235}, {150, 40, 190}, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(pairsTooAlike(TwoTiles(c.a, c.b), 2, 1).size(), c.alike ? 1u : 0u) << c.label;
    EXPECT_THROW(pairsTooAlike(TwoTiles({}, {}), 5, 1), std::invalid_argument) << "more columns than pixels";
}

class TileSheetWithoutRedAndGreen : public ::testing::TestWithParam<const char*> {};

TEST_P(TileSheetWithoutRedAndGreen, TellsEveryPairApart)
{
    CBmpFile bmp(ResourcePath(GetParam()).c_str());
    ASSERT_TRUE(bmp.Decode());
    Picture8 sheet{bmp.GetWidth(), bmp.GetHeight(), {}};
    std::transform(bmp.GetBits(), bmp.GetBits() + sheet.width * sheet.height, std::back_inserter(sheet.pixels),
                   [](std::uint32_t c) { return Rgb8{std::uint8_t(c), std::uint8_t(c >> 8), std::uint8_t(c >> 16)}; });
    for (const TilePair& pair : pairsTooAlike(sheet, kColumns, kRows))
        ADD_FAILURE() << "slots " << pair.a << " and " << pair.b << ": " << describe(pair);
}

const char* const kSheetsAtBothSizes[] = {
    "tiles131.bmp", "tiles134.bmp", "tiles135.bmp", "tiles136.bmp", "tiles139.bmp", "tiles140.bmp",
    "tiles167.bmp", "tiles168.bmp", "tiles131-2x.bmp", "tiles134-2x.bmp", "tiles135-2x.bmp", "tiles136-2x.bmp",
    "tiles139-2x.bmp", "tiles140-2x.bmp", "tiles167-2x.bmp", "tiles168-2x.bmp"};

INSTANTIATE_TEST_SUITE_P(Resources, TileSheetWithoutRedAndGreen, ::testing::ValuesIn(kSheetsAtBothSizes),
                         [](const ::testing::TestParamInfo<const char*>& info) { return CaseName(info.param); });

// ---- Backgrounds: 300 x 300 squares laid edge to edge.

class Background : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override
    {
        CBmpFile bmp(ResourcePath(GetParam()).c_str());
        ASSERT_TRUE(bmp.Decode());
        m_size = bmp.GetWidth();
        ASSERT_EQ(bmp.GetHeight(), m_size);
        m_pixels.assign(bmp.GetBits(), bmp.GetBits() + m_size * m_size);
    }
    std::uint32_t At(int x, int y) const { return m_pixels[std::size_t(x + y * m_size)]; }

    int m_size = 0;
    std::vector<std::uint32_t> m_pixels;
};

// Where two squares meet, neighbouring pixels must differ no more than neighbours inside a
// square do; a seam shows as a step well above that.
TEST_P(Background, TilesWithoutASeam)
{
    double inside = 0, across = 0, down = 0;
    for (int i = 0; i < m_size; ++i) {
        across += ColourDistance(At(m_size - 1, i), At(0, i));
        down += ColourDistance(At(i, m_size - 1), At(i, 0));
        for (int j = 0; j + 1 < m_size; ++j)
            inside += ColourDistance(At(j, i), At(j + 1, i)) + ColourDistance(At(i, j), At(i, j + 1));
    }
    inside /= 2.0 * m_size * (m_size - 1);
    across /= m_size;
    down /= m_size;
    EXPECT_LE(across, 2 * inside + 1) << "left and right edges";
    EXPECT_LE(down, 2 * inside + 1) << "top and bottom edges";
}

// Tiles must stand out: the background keeps to a narrow band of brightness.
TEST_P(Background, IsCalm)
{
    double sum = 0, squares = 0;
    for (std::uint32_t c : m_pixels) {
        sum += Luminance(c);
        squares += Luminance(c) * Luminance(c);
    }
    const double n = double(m_pixels.size()), mean = sum / n;
    EXPECT_LE(std::sqrt(squares / n - mean * mean), 24.0) << "spread of brightness";
}

const char* const kBackgrounds[] = {"back144.bmp", "back153.bmp", "back154.bmp", "back158.bmp"};

INSTANTIATE_TEST_SUITE_P(Resources, Background, ::testing::ValuesIn(kBackgrounds),
                         [](const ::testing::TestParamInfo<const char*>& info) { return CaseName(info.param); });

// ---- The icon: one 16 x 16 and one 32 x 32 image.

TEST(Icon, Holds16And32PixelImages)
{
    const std::vector<unsigned char> bytes = ReadFile(ResourcePath("morvane.ico"));
    ASSERT_GE(bytes.size(), 6u);
    EXPECT_EQ(Le16(bytes, 0), 0u);
    EXPECT_EQ(Le16(bytes, 2), 1u) << "type: icon";
    const unsigned count = Le16(bytes, 4);
    ASSERT_GE(bytes.size(), 6 + 16 * count);
    std::vector<int> sizes;
    for (unsigned i = 0; i < count; ++i) {
        const std::size_t entry = 6 + 16 * i;
        EXPECT_EQ(bytes[entry], bytes[entry + 1]) << "image " << i << " is square";
        EXPECT_LE(std::size_t(Le32(bytes, entry + 12)) + Le32(bytes, entry + 8), bytes.size()) << "image " << i;
        sizes.push_back(bytes[entry]);
    }
    std::sort(sizes.begin(), sizes.end());
    EXPECT_EQ(sizes, (std::vector<int>{16, 32}));
}

// ---- Sounds: mono PCM WAVE files.

struct SoundCase {
    const char* file;
    unsigned rate;
    unsigned bits;
    double seconds;
};

const SoundCase kSounds[] = {
    {"line.wav", 22050, 8, 0.55}, {"yes.wav", 22050, 8, 0.08},   {"no.wav", 11025, 8, 0.24},
    {"lost.wav", 11025, 16, 3.6}, {"win.wav", 11025, 16, 3.95},
};

struct Wave {
    unsigned format = 0, channels = 0, rate = 0, bits = 0;
    std::vector<double> samples;  // -1..1
};

Wave ReadWave(const std::string& path)
{
    const std::vector<unsigned char> b = ReadFile(path);
    Wave w;
    if (b.size() < 12 || std::string(b.begin(), b.begin() + 4) != "RIFF" || std::string(b.begin() + 8, b.begin() + 12) != "WAVE")
        return w;
    for (std::size_t at = 12; at + 8 <= b.size();) {
        const std::string id(b.begin() + long(at), b.begin() + long(at) + 4);
        const std::size_t size = Le32(b, at + 4), body = at + 8;
        if (body + size > b.size())
            break;
        if (id == "fmt " && size >= 16) {
            w.format = Le16(b, body);
            w.channels = Le16(b, body + 2);
            w.rate = Le32(b, body + 4);
            w.bits = Le16(b, body + 14);
        } else if (id == "data" && (w.bits == 8 || w.bits == 16)) {
            for (std::size_t i = body; i + w.bits / 8 <= body + size; i += w.bits / 8)
                w.samples.push_back(w.bits == 8 ? (b[i] - 128) / 128.0 : std::int16_t(Le16(b, i)) / 32768.0);
        }
        at = body + size + size % 2;
    }
    return w;
}

double Rms(const std::vector<double>& samples)
{
    double sum = 0;
    for (double s : samples)
        sum += s * s;
    return std::sqrt(sum / double(samples.size()));
}

class Sound : public ::testing::TestWithParam<SoundCase> {};

TEST_P(Sound, IsMonoPcmOfItsRateDepthAndLength)
{
    const SoundCase& c = GetParam();
    const Wave w = ReadWave(ResourcePath(c.file));
    EXPECT_EQ(w.format, 1u) << "PCM";
    EXPECT_EQ(w.channels, 1u);
    EXPECT_EQ(w.rate, c.rate);
    EXPECT_EQ(w.bits, c.bits);
    ASSERT_GT(w.rate, 0u);
    EXPECT_NEAR(double(w.samples.size()) / w.rate, c.seconds, 0.05 * c.seconds) << "seconds";
}

// A cue that starts or stops away from silence clicks.
TEST_P(Sound, StartsAndEndsInSilence)
{
    const Wave w = ReadWave(ResourcePath(GetParam().file));
    ASSERT_GE(w.samples.size(), 2u);
    EXPECT_LE(std::fabs(w.samples.front()), 0.02) << "first sample";
    EXPECT_LE(std::fabs(w.samples.back()), 0.02) << "last sample";
}

// Every cue is within 3 dB of the loudest, so that none startles and none is lost.
TEST_P(Sound, IsAsLoudAsTheOthers)
{
    double loudest = 0;
    for (const SoundCase& other : kSounds)
        loudest = std::max(loudest, Rms(ReadWave(ResourcePath(other.file)).samples));
    const double rms = Rms(ReadWave(ResourcePath(GetParam().file)).samples);
    EXPECT_GE(20 * std::log10(rms / loudest), -3.0) << "dB below the loudest cue";
}

INSTANTIATE_TEST_SUITE_P(Resources, Sound, ::testing::ValuesIn(kSounds),
                         [](const ::testing::TestParamInfo<SoundCase>& info) { return CaseName(info.param.file); });

} // namespace
