#pragma once
#include "image.h"
#include "quantize.h"

#include <string>
#include <vector>

// Writes a Windows bitmap of 4 or 8 bits per pixel with its palette, uncompressed or,
// at 8 bits, run-length coded (RLE8).
void writeBmp(const std::string& path, const Indexed& picture, int bitsPerPixel, bool runLength = false);
// The file name of a picture at scale times its size: "back144.bmp" at 2 is "back144-2x.bmp".
std::string scaledName(const std::string& file, int scale);
// Writes a Windows icon holding each image as 32-bit colour with opacity.
void writeIcon(const std::string& path, const std::vector<Image>& images);
void writePng(const std::string& path, const Image& image);
// Writes one text a line, each ended by a line feed.
void writeLines(const std::string& path, const std::vector<std::string>& lines);
// Writes mono PCM; samples run from -1 to 1.
void writeWav(const std::string& path, const std::vector<float>& samples, int rate, int bitsPerSample);
