// Texts in the system's language, with the translations installed as the
// program installs them. ctest runs this in an English and a Japanese
// locale; the language expected is read from LANG, not from the code.
#include "editor/window/Translations.h"
#include "support/EditorFixture.h"

namespace
{
using LanguageTest = EditorFixture;

TEST_F(LanguageTest, WarningAndQtsOwnTextsFollowTheSystemsLanguage)
{
    InstallTranslations(*QCoreApplication::instance());
    const bool japanese = qEnvironmentVariable("LANG").startsWith(QStringLiteral("ja"));
    ClickTab(1);
    Type(IDC_STRENGTH_MAX, QStringLiteral("abc"));
    Click(IDC_SAVE);
    EXPECT_EQ(m_prompts.warnings.value(0).toStdString(),
              japanese ? "Strength maximum, Player 2: 0から255までの整数を入力してください。"
                       : "Strength maximum, Player 2: enter a whole number from 0 to 255.");
    EXPECT_EQ(QCoreApplication::translate("QProgressDialog", "Cancel").toStdString(), japanese ? "キャンセル" : "Cancel");
}
}
