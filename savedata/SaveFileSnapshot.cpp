#include "savedata/SaveFileSnapshot.h"

#include "savedata/SaveFile.h"

#include <array>
#include <filesystem>
#include <system_error>

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#endif

namespace
{
// Paths arrive as UTF-8 on every system; the conversion to the system's own
// path encoding is the standard library's. Links are left as they are: an
// emulator that renames a new file over a link replaces the link, and the
// path still names the save.
std::filesystem::path FromUtf8(const std::string& path)
{
    return std::filesystem::path(std::u8string(path.begin(), path.end()));
}

std::string ToUtf8(const std::filesystem::path& path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::string NormalPath(const std::string& path)
{
    std::error_code error;
    const std::filesystem::path full = std::filesystem::absolute(FromUtf8(path), error);
    if (error)
        return {};
    return ToUtf8(full.lexically_normal());
}

// Where the path leads once every link on the way is followed.
std::string ResolvedPath(const std::string& path)
{
    std::error_code error;
    const std::filesystem::path resolved = std::filesystem::weakly_canonical(FromUtf8(path), error);
    if (error)
        return {};
    return ToUtf8(resolved);
}

bool SamePathText(const std::string& a, const std::string& b)
{
    if (a.empty() || b.empty())
        return false;
#ifdef _WIN32
    const std::wstring wideA = FromUtf8(a).wstring(), wideB = FromUtf8(b).wstring();
    return CompareStringOrdinal(wideA.c_str(), static_cast<int>(wideA.size()), wideB.c_str(),
                                static_cast<int>(wideB.size()), TRUE) == CSTR_EQUAL;
#else
    return a == b;
#endif
}

FileContents ReadContents(CSaveFile& file)
{
    FileContents contents;
    CSha256 sha;
    std::array<unsigned char, 65536> buffer;
    file.Seek(0);
    for (;;) {
        const std::size_t got = file.Read(buffer.data(), buffer.size());
        if (got == 0)
            break;
        contents.size += got;
        contents.bytes.insert(contents.bytes.end(), buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(got));
        if (contents.size > kMaxKeptFileBytes) {
            sha.Update(contents.bytes.data(), contents.bytes.size());
            contents.bytes.clear();
        }
    }
    if (contents.size > kMaxKeptFileBytes)
        contents.digest = sha.Finish();
    return contents;
}
}

bool SaveFileSnapshot::IsSameFileAs(const SaveFileSnapshot& other) const
{
    // An emulator that saves by writing a new file and renaming it over the
    // old one changes the identity but not the path: still the same save.
    return identity == other.identity || SamePathText(normalPath, other.normalPath) ||
           SamePathText(resolvedPath, other.resolvedPath);
}

SaveFileSnapshot TakeSnapshot(CSaveFile& file, const std::string& path)
{
    SaveFileSnapshot snapshot;
    snapshot.path = path;
    snapshot.normalPath = NormalPath(path);
    snapshot.resolvedPath = ResolvedPath(path);
    snapshot.identity = file.Identity();
    snapshot.contents = ReadContents(file);
    return snapshot;
}
