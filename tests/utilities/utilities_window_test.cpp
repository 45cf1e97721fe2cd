// The utilities window's dispatch: opening on a tab initialises it, F5 and Return reach each
// tab's operation, the restore list chooses the folder, and the closing tab closes the window.
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "utilities/utilities_tabs.h"
#include "utilities/utilities_window.h"
#include "utilities_fixture.h"
#include "widgets/list_table.h"

using namespace Qt::StringLiterals;

namespace {

class UtilitiesWindowTest : public UtilitiesFixture {
protected:
    UtilitiesWindowTest()
    {
        env.params.accessCode = u"780925"_s;
        addProduct(1, u"CIMENTERIE"_s, u"CIMENT 50KG"_s, u"SAC"_s, 1000, 85000, 98000);
        addNote(u"fBr"_s, 1, 1, 1, 1000, 85000, 0, u"A TERME"_s);
        QDir().mkpath(QDir(backups()).filePath(u"01022026"_s));
    }
    void open(int tab)
    {
        window.showOnTab(tab);
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    void press(int key)
    {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &window;
        QTest::keyClick(target, static_cast<Qt::Key>(key));
    }
    static QStringList cells(const ListTable* list, int column = 0)
    {
        QStringList texts;
        for (const QStringList& row : list->rows().rows) texts.append(row.value(column));
        return texts;
    }

    UtilitiesWindow window{env};
};

TEST_F(UtilitiesWindowTest, SixTabsAndF5OnEachWorkingTab)
{
    QStringList captions;
    for (int i = 0; i < window.tabs()->count(); ++i) captions.append(window.tabs()->tabText(i));
    EXPECT_EQ(captions, (QStringList{u" SAUVEGARDE"_s, u" RESTAURATION"_s, u" CLOTURER L'EXERCICE"_s,
                                     u" Initialisation de la base de données"_s, u" CONTROLE GENERAL"_s, u" FERMER"_s}));
    EXPECT_EQ(window.windowTitle(), u"Logiciel de gestion commerciale - Utilitaires"_s);
    for (int tab = 0; tab < UtilitiesWindow::TAB_COUNT; ++tab) {
        EXPECT_TRUE(window.handlesKey(tab, EV_F5)) << tab;
        for (int event : {EV_F1, EV_F2, EV_F3, EV_F6, EV_F8, EV_F12, EV_ALT_DELETE, EV_ESCAPE})
            EXPECT_FALSE(window.handlesKey(tab, event)) << tab << " " << event;
    }
}

TEST_F(UtilitiesWindowTest, OpeningOnTheRestoreTabListsTheBackupsAndReturnChoosesOne)
{
    open(UtilitiesWindow::TAB_RESTORE);
    RestoreTab* tab = window.restoreTab();
    EXPECT_EQ(cells(tab->backups), QStringList{u"01022026"_s});
    EXPECT_FALSE(tab->warning1->text().isEmpty());
    EXPECT_FALSE(tab->restoreButton->isEnabled());
    EXPECT_TRUE(tab->backups->hasFocus());

    press(Qt::Key_Down); // onto the first row
    press(Qt::Key_Return);
    EXPECT_EQ(tab->chosenFolder->text(), u"01022026"_s);
    EXPECT_TRUE(tab->restoreButton->isEnabled());
    EXPECT_TRUE(tab->restoreButton->hasFocus());
    const Rows before = everything();
    press(Qt::Key_Return); // "Restaurer", then No to the question
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].title, u"ATTENTION !"_s);
    EXPECT_EQ(everything(), before);
}

TEST_F(UtilitiesWindowTest, TheBackupButtonAndF5BackUpAndBothListsShowItAtOnce)
{
    open(UtilitiesWindow::TAB_BACKUP);
    EXPECT_TRUE(window.backupTab()->backupButton->hasFocus());
    EXPECT_EQ(cells(window.backupTab()->backups), QStringList{u"01022026"_s});
    press(Qt::Key_F5);
    EXPECT_EQ(dialogs.takeShown(), std::vector<ShownBox>{box("Terminé", u"Sauvegarde terminée ! "_s)});
    EXPECT_EQ(cells(window.backupTab()->backups), (QStringList{u"14032026"_s, u"01022026"_s}));
    EXPECT_EQ(cells(window.restoreTab()->backups), (QStringList{u"14032026"_s, u"01022026"_s}));
}

TEST_F(UtilitiesWindowTest, ReturnWalksTheInitialisationBoxesToThePasswordAndTheButton)
{
    open(UtilitiesWindow::TAB_INITIALISATION);
    InitialisationTab* tab = window.initialisationTab();
    EXPECT_TRUE(tab->files[static_cast<size_t>(FileGroup::Receptions)]->hasFocus());
    press(Qt::Key_Space);
    for (int i = 0; i < FILE_GROUP_COUNT; ++i) press(Qt::Key_Return);
    EXPECT_TRUE(tab->password->hasFocus());
    QTest::keyClicks(tab->password, u"780925"_s);
    press(Qt::Key_Return);
    EXPECT_TRUE(tab->initialiseButton->hasFocus());
    press(Qt::Key_Return);
    EXPECT_EQ(dialogs.shown.back().text,
              u"Initialisation terminée ! \nLes données d'avant l'initialisation sont gardées dans le dossier sauvegardes/140326."_s);
    EXPECT_EQ(cells(tab->results, 1), QStringList{u"Fichier réceptions"_s});
    EXPECT_TRUE(rows(DB_BR, u"select * from fBr"_s).empty());
    EXPECT_TRUE(tab->files[static_cast<size_t>(FileGroup::Receptions)]->isChecked());

    // Chosen again, the tab asks for the password again.
    window.tabs()->setCurrentIndex(UtilitiesWindow::TAB_CHECK);
    window.tabs()->setCurrentIndex(UtilitiesWindow::TAB_INITIALISATION);
    EXPECT_TRUE(tab->password->text().isEmpty());
    tab->selectAllButton->click();
    for (QCheckBox* box : tab->files) EXPECT_TRUE(box->isChecked());
}

TEST_F(UtilitiesWindowTest, TheCheckAndTheClosingRunFromTheirTabs)
{
    open(UtilitiesWindow::TAB_CHECK);
    exec(DB_PROD, u"update fprod set Pa=''"_s);
    press(Qt::Key_F5);
    GeneralCheckTab* check = window.checkTab();
    EXPECT_EQ(cells(check->results, 1), QStringList{u"Prix d'achat incorrect !  ===>> "_s});
    EXPECT_EQ(check->status->text(), u"Contrôle terminé..."_s);
    EXPECT_EQ(check->progress->value(), check->progress->maximum());

    window.tabs()->setCurrentIndex(UtilitiesWindow::TAB_CLOSING);
    ClosingTab* closing = window.closingTab();
    EXPECT_TRUE(closing->warnings[4]->text().endsWith(u"QUI DEBUTERA LE 1ER JANVIER 2027"_s));
    EXPECT_TRUE(closing->closeYearButton->hasFocus());
    dialogs.answers.push_back(Dialogs::Answer::Yes);
    press(Qt::Key_Return);
    EXPECT_EQ(exitCodes, std::vector<int>{0});
    EXPECT_FALSE(window.isVisible());
}

TEST_F(UtilitiesWindowTest, TheClosingTabClosesTheWindow)
{
    open(UtilitiesWindow::TAB_BACKUP);
    window.tabs()->setCurrentIndex(UtilitiesWindow::TAB_COUNT);
    EXPECT_FALSE(window.isVisible());
}

} // namespace
