// LoadSaveData and StoreSaveData against the floor the system sets: the
// same positioned accesses done with bare system calls, the ones the save
// file backend of each system makes.
#include "savedata/SaveData.h"
#include "savedata/SaveFields.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace
{
std::string BenchFile()
{
    static const std::string path = [] {
        const char* dir = std::getenv("BENCH_DIR");
        const std::filesystem::path folder = dir ? std::filesystem::path(dir) : std::filesystem::temp_directory_path();
        const std::string file = (folder / "dungeon-ledger-bench.srm").string();
        std::vector<char> image(32768, 0x5A);
        const char signature[] = "DM SFX SAVE DATA";
        std::copy(signature, signature + 16, image.begin() + 0x7FF0);
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(image.data(), static_cast<std::streamsize>(image.size()));
        out.close();
        if (!out)
            std::abort();
        return file;
    }();
    return path;
}

// One open file, through nothing but the system's own calls.
#ifdef _WIN32
class CBareFile
{
public:
    CBareFile(const std::filesystem::path& path, bool write)
        : m_file(CreateFileW(path.c_str(), write ? GENERIC_READ | GENERIC_WRITE : GENERIC_READ,
                             FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                             nullptr))
    {
    }
    ~CBareFile() { CloseHandle(m_file); }
    CBareFile(const CBareFile&) = delete;
    CBareFile& operator=(const CBareFile&) = delete;
    void Seek(std::int64_t position)
    {
        LARGE_INTEGER to;
        to.QuadPart = position;
        SetFilePointerEx(m_file, to, nullptr, FILE_BEGIN);
    }
    DWORD Read(void* buffer, int count)
    {
        DWORD got = 0;
        ReadFile(m_file, buffer, static_cast<DWORD>(count), &got, nullptr);
        return got;
    }
    DWORD Write(const void* buffer, int count)
    {
        DWORD put = 0;
        WriteFile(m_file, buffer, static_cast<DWORD>(count), &put, nullptr);
        return put;
    }
    void Sync() { FlushFileBuffers(m_file); }

private:
    HANDLE m_file;
};
#else
class CBareFile
{
public:
    CBareFile(const std::filesystem::path& path, bool write) : m_fd(::open(path.c_str(), write ? O_RDWR : O_RDONLY)) {}
    ~CBareFile() { ::close(m_fd); }
    CBareFile(const CBareFile&) = delete;
    CBareFile& operator=(const CBareFile&) = delete;
    void Seek(std::int64_t position) { ::lseek(m_fd, static_cast<off_t>(position), SEEK_SET); }
    ssize_t Read(void* buffer, int count) { return ::read(m_fd, buffer, static_cast<std::size_t>(count)); }
    ssize_t Write(const void* buffer, int count) { return ::write(m_fd, buffer, static_cast<std::size_t>(count)); }
    void Sync() { ::fsync(m_fd); }

private:
    int m_fd;
};
#endif

// Absolute position and width of each of the 101 fields at base 0.
std::vector<std::pair<std::int64_t, int>> FieldAccesses()
{
    std::vector<std::pair<std::int64_t, int>> accesses;
    for (const PartyField& field : kPartyFields)
        accesses.emplace_back(field.offset, 2);
    for (int i = 0; i < kChampionCount; ++i)
        for (const ChampionField& field : kChampionFields)
            accesses.emplace_back(ChampionBlockOffset(i) + field.offset, field.width == FieldWidth::Word ? 2 : 1);
    return accesses;
}

void BM_LoadSaveData(benchmark::State& state)
{
    const std::string path = BenchFile();
    SaveData data;
    for (auto _ : state)
        benchmark::DoNotOptimize(LoadSaveData(path, data));
}

void BM_LoadFloor(benchmark::State& state)
{
    const std::filesystem::path path = BenchFile(); // in the system's own form, made once
    const auto accesses = FieldAccesses();
    unsigned char buffer[2];
    for (auto _ : state) {
        CBareFile file(path, false);
        for (const auto& [position, width] : accesses) {
            file.Seek(position);
            benchmark::DoNotOptimize(file.Read(buffer, width));
        }
    }
}

void BM_StoreSaveData(benchmark::State& state)
{
    const std::string path = BenchFile();
    SaveData data;
    for (auto _ : state)
        benchmark::DoNotOptimize(StoreSaveData(path, data));
}

void StoreFloor(benchmark::State& state, bool withSync, bool withReadBack)
{
    const std::filesystem::path path = BenchFile();
    const auto accesses = FieldAccesses();
    const unsigned char buffer[2] = {0, 0};
    for (auto _ : state) {
        CBareFile file(path, true);
        for (const auto& [position, width] : accesses) {
            file.Seek(position);
            benchmark::DoNotOptimize(file.Write(buffer, width));
        }
        if (withSync)
            file.Sync();
        unsigned char check[2];
        for (const auto& [position, width] : accesses) {
            if (!withReadBack)
                break;
            file.Seek(position);
            benchmark::DoNotOptimize(file.Read(check, width));
        }
    }
}

void BM_StoreFloor(benchmark::State& state)
{
    StoreFloor(state, false, false);
}

// The same writes plus what a save does to know it is on the disk: the
// flush and the read-back of every field.
void BM_StoreFloorWithSyncAndReadBack(benchmark::State& state)
{
    StoreFloor(state, true, true);
}
}

int main(int argc, char** argv)
{
    SetSaveDataMessageHandler([](const SaveDataFailure&) {});
    benchmark::RegisterBenchmark("LoadSaveData", BM_LoadSaveData);
    benchmark::RegisterBenchmark("LoadFloor", BM_LoadFloor);
    benchmark::RegisterBenchmark("StoreSaveData", BM_StoreSaveData);
    benchmark::RegisterBenchmark("StoreFloor", BM_StoreFloor);
    benchmark::RegisterBenchmark("StoreFloorWithSyncAndReadBack", BM_StoreFloorWithSyncAndReadBack);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
