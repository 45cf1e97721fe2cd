// The main window: its menus and toolbar as the user sees them, and their way to the dispatch.
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include "data_fixture.h"
#include "shell/main_window.h"

namespace {

struct Opened {
    MainTarget target;
    int tab;
    bool operator==(const Opened&) const = default;
};

// Each menu as "title", then "identifier:text" per item and "—" per separator.
QStringList menuLines(QMainWindow& window)
{
    QStringList lines;
    for (QAction* menuAction : window.menuBar()->actions()) {
        lines.append(menuAction->text());
        for (QAction* item : menuAction->menu()->actions())
            lines.append(item->isSeparator() ? QStringLiteral("—") : item->data().toString() + u':' + item->text());
    }
    return lines;
}

// The index-th button of the toolbar (buttons and separators alternate).
QToolButton* toolbarButton(QMainWindow& window, int index)
{
    QToolBar* toolbar = window.findChild<QToolBar*>();
    return qobject_cast<QToolButton*>(toolbar->widgetForAction(toolbar->actions().at(2 * index)));
}

QAction* menuItem(QMainWindow& window, const QString& text)
{
    for (QAction* menuAction : window.menuBar()->actions())
        for (QAction* item : menuAction->menu()->actions())
            if (withoutMnemonic(item->text()) == text) return item;
    ADD_FAILURE() << "no menu item " << qUtf8Printable(text);
    return nullptr;
}

} // namespace

class MainWindowTest : public DataFixture {
protected:
    MainProcedures recorder()
    {
        MainProcedures procedures;
        for (MainTarget target : {MainTarget::Tables, MainTarget::Stock, MainTarget::Treasury, MainTarget::Journals,
                                  MainTarget::Utilities, MainTarget::Parameters})
            procedures[target] = [this, target](Env&, int tab) { opened.push_back({target, tab}); };
        return procedures;
    }
    QToolBar* toolbar() { return window.findChild<QToolBar*>(); }

    std::vector<Opened> opened;
    MainWindow window{env, recorder()};
};

TEST_F(MainWindowTest, ShowsTheTitleThePictureOnGreyAndTheSixMenus)
{
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Varkel 2020 (Logiciel de gestion commerciale - Version 20)"));
    const auto* presentation = qobject_cast<QLabel*>(window.centralWidget());
    ASSERT_NE(presentation, nullptr);
    EXPECT_EQ(presentation->pixmap().size(), QSize(1020, 556));
    EXPECT_EQ(presentation->alignment(), Qt::AlignCenter);
    EXPECT_EQ(presentation->palette().color(QPalette::Window), QColor(100, 100, 100));

    // "&" marks the letters of the keyboard: Alt and a menu's letter opens it, an item's letter
    // chooses it in its open menu.
    const QStringList expected = QString::fromUtf8(
        "&Tables|1:Table des &produits|2:Table des &Clients-fournisseurs|"
        "&Mouvement du stock|10:&Réceptions|11:&Livraisons|12:&Factures ventes|13:Facture &proforma|"
        "14:Ré&gularisation manuelle du stock (BRS)|—|15:&Journal de stock (pmp)|16:Journal de stock (prix de &vente)|—|"
        "17:Fiche de &stock|—|18:&Bon de commande|"
        "T&résorerie|20:Opérations de &caisse|21:Opérations de &banque|—|22:Versements &reçus|23:Versements émi&s|—|"
        "24:Fiche Client-Fournisseur (&détails)|25:Fiche Client-Fournisseur (c&umuls)|26:&Etat global des soldes|—|"
        "27:&Marge bénéficiaire|"
        "&Journaux|31:Journal des &réceptions|32:Journal des &livraisons|33:Journal des &factures|—|34:Journal de &caisse|"
        "35:Journal de &banque|—|36:Journal des &versements espèce|"
        "&Utilitaires|40:&Sauvegarde|41:&Restauration|42:&Clôture de l'exercice|43:&Initialisation de fichiers|"
        "44:Contrôle &général|"
        "&Paramètres|50:Paramètres de &gestion|51:Paramètres de &sécurité|—|99:&Fin de session").split(u'|');
    EXPECT_EQ(menuLines(window), expected);
}

TEST_F(MainWindowTest, TheToolbarHasButtons100To120ThenFillers)
{
    const QList<QAction*> actions = toolbar()->actions();
    ASSERT_GE(actions.size(), 42);
    ASSERT_EQ(actions.size() % 2, 0);
    for (qsizetype i = 0; i < actions.size(); i += 2) {
        EXPECT_FALSE(actions[i]->isSeparator()) << i;
        EXPECT_TRUE(actions[i + 1]->isSeparator()) << i; // a separator after each button
        if (i / 2 <= 20) {
            EXPECT_EQ(actions[i]->data().toInt(), 100 + i / 2);
        } else {
            EXPECT_FALSE(actions[i]->data().isValid()); // fillers carry no identifier
        }
    }
    EXPECT_EQ(actions[0]->toolTip(), QStringLiteral("Table des produits"));
    EXPECT_EQ(actions[22]->toolTip(), QStringLiteral("Trésorerie"));
    EXPECT_EQ(actions[38]->toolTip(), QStringLiteral("Fin de session"));
    EXPECT_FALSE(actions[0]->icon().isNull());
    EXPECT_EQ(actions[0]->icon().availableSizes().value(0), QSize(40, 40));
}

