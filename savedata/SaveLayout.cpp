#include "savedata/SaveLayout.h"

#include "savedata/SaveFile.h"

#include <cstring>

namespace
{
bool SignatureAt(CSaveFile& file, std::int64_t position)
{
    char bytes[kSaveSignatureSize] = {};
    file.Seek(position);
    // A short read (a file too small for this placement) is simply no match.
    return file.Read(bytes, sizeof bytes) == sizeof bytes &&
           std::memcmp(bytes, kSaveSignature, kSaveSignatureSize) == 0;
}
}

bool HasRzipHeader(CSaveFile& file)
{
    unsigned char bytes[sizeof kRzipHeader] = {};
    file.Seek(0);
    return file.Read(bytes, sizeof bytes) == sizeof bytes && std::memcmp(bytes, kRzipHeader, sizeof bytes) == 0;
}

std::optional<SaveLayout> DetectLayout(CSaveFile& file)
{
    if (SignatureAt(file, kFirstSignaturePosition))
        return SaveLayout{0};
    if (SignatureAt(file, kSecondSignaturePosition))
        return SaveLayout{128};
    return std::nullopt;
}
