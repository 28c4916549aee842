#include "savedata/SaveFileSnapshot.h"

#include "savedata/SaveFile.h"

#include <array>
#include <filesystem>
#include <system_error>

namespace
{
// Paths arrive as UTF-8 on every system; the conversion to the system's own
// path encoding is the standard library's. Links are left as they are: an
// emulator that renames a new file over a link replaces the link, and the
// path still names the save.
std::string NormalPath(const std::string& path)
{
    std::error_code error;
    const std::filesystem::path full =
        std::filesystem::absolute(std::filesystem::path(std::u8string(path.begin(), path.end())), error);
    if (error)
        return {};
    const std::u8string text = full.lexically_normal().u8string();
    return std::string(text.begin(), text.end());
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
    return identity == other.identity || (!normalPath.empty() && normalPath == other.normalPath);
}

SaveFileSnapshot TakeSnapshot(CSaveFile& file, const std::string& path)
{
    SaveFileSnapshot snapshot;
    snapshot.path = path;
    snapshot.normalPath = NormalPath(path);
    snapshot.identity = file.Identity();
    snapshot.contents = ReadContents(file);
    return snapshot;
}
