// The puzzle file (.mhj): a raw little-endian dump of the size, the tile size,
// the number of kinds, the elapsed seconds and every cell including the margin
// ring, column by column. Cell records are x, y, cx, cy, kind, the position
// counted from the margin ring's corner wherever the board lies in the view.

#include "MahjongBoard.h"
#include "Utf8File.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

namespace {

constexpr std::size_t kHeaderBytes = 24;
constexpr std::size_t kCellBytes = 20;
constexpr int kMaxTileSide = 1024; // a board of 8 rows fitted to a screen 10 240 pixels high
constexpr std::int32_t kMaxPixel = CMahjongBoard::kGrid * kMaxTileSide;

std::size_t FileBytes(int w, int h)
{
    return kHeaderBytes + static_cast<std::size_t>(w + 2) * (h + 2) * kCellBytes;
}

void PutInt(std::vector<unsigned char>& out, std::int32_t v)
{
    const auto u = static_cast<std::uint32_t>(v);
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<unsigned char>(u >> (8 * i)));
}

std::int32_t GetInt(const unsigned char* p)
{
    return static_cast<std::int32_t>(std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
                                     std::uint32_t(p[3]) << 24);
}

bool InRange(std::int32_t v, std::int32_t lo, std::int32_t hi)
{
    return v >= lo && v <= hi;
}

// Reads at most limit bytes; a longer file is marked by one byte more than limit.
bool ReadFile(std::FILE* f, std::vector<unsigned char>& data, std::size_t limit)
{
    data.resize(limit + 1);
    const std::size_t n = std::fread(data.data(), 1, data.size(), f);
    data.resize(n);
    return !std::ferror(f);
}

} // namespace

int CMahjongBoard::SaveToFile(const char* path, int nElapsed) const
{
    if (!path || !*path)
        return 1;
    std::vector<unsigned char> out;
    out.reserve(FileBytes(m_nWidth, m_nHeight));
    for (std::int32_t v : {m_nWidth, m_nHeight, m_nTileWidth, m_nTileHeight, m_nKinds, nElapsed})
        PutInt(out, v);
    for (int c = 0; c <= m_nWidth + 1; ++c)
        for (int r = 0; r <= m_nHeight + 1; ++r) {
            const CTileCell& cell = m_cells[c][r];
            for (std::int32_t v : {cell.x - GetOriginX(), cell.y - GetOriginY(), cell.cx, cell.cy, cell.kind})
                PutInt(out, v);
        }

    // Written beside the target and then moved over it, so a failed save never
    // leaves a half-written file in place of a good one; it removes its own.
    const std::string temp = std::string(path) + ".part";
    std::FILE* f = OpenUtf8File(temp.c_str(), "wb");
    if (!f)
        return 1;
    const bool written = std::fwrite(out.data(), 1, out.size(), f) == out.size();
    const bool closed = std::fclose(f) == 0;
    std::error_code ec;
    if (written && closed) {
        try {
            const std::filesystem::path from = std::filesystem::u8path(temp), to = std::filesystem::u8path(path);
            std::filesystem::rename(from, to, ec);
            // A file held open for a moment (by the search indexer, a virus scan or a
            // sync client) cannot be replaced: Windows says sharing violation, which
            // MinGW's library gives as an I/O error, or access denied, as Wine does.
            const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(1);
            while ((ec == std::errc::permission_denied || ec == std::errc::io_error) &&
                   std::chrono::steady_clock::now() < until) {
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
                std::filesystem::rename(from, to, ec);
            }
        } catch (const std::exception&) {
            ec = std::make_error_code(std::errc::invalid_argument); // a path that is not UTF-8
        }
    }
    if (!written || !closed || ec) {
        RemoveUtf8File(temp.c_str());
        return 1;
    }
    return 0;
}

int CMahjongBoard::LoadFromFile(const char* path, int* pElapsed)
{
    if (!path)
        return 1;
    // Opened for update, as a puzzle of one's own is: a read-only file is refused.
    std::FILE* f = OpenUtf8File(path, "r+b");
    if (!f)
        return 1;
    std::vector<unsigned char> data;
    const bool read = ReadFile(f, data, FileBytes(kMaxSide, kMaxSide));
    std::fclose(f);
    if (!read || data.size() < kHeaderBytes)
        return 1;

    const std::int32_t w = GetInt(&data[0]), h = GetInt(&data[4]);
    const std::int32_t tw = GetInt(&data[8]), th = GetInt(&data[12]);
    const std::int32_t kinds = GetInt(&data[16]), elapsed = GetInt(&data[20]);
    if (!InRange(w, 1, kMaxSide) || !InRange(h, 1, kMaxSide) || !InRange(kinds, 1, w * h) ||
        !InRange(tw, 1, kMaxTileSide) || !InRange(th, 1, kMaxTileSide) || data.size() != FileBytes(w, h))
        return 1;

    // Every cell is checked before anything of the board changes.
    CTileCell cells[kGrid][kGrid];
    const unsigned char* p = &data[kHeaderBytes];
    for (int c = 0; c <= w + 1; ++c)
        for (int r = 0; r <= h + 1; ++r, p += kCellBytes) {
            CTileCell& cell = cells[c][r];
            cell = CTileCell(GetInt(p), GetInt(p + 4), GetInt(p + 16), GetInt(p + 8), GetInt(p + 12));
            const bool margin = c == 0 || r == 0 || c == w + 1 || r == h + 1;
            if (!InRange(cell.kind, -1, margin ? -1 : kinds - 1) || !InRange(cell.x, 0, kMaxPixel) ||
                !InRange(cell.y, 0, kMaxPixel) || !InRange(cell.cx, 0, kMaxTileSide) ||
                !InRange(cell.cy, 0, kMaxTileSide))
                return 1;
        }

    CTileImage* images = NewImages(kinds);
    delete[] m_pImages;
    m_pImages = images;
    m_nWidth = w;
    m_nHeight = h;
    m_nTileWidth = tw;
    m_nTileHeight = th;
    m_nKinds = kinds;
    for (int c = 0; c < kGrid; ++c)
        for (int r = 0; r < kGrid; ++r)
            m_cells[c][r] = cells[c][r];
    ClearSelection();
    // Entries of the earlier puzzle would put its kinds back into this one's cells.
    KeepStart();
    if (pElapsed)
        *pElapsed = elapsed;
    return 0;
}
