#pragma once
// The readers take a path, so each input is written to a file of this process's own.

#include <cstdio>
#include <string>
#include <unistd.h>

inline const char* WriteInput(const unsigned char* data, std::size_t size)
{
    static const std::string path = "/tmp/morvane-fuzz-" + std::to_string(getpid());
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return nullptr;
    if (size)
        std::fwrite(data, 1, size, f);
    std::fclose(f);
    return path.c_str();
}
