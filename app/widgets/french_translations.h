#pragma once
// Qt's own windows speak French: the buttons of the message boxes ("Oui", "Non", "Annuler"),
// the print dialog, the file and folder dialogs, the input box and the calendar of the date
// pickers. The texts are Qt's French translations (Debian's qt6-translations-l10n).

class QCoreApplication;

// Installs Qt's French translations in the application and makes French the default locale.
// False when the translations cannot be found: Qt's windows then keep their English texts.
bool installFrenchTranslations(QCoreApplication& app);
