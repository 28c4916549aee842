// LoadSaveData and StoreSaveData against the floor the system sets: the
// same positioned accesses done with bare system calls.
#include "savedata/SaveData.h"
#include "savedata/SaveFields.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace
{
std::string BenchFile()
{
    static const std::string path = [] {
        const char* dir = std::getenv("BENCH_DIR");
        std::string file = std::string(dir ? dir : "/tmp") + "/dungeon-ledger-bench.srm";
        std::vector<unsigned char> image(32768, 0x5A);
        const char signature[] = "DM SFX SAVE DATA";
        std::copy(signature, signature + 16, image.begin() + 0x7FF0);
        const int fd = ::open(file.c_str(), O_CREAT | O_TRUNC | O_WRONLY, 0644);
        if (fd < 0 || ::write(fd, image.data(), image.size()) != static_cast<ssize_t>(image.size()))
            std::abort();
        ::close(fd);
        return file;
    }();
    return path;
}

// Absolute position and width of each of the 101 fields at base 0.
std::vector<std::pair<off_t, int>> FieldAccesses()
{
    std::vector<std::pair<off_t, int>> accesses;
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
    const std::string path = BenchFile();
    const auto accesses = FieldAccesses();
    unsigned char buffer[2];
    for (auto _ : state) {
        const int fd = ::open(path.c_str(), O_RDONLY);
        for (const auto& [position, width] : accesses) {
            ::lseek(fd, position, SEEK_SET);
            benchmark::DoNotOptimize(::read(fd, buffer, static_cast<std::size_t>(width)));
        }
        ::close(fd);
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
    const std::string path = BenchFile();
    const auto accesses = FieldAccesses();
    const unsigned char buffer[2] = {0, 0};
    for (auto _ : state) {
        const int fd = ::open(path.c_str(), O_RDWR);
        for (const auto& [position, width] : accesses) {
            ::lseek(fd, position, SEEK_SET);
            benchmark::DoNotOptimize(::write(fd, buffer, static_cast<std::size_t>(width)));
        }
        if (withSync)
            ::fsync(fd);
        unsigned char check[2];
        for (const auto& [position, width] : accesses) {
            if (!withReadBack)
                break;
            ::lseek(fd, position, SEEK_SET);
            benchmark::DoNotOptimize(::read(fd, check, static_cast<std::size_t>(width)));
        }
        ::close(fd);
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
