#include "SaveFileTest.h"
#include "TestPlatform.h"

#ifdef _WIN32
#include <cstdlib>
#include <windows.h>
#else
#include <sys/stat.h>
#endif

namespace
{
class FailureTest : public SaveFileTest
{
protected:
    void RefusedBoth(const std::string& path, const std::string& reason)
    {
        for (const TransferDirection direction : kBothDirections)
            Refused(direction, path, Cannot(direction, path, reason));
    }

    const Bytes m_image = Image(32768, {{0x7FF0, kSignature}});
    const std::string m_path = Write("a.srm", m_image);
};

TEST_F(FailureTest, OnlyAnExistingPlainFileIsOpened)
{
    RefusedBoth(PathOf("missing.srm"), ExpectedReason(SystemError::NotFound));
    EXPECT_FALSE(std::filesystem::exists(SaveFormat::Native(PathOf("missing.srm")))) << "never created";
    std::filesystem::create_directory(SaveFormat::Native(PathOf("folder.srm")));
    RefusedBoth(PathOf("folder.srm"), ExpectedReason(SystemError::IsFolder));
#ifndef _WIN32
    ASSERT_EQ(::mkfifo(PathOf("pipe.srm").c_str(), 0600), 0); // refused without waiting for a writer
    RefusedBoth(PathOf("pipe.srm"), "it is not a regular file");
#endif
}

TEST_F(FailureTest, FileHeldByAnotherOpenerIsRefusedUntilReleased)
{
    {
        CSaveFile other; // another editor
        other.Open(m_path, CSaveFile::Access::ReadOnly);
        RefusedBoth(m_path, ExpectedReason(SystemError::InUse));
    }
    EXPECT_EQ(SaveFormat::ReadFile(m_path), m_image); // Windows keeps readers out while it is held
    SaveData data;
    EXPECT_TRUE(LoadSaveData(m_path, data));
}

// The editor words these two in the user's language by their kind, so a
// backend must not hand them over as the system's bare text. (On POSIX a
// folder opens, and is refused by the system's own "Is a directory".)
TEST_F(FailureTest, AHeldFileAndAFolderAreToldByTheirKind)
{
    using Kind = SaveDataFailure::Kind;
    std::vector<Kind> kinds;
    SetSaveDataMessageHandler([&](const SaveDataFailure& failure) { kinds.push_back(failure.kind); });
    SaveData data;
    {
        CSaveFile other;
        other.Open(m_path, CSaveFile::Access::ReadOnly);
        EXPECT_FALSE(LoadSaveData(m_path, data));
    }
    std::filesystem::create_directory(SaveFormat::Native(PathOf("folder.srm")));
    EXPECT_FALSE(StoreSaveData(PathOf("folder.srm"), data));
#ifdef _WIN32
    EXPECT_EQ(kinds, (std::vector{Kind::InUse, Kind::NotRegularFile}));
#else
    EXPECT_EQ(kinds, (std::vector{Kind::InUse, Kind::SystemError}));
#endif
}

// A message may stand for minutes while an emulator wants to save: the
// file is closed before anyone is told, whatever the failure.
TEST_F(FailureTest, FileIsReleasedBeforeItsMessageShows)
{
    struct Case
    {
        std::string path;
        CSaveFile::Operation failing;
        int nth; // 0: no failure injected, the file itself is refused
    };
    const Case cases[] = {{Write("b.srm", Image(32768, {})), CSaveFile::Operation::Read, 0}, // no signature
                          {m_path, CSaveFile::Operation::Read, 3},
                          {m_path, CSaveFile::Operation::Close, 1}};
    for (const Case& test : cases) {
        for (const TransferDirection direction : kBothDirections) {
            bool released = false;
            SetSaveDataMessageHandler([&](const SaveDataFailure&) { released = AnotherCanOpen(test.path); });
            CSaveFile::FailNth(test.failing, test.nth);
            SaveData data;
            EXPECT_FALSE(TransferSaveData(test.path, data, direction));
            CSaveFile::ClearInjectedFailures();
            EXPECT_TRUE(released) << test.path << " " << test.nth;
        }
    }
}

TEST_F(FailureTest, ReadOnlyFileIsRefusedOnStoreOnly)
{
    if (!MakeReadOnly(m_path))
        GTEST_SKIP() << "running with privileges that write read-only files (root)";
    Refused(TransferDirection::Store, m_path, Cannot(TransferDirection::Store, m_path, ExpectedReason(SystemError::ReadOnly)));
    SaveData data;
    EXPECT_TRUE(LoadSaveData(m_path, data));
}

// A file primitive that fails, or a read that hands back one byte inverted,
// part way. Reads count: 1 the compression check, 2 the detection, then one
// per field, a load's or, after a store's 101 writes and its flush, the
// read-back's (16 is champion 0's first byte field, 103 the last field).
struct Fault
{
    TransferDirection direction;
    CSaveFile::Operation operation;
    int nth;
    int invertedByte; // of a read that succeeds; -1: the operation fails
    int fieldsWritten;
};

constexpr auto kLoad = TransferDirection::Load, kStore = TransferDirection::Store;
using Op = CSaveFile::Operation;
const Fault kFaults[] = {
    {kLoad, Op::Read, 1, -1, 0}, {kLoad, Op::Read, 2, -1, 0}, {kLoad, Op::Read, 3, -1, 0},
    {kLoad, Op::Read, 50, -1, 0}, {kLoad, Op::Read, 103, -1, 0}, {kLoad, Op::Close, 1, -1, 0},
    {kStore, Op::Write, 1, -1, 0}, {kStore, Op::Write, 2, -1, 1}, {kStore, Op::Write, 50, -1, 49},
    {kStore, Op::Write, 101, -1, 100}, {kStore, Op::Flush, 1, -1, 101}, {kStore, Op::Close, 1, -1, 101},
    {kStore, Op::Read, 3, -1, 101}, {kStore, Op::Read, 103, -1, 101}, {kStore, Op::Read, 3, 0, 101},
    {kStore, Op::Read, 3, 1, 101}, {kStore, Op::Read, 16, 0, 101}, {kStore, Op::Read, 103, 1, 101},
};

TEST_F(FailureTest, FaultPartWayStopsTheTransferWithOneMessage)
{
    for (const Fault& fault : kFaults) {
        SCOPED_TRACE("fault " + std::to_string(&fault - kFaults));
        Write("a.srm", m_image);
        if (fault.invertedByte >= 0)
            CSaveFile::CorruptNthRead(fault.nth, static_cast<std::size_t>(fault.invertedByte));
        else
            CSaveFile::FailNth(fault.operation, fault.nth);
        const std::string reason = fault.invertedByte >= 0 ? "the file did not read back what was written"
                                                           : ExpectedReason(SystemError::Io);
        Refused(fault.direction, m_path, Cannot(fault.direction, m_path, reason),
                SaveFormat::Encode(m_image, 0, m_record, fault.fieldsWritten));
        CSaveFile::ClearInjectedFailures();
        SaveData data;
        EXPECT_TRUE(LoadSaveData(m_path, data)) << "the file is released";
    }
}

#ifdef _WIN32
// Windows words its reasons in its own language, which the ANSI code page
// cannot always spell: they reach the message as UTF-8, without the
// closing full stop and line end (Wine's own texts are English only).
TEST(SystemTextTest, AReasonInAnyLanguageBecomesUtf8)
{
    const auto utf8 = [](const char8_t* text) { return std::string(reinterpret_cast<const char*>(text)); };
    EXPECT_EQ(CSaveFile::ReasonFromSystemText(L"Acc\u00e8s refus\u00e9.\r\n"), utf8(u8"Acc\u00e8s refus\u00e9"));
    EXPECT_EQ(CSaveFile::ReasonFromSystemText(L"Unzul\u00e4ssige Funktion.\r\n"), utf8(u8"Unzul\u00e4ssige Funktion"));
    EXPECT_EQ(CSaveFile::ReasonFromSystemText(L"\u30a2\u30af\u30bb\u30b9\u304c\u62d2\u5426\u3055\u308c\u307e\u3057\u305f\u3002\r\n"),
              utf8(u8"\u30a2\u30af\u30bb\u30b9\u304c\u62d2\u5426\u3055\u308c\u307e\u3057\u305f"));
    EXPECT_EQ(CSaveFile::ReasonFromSystemText(L".\r\n"), "");
}

// ctest runs the suite under Wine in Japanese too (savedata_tests.ja_JP),
// where Windows' own words are Japanese: they arrive as UTF-8 there.
TEST(SystemTextTest, TheSystemsOwnWordsArriveAsUtf8)
{
    const std::string reason = CSaveFile::SystemErrorText(ERROR_FILE_NOT_FOUND);
    const int size = static_cast<int>(reason.size());
    EXPECT_GT(MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, reason.data(), size, nullptr, 0), 0) << reason;
    const char* language = std::getenv("LANG");
    if (language && std::string_view(language).starts_with("ja")) {
        EXPECT_TRUE(std::any_of(reason.begin(), reason.end(), [](char c) { return static_cast<unsigned char>(c) > 0x7F; }))
            << "Windows gives its reasons in English here, not in Japanese: " << reason;
    }
}
#endif
}
