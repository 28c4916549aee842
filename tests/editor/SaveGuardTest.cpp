// Save beside a running emulator: never into a file that changed since the
// load, never into another file, unless the user says so. (What the file
// code refuses by itself, a compressed file for one, tests/savedata checks.)
#include "support/EditorFixture.h"

#include <QAbstractButton>
#include <QPushButton>
#include <QTimer>

namespace
{
const QString kChangedOnDisk = QStringLiteral(
    "'%1' changed on disk after it was loaded (a running game may have saved to it). "
    "Saving now would mix your edits with the newer data.");

constexpr int kHp1 = 1060, kHpMax1 = 1062, kHp2 = 1859; // low bytes of champion 1's and 2's HP
constexpr int kOutsideFields = 5000;

class SaveGuardTest : public EditorFixture
{
protected:
    // "The emulator" saves: the file gets these bytes changed. (Saving by
    // renaming a new file over it, tests/savedata checks.)
    Bytes ChangeOnDisk(std::initializer_list<int> positions)
    {
        Bytes newer = ReadAll(m_savePath);
        for (const int position : positions)
            newer.at(static_cast<std::size_t>(position)) ^= 0x5A;
        WriteAll(m_savePath, newer);
        return newer;
    }
};

TEST_F(SaveGuardTest, ChangeOnDiskIsAskedAboutAndOnlyTheAnswerIsDone)
{
    LoadDemo();
    Type(IDC_HP_CUR, QStringLiteral("99")); // 85 in the file
    const Bytes newer = ChangeOnDisk({kOutsideFields, kHp2});
    Click(IDC_SAVE); // Cancel: nothing written
    EXPECT_EQ(ReadAll(m_savePath), newer);

    m_prompts.answers = {QStringLiteral("Overwrite")};
    Click(IDC_SAVE); // the fields get the values on screen, every other byte stays newer
    EXPECT_EQ(ChangedPositions(newer, ReadAll(m_savePath)), (std::vector<int>{kHp1, kHp2}));
    EXPECT_EQ(ReadAll(m_savePath)[kHp2], 64);
    Click(IDC_SAVE); // what was written is what the file is expected to hold now
    EXPECT_EQ(m_prompts.questions, QStringList(2, kChangedOnDisk.arg(m_savePath)));

    Type(IDC_HP_CUR, QStringLiteral("50"));
    const Bytes newest = ChangeOnDisk({kHpMax1});
    m_prompts.answers = {QStringLiteral("Reload")};
    Click(IDC_SAVE); // the newest file shows, the edit is dropped
    EXPECT_EQ(ReadAll(m_savePath), newest);
    EXPECT_EQ(Text(IDC_HP_CUR), QStringLiteral("99"));
    EXPECT_EQ(Text(IDC_HP_MAX), QString::number(newest[kHpMax1]));
    Click(IDC_SAVE);
    EXPECT_EQ(m_prompts.questions.size(), 3);
    EXPECT_TRUE(m_prompts.warnings.isEmpty());
}

TEST_F(SaveGuardTest, AnotherFileIsAskedAboutEvenAfterItsLoadFailed)
{
    LoadDemo();
    Bytes unsignedImage = ReadAll(m_savePath);
    unsignedImage.at(0x7FF0) = 'd';
    const QString other = Copy(QStringLiteral("other.srm"), unsignedImage);
    Load(other);
    EXPECT_EQ(m_prompts.warnings, QStringList{QStringLiteral("Invalid 'DM SFX SAVE DATA'")});
    Click(IDC_SAVE); // Cancel
    EXPECT_EQ(ReadAll(other), unsignedImage);

    const QString second = Copy(QStringLiteral("second.srm"), ReadAll(m_savePath));
    Type(IDC_PATH, second);
    Type(IDC_HP_CUR, QStringLiteral("7"));
    m_prompts.answers = {QStringLiteral("Write")};
    Click(IDC_SAVE);
    EXPECT_EQ(ChangedPositions(ReadAll(m_savePath), ReadAll(second)), std::vector<int>{kHp1});
    Click(IDC_SAVE); // the file written into is the one expected now
    const QString question = QStringLiteral("The values on screen were loaded from '%1'. Write them into '%2'?");
    EXPECT_EQ(m_prompts.questions, (QStringList{question.arg(m_savePath, other), question.arg(m_savePath, second)}));
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
        seen << box->defaultButton()->text();
        QTest::keyClick(box, Qt::Key_Escape);
        EXPECT_FALSE(box->isVisible()) << "Escape closes the question";
        QTimer::singleShot(0, box, [box] { box->done(-1); }); // if it did not, so the test goes on
    });
    EXPECT_EQ(CUserPrompts::Standard().Ask(&owner, QStringLiteral("?"),
                                           {{QStringLiteral("Overwrite"), QMessageBox::AcceptRole},
                                            {QStringLiteral("Cancel"), QMessageBox::RejectRole}}),
              1u) << "Escape answers Cancel";
    seen.sort(); // the platform decides the order the buttons stand in
    EXPECT_EQ(seen.join(", ").toStdString(), "Cancel, Cancel:1, Overwrite:0");
}
}
