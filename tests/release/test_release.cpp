// The version resource and the manifest of Morvane.exe, read back as Windows
// reads them: the file's version information, and the manifest resource of
// the program loaded as data.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(ProgramFile, VersionResource)
{
    DWORD handle = 0;
    const DWORD size = ::GetFileVersionInfoSizeA(MORVANE_EXE, &handle);
    ASSERT_GT(size, 0u);
    std::vector<char> info(size);
    ASSERT_TRUE(::GetFileVersionInfoA(MORVANE_EXE, 0, size, info.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(::VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00030001u) << "file version 3.1";
    EXPECT_EQ(fixed->dwFileVersionLS, 0u) << "file version .0.0";
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00030001u) << "product version 3.1";
    EXPECT_EQ(fixed->dwProductVersionLS, 0u) << "product version .0.0";
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

    const struct {
        const char* name;
        const char* text;  // nullptr: the entry must be absent
    } cases[] = {
        {"ProductName", "Morvane"},
        {"FileVersion", "3.1.0.0"},
        {"ProductVersion", "3.1.0.0"},
        {"FileDescription", "Morvane tile-matching puzzle"},
        {"OriginalFilename", "Morvane.exe"},
        {"CompanyName", nullptr},
    };
    for (const auto& c : cases) {
        const std::string path = std::string("\\StringFileInfo\\040904B0\\") + c.name;
        char* text = nullptr;
        const bool found = ::VerQueryValueA(info.data(), path.c_str(), reinterpret_cast<void**>(&text), &length);
        if (c.text)
            EXPECT_TRUE(found && std::string(text) == c.text) << c.name << ": " << (found ? text : "absent");
        else
            EXPECT_FALSE(found) << c.name << " is present: " << text;
    }
}

TEST(ProgramFile, Manifest)
{
    HMODULE hExe = ::LoadLibraryExA(MORVANE_EXE, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(hExe, nullptr);
    HRSRC hFound = ::FindResourceA(hExe, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));  // RT_MANIFEST
    ASSERT_NE(hFound, nullptr);
    const std::string manifest(static_cast<const char*>(::LockResource(::LoadResource(hExe, hFound))),
                               ::SizeofResource(hExe, hFound));
    ::FreeLibrary(hExe);

    const struct {
        const char* label;
        const char* part;
    } cases[] = {
        {"runs as the player who starts it", "<requestedExecutionLevel level=\"asInvoker\""},
        {"Windows 7", "<supportedOS Id=\"{35138b9a-5d96-4fbd-8e2d-a2440225f93a}\"/>"},
        {"Windows 8", "<supportedOS Id=\"{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}\"/>"},
        {"Windows 8.1", "<supportedOS Id=\"{1f676c76-80e1-4239-95bb-83d0f6d0da78}\"/>"},
        {"Windows 10 and 11", "<supportedOS Id=\"{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}\"/>"},
        {"common controls 6", "name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""},
        {"system-aware where per-monitor v2 is unknown", "WindowsSettings\">true</dpiAware>"},
        {"per-monitor v2 from Windows 10 1703", "WindowsSettings\">PerMonitorV2</dpiAwareness>"},
    };
    for (const auto& c : cases)
        EXPECT_NE(manifest.find(c.part), std::string::npos) << c.label << ": " << c.part;
    // Per-monitor v1 scales no dialog, caption or menu: no system is given it.
    for (const char* v1 : {"true/pm", "PerMonitor<", "PerMonitor,"})
        EXPECT_EQ(manifest.find(v1), std::string::npos) << v1;
}

}  // namespace
