#pragma once
// Files named by a UTF-8 path. On Windows the path goes to the wide functions,
// so that a folder in any script opens whatever the system's code page is.

#include <cstdio>

// std::fopen's meaning; nullptr also for a path that is not UTF-8.
std::FILE* OpenUtf8File(const char* path, const char* mode);
// std::remove's meaning: true when the file is gone.
bool RemoveUtf8File(const char* path);