TEST_F(MainWindowTest, MenuItemsAndToolbarButtonsReachTheDispatch)
{
    menuItem(window, QStringLiteral("Réceptions"))->trigger();
    menuItem(window, QStringLiteral("Table des Clients-fournisseurs"))->trigger();
    menuItem(window, QStringLiteral("Marge bénéficiaire"))->trigger();
    menuItem(window, QStringLiteral("Journal des versements espèce"))->trigger();
    menuItem(window, QStringLiteral("Contrôle général"))->trigger();
    menuItem(window, QStringLiteral("Paramètres de gestion"))->trigger();
    menuItem(window, QStringLiteral("Paramètres de sécurité"))->trigger(); // where the access codes are set
    window.show();
    for (int index : {0, 7, 11, 16, 17, 18, 20}) QTest::mouseClick(toolbarButton(window, index), Qt::LeftButton);
    if (toolbar()->actions().size() > 42) QTest::mouseClick(toolbarButton(window, 21), Qt::LeftButton); // a filler
    EXPECT_EQ(opened, (std::vector<Opened>{{MainTarget::Stock, 0},
                                           {MainTarget::Tables, 1},
                                           {MainTarget::Treasury, 7},
                                           {MainTarget::Journals, 5},
                                           {MainTarget::Utilities, 4},
                                           {MainTarget::Parameters, 0},
                                           {MainTarget::Parameters, 0},
                                           {MainTarget::Tables, 0},    // 100
                                           {MainTarget::Stock, 5},     // 107
                                           {MainTarget::Treasury, 8},  // 111
                                           {MainTarget::Utilities, 3},  // 116
                                           {MainTarget::Utilities, 4},  // 117
                                           {MainTarget::Utilities, 0}})); // 118
    EXPECT_TRUE(exitCodes.empty());
}

TEST_F(MainWindowTest, FinDeSessionTheExitButtonAndClosingEndTheProgram)
{
    window.show();
    menuItem(window, QStringLiteral("Fin de session"))->trigger();
    EXPECT_EQ(exitCodes, std::vector<int>{0});
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(store.isOpen());

    MainWindow second(env, recorder());
    second.show();
    QTest::mouseClick(toolbarButton(second, 19), Qt::LeftButton);
    EXPECT_EQ(exitCodes, (std::vector<int>{0, 0}));

    MainWindow third(env, recorder());
    third.show();
    third.close();
    EXPECT_EQ(exitCodes, (std::vector<int>{0, 0, 0}));
    EXPECT_TRUE(opened.empty());
}

TEST_F(MainWindowTest, OpensActiveAndEachMenuOpensWithAltAndItsLetter)
{
    window.open();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_EQ(QApplication::activeWindow(), &window); // the keyboard reaches the menus at once

    // Alt and the menu's letter, the arrows down to an item (over the separators), Return.
    const struct {
        Qt::Key letter;
        int downs;
        Opened opened;
    } cases[] = {
        {Qt::Key_T, 1, {MainTarget::Tables, 1}},     // Table des Clients-fournisseurs
        {Qt::Key_M, 8, {MainTarget::Stock, 8}},      // Bon de commande
        {Qt::Key_R, 7, {MainTarget::Treasury, 7}},   // Marge bénéficiaire
        {Qt::Key_J, 5, {MainTarget::Journals, 5}},   // Journal des versements espèce
        {Qt::Key_U, 2, {MainTarget::Utilities, 2}},  // Clôture de l'exercice
        {Qt::Key_P, 0, {MainTarget::Parameters, 0}}, // Paramètres de gestion
    };
    std::vector<Opened> expected;
    for (const auto& c : cases) {
        QTest::keyClick(&window, c.letter, Qt::AltModifier);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr) << c.letter;
        for (int i = 0; i < c.downs; ++i) QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Return);
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << c.letter;
        expected.push_back(c.opened);
        EXPECT_EQ(opened, expected) << c.letter;
    }

    // In an open menu, an item's letter chooses it.
    QTest::keyClick(&window, Qt::Key_M, Qt::AltModifier);
    ASSERT_NE(QApplication::activePopupWidget(), nullptr);
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_F);
    expected.push_back({MainTarget::Stock, 2}); // Factures ventes
    EXPECT_EQ(opened, expected);
    EXPECT_TRUE(exitCodes.empty());
}

TEST_F(MainWindowTest, F10OpensTheFirstMenuAndTheArrowsGoOnToTheOthers)
{
    window.open();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_F10);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->title(), QStringLiteral("&Tables"));
    QTest::keyClick(menu, Qt::Key_Right);
    menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->title(), QStringLiteral("&Mouvement du stock"));
    // Down to the fourth item of the menu, whatever the arrows start from.
    for (int i = 0; i < 12 && menu->activeAction() != menu->actions().at(3); ++i) QTest::keyClick(menu, Qt::Key_Down);
    QTest::keyClick(menu, Qt::Key_Return);
    EXPECT_EQ(opened, (std::vector<Opened>{{MainTarget::Stock, 3}})); // Facture proforma
    // Escape closes an open menu and leaves everything as it was.
    QTest::keyClick(&window, Qt::Key_F10);
    ASSERT_NE(QApplication::activePopupWidget(), nullptr);
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_EQ(opened.size(), 1u);
}
