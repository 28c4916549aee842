#pragma once

class QCoreApplication;

// Installs into app the translations for the system's language: ours and
// Qt's own, both compiled in. English, the language of the source texts,
// and any language we have no translation for need none.
void InstallTranslations(QCoreApplication& app);
