#pragma once
// The folder from which builds without resources read the built-in sheets
// (tiles<id>.bmp); it starts as the source tree's resources folder.

void SetSheetFolder(const char* folder);
