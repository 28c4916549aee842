// Reads the version resource of the built program back as Explorer, Task
// Manager and "Open with" read it (the language its Translation entry names,
// then the strings of that language), and compares it with what the program
// is: the version of CMakeLists.txt, its name, publisher and file name.
// Usage: version_info_check PROGRAM.exe. Prints each difference; fails on any.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace
{
int g_differences = 0;

void Expect(bool same, const std::string& what)
{
    if (!same) {
        std::fprintf(stderr, "version resource: %s\n", what.c_str());
        ++g_differences;
    }
}

std::string Narrow(const std::wstring& text)
{
    return std::string(text.begin(), text.end()); // the values are ASCII
}
}

int main()
{
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (argc != 2) {
        std::fprintf(stderr, "usage: version_info_check PROGRAM.exe\n");
        return 2;
    }
    const wchar_t* program = argv[1];
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(program, &ignored);
    std::vector<char> info(size);
    if (size == 0 || !GetFileVersionInfoW(program, 0, size, info.data())) {
        std::fprintf(stderr, "%s has no version resource\n", Narrow(program).c_str());
        return 1;
    }

    // 0.1 is 0.1.0.0, for the file and the product alike.
    unsigned numbers[4] = {};
    std::sscanf(PROJECT_VERSION, "%u.%u.%u.%u", &numbers[0], &numbers[1], &numbers[2], &numbers[3]);
    const DWORD high = MAKELONG(numbers[1], numbers[0]), low = MAKELONG(numbers[3], numbers[2]);
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) || !fixed) {
        std::fprintf(stderr, "version resource: no fixed part\n");
        return 1;
    }
    Expect(fixed->dwFileVersionMS == high && fixed->dwFileVersionLS == low, "the file version is not " PROJECT_VERSION);
    Expect(fixed->dwProductVersionMS == high && fixed->dwProductVersionLS == low,
           "the product version is not " PROJECT_VERSION);
    Expect(fixed->dwFileType == VFT_APP, "the file type is not an application");

    // The strings of the first language the Translation entry names.
    WORD* translation = nullptr;
    if (!VerQueryValueW(info.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &length) ||
        length < 2 * sizeof(WORD)) {
        std::fprintf(stderr, "version resource: no Translation entry\n");
        return 1;
    }
    wchar_t block[64];
    swprintf(block, 64, L"\\StringFileInfo\\%04x%04x\\", translation[0], translation[1]);
    const std::pair<const wchar_t*, std::wstring> strings[] = {
        {L"ProductName", L"Dungeon Ledger"},
        {L"FileDescription", L"Dungeon Ledger"},
        {L"CompanyName", L"The Dungeon Ledger developers"},
        {L"LegalCopyright", L"Copyright The Dungeon Ledger developers; GPL-3.0-or-later"},
        {L"OriginalFilename", L"dungeon-ledger.exe"},
        {L"FileVersion", L"" PROJECT_VERSION},
        {L"ProductVersion", L"" PROJECT_VERSION},
    };
    for (const auto& [name, expected] : strings) {
        wchar_t* value = nullptr;
        const bool found = VerQueryValueW(info.data(), (block + std::wstring(name)).c_str(),
                                          reinterpret_cast<void**>(&value), &length) && value;
        const std::wstring actual = found ? std::wstring(value) : L"(none)";
        Expect(actual == expected, Narrow(name) + " is \"" + Narrow(actual) + "\", not \"" + Narrow(expected) + "\"");
    }
    if (g_differences == 0)
        std::printf("%s: version " PROJECT_VERSION ", \"Dungeon Ledger\" by The Dungeon Ledger developers\n",
                    Narrow(program).c_str());
    return g_differences == 0 ? 0 : 1;
}
