// Qt's own windows in French: the program's message boxes, its input box and the calendar.
#include <functional>
#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLocale>
#include <QTimer>

#include "widgets/french_translations.h"
#include "widgets/qt_dialogs.h"

namespace {

// The button texts of the modal box the program shows while `show` runs (without their
// keyboard marks), and that box closed by Escape.
QStringList buttonsOfModalBox(const std::function<void()>& show)
{
    QStringList texts;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        QWidget* box = QApplication::activeModalWidget();
        if (box == nullptr || !box->isVisible()) return;
        for (const QAbstractButton* button : box->findChildren<QAbstractButton*>())
            if (button->isVisible()) texts.append(QString(button->text()).remove(u'&'));
        watcher.stop();
        qobject_cast<QDialog*>(box)->reject();
    });
    watcher.start(10);
    show();
    texts.sort();
    return texts;
}

} // namespace

TEST(FrenchTranslations, QtWindowsOfTheProgramSpeakFrench)
{
    ASSERT_TRUE(installFrenchTranslations(*QCoreApplication::instance()));
    QtDialogs dialogs;

    EXPECT_EQ(buttonsOfModalBox([&] { dialogs.askYesNoCancel(QStringLiteral("Confirmation"), QStringLiteral("?")); }),
              (QStringList{QStringLiteral("Annuler"), QStringLiteral("Non"), QStringLiteral("Oui")}));
    EXPECT_EQ(buttonsOfModalBox([&] { dialogs.askYesNo(QStringLiteral("Confirmation"), QStringLiteral("?")); }),
              (QStringList{QStringLiteral("Non"), QStringLiteral("Oui")}));
    EXPECT_EQ(buttonsOfModalBox([&] { dialogs.message(QStringLiteral("Erreur"), QStringLiteral("!")); }),
              QStringList{QStringLiteral("OK")});
    EXPECT_EQ(buttonsOfModalBox([&] { dialogs.input(QStringLiteral("Nouveau mot de passe"), QStringLiteral("?"), {}); }),
              (QStringList{QStringLiteral("Annuler"), QStringLiteral("OK")}));
    // The calendar of the date pickers names the months in French.
    EXPECT_EQ(QLocale().monthName(3), QStringLiteral("mars"));
}
