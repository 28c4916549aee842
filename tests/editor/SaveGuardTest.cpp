// Save beside a running emulator: never into a file that changed since the
// load, never into another file, unless the user says so.
#include "support/EditorFixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <filesystem>

namespace
{
const QString kChangedOnDisk = QStringLiteral(
    "'%1' changed on disk after it was loaded (a running game may have saved to it). "
    "Saving now would mix your edits with the newer data.");
const QString kOtherFile = QStringLiteral("The values on screen were loaded from '%1'. Write them into '%2'?");

constexpr int kOutsideFields = 5000;
constexpr int kChampion2HpLow = 1859; // champion 2's current HP, low byte

class SaveGuardTest : public EditorFixture
{
protected:
    // Loads the demo, edits champion 1's current HP (85 in the file) and lets
    // "the emulator" rewrite the file with these bytes changed, in place or
    // by renaming a new file over it.
    QByteArray EditThenChangeOnDisk(std::initializer_list<int> positions, bool byRename = false)
    {
        LoadDemo();
        Type(IDC_HP_CUR, QStringLiteral("99"));
        QByteArray newer = ReadAll(m_savePath);
        for (const int position : positions)
            newer[position] = static_cast<char>(newer[position] ^ 0x5A);
        if (!byRename) {
            WriteAll(m_savePath, newer);
            return newer;
        }
        const QString fresh = CopyOfDemo(QStringLiteral("fresh.srm"), newer);
        std::filesystem::rename(fresh.toStdString(), m_savePath.toStdString());
        return newer;
    }

