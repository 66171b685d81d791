#pragma once
// Boards drawn as text for the tests: '.' is an empty cell, 'A'.. are kinds 0...

#include "board/MahjongBoard.h"
#include "board/Utf8File.h"

#include <cstdio>
#include <random>
#include <stdexcept>
#include <filesystem>
#include <string>
#include <vector>

class TestBoard : public CMahjongBoard {
public:
    static constexpr int kTileW = 30, kTileH = 40;

    explicit TestBoard(const std::vector<std::string>& rows, int kinds = 26)
        : CMahjongBoard(kinds, static_cast<int>(rows[0].size()), static_cast<int>(rows.size()))
    {
        m_nTileWidth = kTileW;
        m_nTileHeight = kTileH;
        for (int c = 0; c < kGrid; ++c)
            for (int r = 0; r < kGrid; ++r)
                m_cells[c][r] = CTileCell(c * kTileW, r * kTileH, -1, kTileW, kTileH);
        for (int r = 0; r < GetHeight(); ++r)
            for (int c = 0; c < GetWidth(); ++c)
                if (rows[r][c] != '.')
                    m_cells[c + 1][r + 1].kind = rows[r][c] - 'A';
        KeepStart();
    }

    // An empty board with the tile size set, ready to deal.
    TestBoard(int kinds, int width, int height) : CMahjongBoard(kinds, width, height)
    {
        m_nTileWidth = kTileW;
        m_nTileHeight = kTileH;
    }

    void SetKind(int col, int row, int kind) { m_cells[col][row].kind = kind; }
    int SolveCalls() const { return m_nSolveCalls; }
    int UndoTop() const { return m_nUndoTop; }
    const CUndoEntry& UndoEntry(int i) const { return m_undo[i]; }
    int SelRow() const { return m_nSelRow; }

    // The board as text again, for readable comparisons.
    std::vector<std::string> Rows() const
    {
        std::vector<std::string> rows;
        for (int r = 1; r <= GetHeight(); ++r) {
            std::string row;
            for (int c = 1; c <= GetWidth(); ++c) {
                const int k = GetCell(c, r).kind;
                row += k < 0 ? '.' : static_cast<char>('A' + k);
            }
            rows.push_back(row);
        }
        return rows;
    }

    // Pixel centre of a cell, as a click would land.
    static int CentreX(int col) { return col * kTileW + kTileW / 2; }
    static int CentreY(int row) { return row * kTileH + kTileH / 2; }
};

// The cells of two boards' grids (all 40 x 40, or up to a last column and row),
// compared record by record.
inline bool SameGrid(const CMahjongBoard& a, const CMahjongBoard& b, int lastCol = CMahjongBoard::kGrid - 1,
                     int lastRow = CMahjongBoard::kGrid - 1)
{
    for (int c = 0; c <= lastCol; ++c)
        for (int r = 0; r <= lastRow; ++r)
            if (a.GetCell(c, r) != b.GetCell(c, r))
                return false;
    return true;
}

// A scratch folder for files a test writes, removed at the end of the test.
class ScratchDir {
public:
    ScratchDir()
    {
        static int counter = 0;
        m_path = std::filesystem::temp_directory_path() /
                 ("morvane-test-" + std::to_string(std::random_device{}()) + "-" + std::to_string(++counter));
        std::filesystem::create_directories(m_path);
    }
    ~ScratchDir()
    {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    std::string File(const std::string& name) const { return (m_path / std::filesystem::u8path(name)).u8string(); }

private:
    std::filesystem::path m_path;
};

inline void WriteBytes(const std::string& path, const std::vector<unsigned char>& bytes)
{
    std::FILE* f = OpenUtf8File(path.c_str(), "wb");
    if (!f)
        throw std::runtime_error("cannot write " + path);
    if (!bytes.empty())
        std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

inline std::vector<unsigned char> ReadBytes(const std::string& path)
{
    std::vector<unsigned char> bytes;
    if (std::FILE* f = OpenUtf8File(path.c_str(), "rb")) {
        int ch;
        while ((ch = std::fgetc(f)) != EOF)
            bytes.push_back(static_cast<unsigned char>(ch));
        std::fclose(f);
    }
    return bytes;
}
