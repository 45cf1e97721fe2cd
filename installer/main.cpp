// The installer: copies DataFile, found in the working directory, into the folder the user picks.
#include <QApplication>
#include <QDir>
#include <QIcon>

#include "installer/installer_window.h"
#include "widgets/french_translations.h"
#include "widgets/qt_dialogs.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    installFrenchTranslations(app);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/app_icon.png")));
    QtDialogs dialogs;
    InstallerWindow window(dialogs, QDir::currentPath());
    window.show();
    return QApplication::exec();
}