    QString CopyOfDemo(const QString& name, const QByteArray& bytes)
    {
        const QString path = m_dir.filePath(name);
        WriteAll(path, bytes);
        return path;
    }
};

TEST_F(SaveGuardTest, ChangeOnDiskIsAskedAboutAndCancelWritesNothing)
{
    const QByteArray original = ReadAll(m_savePath);
    const struct
    {
        int position;
        bool byRename;
    } changes[] = {{kOutsideFields, false}, {kChampion2HpLow, false}, {kOutsideFields, true}};
    for (const auto& change : changes) {
        WriteAll(m_savePath, original);
        const QByteArray newer = EditThenChangeOnDisk({change.position}, change.byRename);
        Click(IDC_SAVE);
        EXPECT_EQ(m_prompts.questions, QStringList{kChangedOnDisk.arg(m_savePath)}) << change.position;
        EXPECT_EQ(ReadAll(m_savePath), newer) << change.position;
        m_prompts.questions.clear();
    }
}

TEST_F(SaveGuardTest, OverwriteWritesOnlyTheFieldsAndIsRemembered)
{
    const QByteArray onDisk = EditThenChangeOnDisk({kOutsideFields, kChampion2HpLow});
    m_prompts.answers = {QStringLiteral("Overwrite")};
    Click(IDC_SAVE);
    ASSERT_EQ(m_prompts.questions.size(), 1);
    // Every field gets the values on screen (champion 2's HP as loaded, 64);
    // every other byte keeps the newer data.
    const QByteArray after = ReadAll(m_savePath);
    EXPECT_EQ(ChangedPositions(onDisk, after), (std::vector<int>{1060, kChampion2HpLow}));
    EXPECT_EQ(after[1060], 99);
    EXPECT_EQ(after[kChampion2HpLow], 64);

    Type(IDC_HP_CUR, QStringLiteral("98"));
    Click(IDC_SAVE); // what was written is what the file is expected to hold now
    EXPECT_EQ(m_prompts.questions.size(), 1);
    EXPECT_EQ(ReadAll(m_savePath)[1060], 98);
}

TEST_F(SaveGuardTest, ReloadShowsTheNewerFileAndDropsTheEdits)
{
    const QByteArray newer = EditThenChangeOnDisk({1062}); // champion 1's maximum HP
    m_prompts.answers = {QStringLiteral("Reload")};
    Click(IDC_SAVE);
    EXPECT_EQ(ReadAll(m_savePath), newer);
    EXPECT_EQ(Text(IDC_HP_CUR), QStringLiteral("85"));
    EXPECT_EQ(Text(IDC_HP_MAX), QString::number(static_cast<unsigned char>(newer[1062]) +
                                                256 * static_cast<unsigned char>(newer[1063])));
    Click(IDC_SAVE);
    EXPECT_EQ(m_prompts.questions.size(), 1) << "the reloaded file is the one expected";
}

TEST_F(SaveGuardTest, AnotherFileIsAskedAboutEvenAfterItsLoadFailed)
{
    LoadDemo();
    QByteArray unsignedImage = ReadAll(m_savePath);
    unsignedImage[0x7FF0] = 'd';
    const QString other = CopyOfDemo(QStringLiteral("other.srm"), unsignedImage);
    Type(IDC_PATH, other);
    Click(IDC_LOAD);
    EXPECT_EQ(m_prompts.warnings, QStringList{QStringLiteral("Invalid 'DM SFX SAVE DATA'")});
    Click(IDC_SAVE);
    EXPECT_EQ(m_prompts.questions, QStringList{kOtherFile.arg(m_savePath, other)});
    EXPECT_EQ(ReadAll(other), unsignedImage);

    const QByteArray copy = ReadAll(m_savePath);
    const QString second = CopyOfDemo(QStringLiteral("second.srm"), copy);
    Type(IDC_PATH, second);
    Type(IDC_HP_CUR, QStringLiteral("7"));
    m_prompts.answers = {QStringLiteral("Write")};
    Click(IDC_SAVE);
    EXPECT_EQ(ChangedPositions(copy, ReadAll(second)), std::vector<int>{1060});
    Click(IDC_SAVE);
    EXPECT_EQ(m_prompts.questions.size(), 2) << "the file written into is the one expected now";
}

TEST_F(SaveGuardTest, TheSameFileByAnotherPathIsNoOtherFile)
{
    LoadDemo();
    const std::filesystem::path link = m_dir.filePath(QStringLiteral("link.srm")).toStdString();
    std::error_code error;
    std::filesystem::create_symlink(m_savePath.toStdString(), link, error);
    if (error)
        GTEST_SKIP() << "no symbolic links here: " << error.message();
    for (const QString& path : {QString::fromStdString(link.string()), m_dir.path() + "/./demo.srm"}) {
        Type(IDC_PATH, path);
        Click(IDC_SAVE);
    }
    EXPECT_TRUE(m_prompts.questions.isEmpty());
    EXPECT_TRUE(m_prompts.warnings.isEmpty());
}

TEST_F(SaveGuardTest, CompressedFileIsRefusedOnLoadAndSave)
{
    QByteArray rzip("#RZIPv\x01#", 8);
    rzip.append(QByteArray(200, '\x11'));
    const QString compressed = CopyOfDemo(QStringLiteral("rzip.srm"), rzip);
    const QString message = QStringLiteral("'%1' is compressed by the emulator's save file compression. Turn that "
                                           "setting off, let the game save again, and load the new file.")
                                .arg(compressed);
    LoadDemo();
    Type(IDC_PATH, compressed);
    Click(IDC_LOAD);
    Click(IDC_SAVE);
    WriteAll(m_savePath, rzip); // the emulator compresses the loaded save too
    Type(IDC_PATH, m_savePath);
    Click(IDC_SAVE);
    const QString aboutLoaded = QString(message).replace(compressed, m_savePath);
    EXPECT_EQ(m_prompts.warnings, (QStringList{message, message, aboutLoaded}));
    EXPECT_TRUE(m_prompts.questions.isEmpty());
    EXPECT_EQ(ReadAll(compressed), rzip);
    EXPECT_EQ(ReadAll(m_savePath), rzip);
}

TEST(StandardPromptsTest, QuestionDefaultsToCancelAndEscapeCancels)
{
    QWidget owner;
    QStringList seen;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        for (QAbstractButton* button : box->buttons())
            seen << QStringLiteral("%1:%2").arg(button->text()).arg(box->buttonRole(button));
        const auto name = [](QAbstractButton* button) { return button ? button->text() : QStringLiteral("none"); };
        seen << name(box->defaultButton()) << name(box->escapeButton());
        QTest::keyClick(box, Qt::Key_Escape);
        QTimer::singleShot(0, box, [box] { box->done(-1); }); // in case Escape did not close it
    });
    const std::size_t answer = CUserPrompts::Standard().Ask(
        &owner, QStringLiteral("?"),
        {{QStringLiteral("Overwrite"), QMessageBox::AcceptRole}, {QStringLiteral("Cancel"), QMessageBox::RejectRole}});
    EXPECT_EQ(answer, 1u);
    seen.sort(); // the platform decides the order the buttons stand in
    EXPECT_EQ(seen.join(", ").toStdString(), "Cancel, Cancel, Cancel:1, Overwrite:0");
}
}
