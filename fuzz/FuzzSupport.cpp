#include "FuzzSupport.h"

#include "savedata/SaveFields.h"
#include "savedata/SaveLayout.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>

#ifdef _WIN32
#include <process.h>
#define DL_GETPID _getpid
#else
#include <unistd.h>
#define DL_GETPID getpid
#endif

namespace
{
// Calls visit(position, width, value) for every field in file order.
template <typename Record, typename Visit>
void ForEachField(Record& record, int base, Visit visit)
{
    for (const PartyField& field : kPartyFields)
        visit(base + field.offset, field.width, record.party.*field.member);
    for (int index = 0; index < kChampionCount; ++index)
        for (const ChampionField& field : kChampionFields)
            visit(base + ChampionBlockOffset(index) + field.offset, field.width,
                  record.champions[static_cast<std::size_t>(index)].*field.member);
}

std::size_t Width(FieldWidth width)
{
    return width == FieldWidth::Byte ? 1 : 2;
}

bool SignatureAt(const Bytes& file, std::int64_t position)
{
    const auto start = static_cast<std::size_t>(position);
    return file.size() >= start + kSaveSignatureSize &&
           std::memcmp(file.data() + start, kSaveSignature, kSaveSignatureSize) == 0;
}

// Where scratch files go. The first call also silences the messages for
// the user, which nobody would read.
const std::filesystem::path& ScratchFolder()
{
    static const std::filesystem::path folder = [] {
        SetSaveDataMessageHandler([](const std::string&) {});
        // The store flushes every run; on a RAM-backed folder that costs
        // nothing, on a disk it would set the pace of the fuzzer.
        std::error_code error;
        if (std::filesystem::is_directory("/dev/shm", error))
            return std::filesystem::path("/dev/shm");
        return std::filesystem::temp_directory_path();
    }();
    return folder;
}
}

ScratchFile::ScratchFile(const char* harness, const unsigned char* data, std::size_t size)
    : m_path((ScratchFolder() / (std::string("dl-fuzz-") + harness + "-" + std::to_string(DL_GETPID()) + ".srm"))
                 .string())
{
    std::ofstream out(m_path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    out.close();
    Require(out.good(), "the scratch file can be written");
}

ScratchFile::~ScratchFile()
{
    std::error_code ignored;
    std::filesystem::remove(m_path, ignored);
}

Bytes ScratchFile::Contents() const
{
    // In one piece: byte-wise stream reading would cost more than the code
    // under test.
    std::ifstream in(m_path, std::ios::binary | std::ios::ate);
    Require(in.is_open(), "the scratch file can be opened");
    Bytes bytes(static_cast<std::size_t>(in.tellg()));
    in.seekg(0);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    Require(in.good(), "the scratch file can be read");
    return bytes;
}

std::optional<int> ExpectedBase(const Bytes& file)
{
    if (SignatureAt(file, kFirstSignaturePosition))
        return 0;
    if (SignatureAt(file, kSecondSignaturePosition))
        return 128;
    return std::nullopt;
}

SaveData DecodeRecord(const Bytes& file, int base)
{
    SaveData record;
    auto byteAt = [&](std::size_t position) { return position < file.size() ? file[position] : 0; };
    ForEachField(record, base, [&](int position, FieldWidth width, std::int32_t& value) {
        const auto at = static_cast<std::size_t>(position);
        value = width == FieldWidth::Byte ? byteAt(at) : byteAt(at) + 256 * byteAt(at + 1);
    });
    return record;
}

Bytes ExpectedAfterStore(const Bytes& file, int base, const SaveData& record)
{
    Bytes expected = file;
    std::size_t end = 0;
    ForEachField(record, base, [&](int position, FieldWidth width, std::int32_t) {
        end = std::max(end, static_cast<std::size_t>(position) + Width(width));
    });
    if (expected.size() < end)
        expected.resize(end, 0);
    ForEachField(record, base, [&](int position, FieldWidth width, std::int32_t value) {
        const auto bits = static_cast<std::uint32_t>(value);
        const auto at = static_cast<std::size_t>(position);
        expected[at] = static_cast<unsigned char>(bits & 0xFFu);
        if (Width(width) == 2)
            expected[at + 1] = static_cast<unsigned char>((bits >> 8) & 0xFFu);
    });
    return expected;
}

bool IsFieldByte(int base, std::size_t position)
{
    bool found = false;
    const SaveData record;
    ForEachField(record, base, [&](int start, FieldWidth width, std::int32_t) {
        const auto at = static_cast<std::size_t>(start);
        found = found || (position >= at && position < at + Width(width));
    });
    return found;
}

SaveData RecordFromBytes(const unsigned char* data, std::size_t size)
{
    SaveData record;
    std::size_t next = 0;
    ForEachField(record, 0, [&](int, FieldWidth, std::int32_t& value) {
        std::uint32_t bits = 0;
        for (std::size_t i = 0; i < 4; ++i, ++next)
            if (next < size)
                bits |= std::uint32_t{data[next]} << (8 * i);
        value = static_cast<std::int32_t>(bits);
    });
    return record;
}

void Require(bool condition, const char* invariant)
{
    if (condition)
        return;
    std::fprintf(stderr, "invariant broken: %s\n", invariant);
    std::abort();
}
