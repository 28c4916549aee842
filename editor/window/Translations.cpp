#include "editor/window/Translations.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

namespace
{
// Where resources/CMakeLists.txt puts the compiled .qm files: the same
// path on every system, so nothing depends on where the program lies.
constexpr char kFolder[] = ":/translations";
// Ours, then Qt's (its buttons and file dialog), each as NAME_LANGUAGE.qm.
constexpr const char* kCatalogues[] = {"dungeon-ledger", "qtbase"};
}

// Compiled into the static library `resources`, which nothing else refers
// to, so registered by name. (Outside the anonymous namespace: the macro
// declares a global.)
static void RegisterTranslations()
{
    Q_INIT_RESOURCE(translations);
}

void InstallTranslations(QCoreApplication& app)
{
    RegisterTranslations();
    const QLocale locale = QLocale::system();
    for (const char* catalogue : kCatalogues) {
        auto* translator = new QTranslator(&app);
        if (translator->load(locale, QString::fromLatin1(catalogue), QStringLiteral("_"), QString::fromLatin1(kFolder)))
            QCoreApplication::installTranslator(translator);
        else
            delete translator;
    }
}
