// The tables window: its keys reach the operations of the selected tab, and a tab's list and
// name boxes are filled as soon as the tab is shown, whether the window opened on it or the
// user selected it.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

#include "data_fixture.h"
#include "master/client_supplier_tab.h"
#include "master/product_tab.h"
#include "master/tables_window.h"
#include "widgets/form_widgets.h"

namespace {

class TablesWindowTest : public DataFixture {
protected:
    TablesWindowTest()
    {
        for (const auto& [code, designation] : {std::pair{1, "CIMENT"}, std::pair{2, "BRIQUE"}, std::pair{3, "ASPHALTE"}})
            exec(DB_PROD, QStringLiteral("insert into fprod (Codeprod,fam,ref,Prod,Um,Qi,Pa,Pvd,Pvg) values (?,'BÂTIMENT','',?,'U',0,100,200,150)"),
                 {code, QString::fromUtf8(designation)});
        exec(DB_FAM, QStringLiteral("insert into ffam (fam) values ('BÂTIMENT')"));
        for (const auto& [code, name] : {std::pair{1, "ZOHRA"}, std::pair{2, "AMINE"}})
            exec(DB_CF, QStringLiteral("insert into fCF (CodeCF,CF,Ad,Tel,Rc,Mf,Art,Nis,Si,typecf) values (?,?,'','','','','','',0,'C')"),
                 {code, QString::fromUtf8(name)});
    }

    void open(int tab)
    {
        window.showOnTab(tab);
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    void selectTab(int tab) { window.tabs()->setCurrentIndex(tab); }
    // The entry field a label names (its accessible name), inside a tab.
    template <typename Widget>
    Widget* field(QWidget* tab, const QString& label)
    {
        for (Widget* widget : tab->findChildren<Widget*>())
            if (widget->accessibleName() == label) return widget;
        ADD_FAILURE() << "no field " << qUtf8Printable(label);
        return nullptr;
    }
    static QCheckBox* sortOption(QWidget* tab, const QString& caption)
    {
        for (QCheckBox* box : tab->findChildren<QCheckBox*>())
            if (box->text() == caption) return box;
        ADD_FAILURE() << "no option " << qUtf8Printable(caption);
        return nullptr;
    }
    static QTreeWidget* list(QWidget* tab) { return tab->findChild<QTreeWidget*>(); }
    static QWidget* focused() { return QApplication::focusWidget(); }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(focused() ? focused() : static_cast<QWidget*>(&window), key, modifiers);
    }
    // Types like a keyboard would, accented letters included (QTest::keyClicks knows ASCII only).
    static void type(const QString& text)
    {
        for (const QChar letter : text)
            QTest::sendKeyEvent(QTest::Click, focused(), Qt::Key(letter.toUpper().unicode()), QString(letter), Qt::NoModifier);
    }
    void typeAndReturn(const QString& text)
    {
        type(text);
        press(Qt::Key_Return);
    }
    static void clickRow(QTreeWidget* tree, int row)
    {
        const QRect cell = tree->visualItemRect(tree->topLevelItem(row));
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    }
    // The field that has the focus, by its label.
    static QString focusedLabel()
    {
        for (QWidget* widget = focused(); widget; widget = widget->parentWidget())
            if (!widget->accessibleName().isEmpty()) return widget->accessibleName();
        return {};
    }

    TablesWindow window{env};
};

TEST_F(TablesWindowTest, ATabIsFilledWhenShownAndFermerClosesTheWindow)
{
    open(PRODUCTS_TAB);
    ProductTab* products = window.productTab();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Logiciel de gestion commerciale - Tables"));
    EXPECT_EQ(window.tabs()->tabText(2), QStringLiteral(" FERMER"));
    EXPECT_EQ(focusedLabel(), QStringLiteral("Famille/Marque :"));
    EXPECT_EQ(list(window.clientSupplierTab())->topLevelItemCount(), 0); // not shown yet

    selectTab(CLIENTS_SUPPLIERS_TAB);
    EXPECT_EQ(list(window.clientSupplierTab())->topLevelItemCount(), 2);
    EXPECT_EQ(focusedLabel(), QStringLiteral("Nom ou Raison sociale:"));
    selectTab(PRODUCTS_TAB);
    QTreeWidget* productList = list(products);
    ASSERT_EQ(productList->topLevelItemCount(), 3);
    EXPECT_EQ(productList->topLevelItem(0)->text(2), QStringLiteral("ASPHALTE"));
    EXPECT_EQ(field<QComboBox>(products, QStringLiteral("Désignation:"))->count(), 3);
    EXPECT_EQ(field<QComboBox>(products, QStringLiteral("Famille/Marque :"))->count(), 1);
    // Every second row is shaded; amounts stand on the right.
    EXPECT_EQ(productList->topLevelItem(1)->background(0).color(), ZEBRA_GREY);
    EXPECT_NE(productList->topLevelItem(0)->background(0).color(), ZEBRA_GREY);
    EXPECT_TRUE(productList->topLevelItem(0)->textAlignment(5) & Qt::AlignRight);
    EXPECT_TRUE(field<QLineEdit>(products, QStringLiteral("Prix d'achat:"))->alignment() & Qt::AlignRight);

    // Ticking a sort option unticks the others; unticking it keeps the order.
    auto* byCode = sortOption(products, QStringLiteral("Code produit"));
    auto* byDesignation = sortOption(products, QStringLiteral("Désignation du produit"));
    EXPECT_TRUE(byDesignation->isChecked());
    byCode->click();
    EXPECT_EQ(productList->topLevelItem(0)->text(2), QStringLiteral("CIMENT"));
    EXPECT_FALSE(byDesignation->isChecked());
    exec(DB_PROD, QStringLiteral("insert into fprod (Codeprod,Prod) values (0,'ZÉRO')"));
    byCode->click();
    EXPECT_FALSE(byCode->isChecked());
    EXPECT_EQ(productList->topLevelItemCount(), 3);
    EXPECT_EQ(productList->topLevelItem(0)->text(2), QStringLiteral("CIMENT"));

    selectTab(2);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(TablesWindowTest, TheProductKeysReachTheProductOperations)
{
    open(PRODUCTS_TAB);
    ProductTab* products = window.productTab();
    QLabel* code = field<QLabel>(products, QStringLiteral("Code interne:"));

    // F6: a new code and the focus on the family; Return walks the fields and saves at the last.
    press(Qt::Key_F6);
    EXPECT_EQ(code->text(), QStringLiteral("4"));
    EXPECT_EQ(focusedLabel(), QStringLiteral("Famille/Marque :"));
    typeAndReturn(QStringLiteral("peinture é"));
    EXPECT_EQ(products->form().family, QStringLiteral("PEINTURE É"));
    EXPECT_EQ(focusedLabel(), QStringLiteral("Désignation:"));
    typeAndReturn(QStringLiteral("vernis"));
    EXPECT_EQ(focusedLabel(), QStringLiteral("Unité de mesure:"));
    typeAndReturn(QStringLiteral("pot"));
    for (const char* amount : {"0,5", "", "12,5"}) typeAndReturn(QString::fromLatin1(amount));
    EXPECT_EQ(focusedLabel(), QStringLiteral("Prix de vente en gros:"));
    EXPECT_TRUE(rows(DB_PROD, QStringLiteral("select * from fprod where Codeprod=4")).empty());
    press(Qt::Key_Return);
    EXPECT_EQ(rows(DB_PROD, QStringLiteral("select fam,Prod,Um,Qi,Pa,Pvd from fprod where Codeprod=4")),
              (Rows{{"PEINTURE É", "VERNIS", "POT", "50", "0", "1250"}}));
    EXPECT_EQ(code->text(), QString());

    // F5 saves from anywhere, a refusal keeps what was typed.
    field<QComboBox>(products, QStringLiteral("Désignation:"))->setEditText(QStringLiteral("GRILLAGE"));
    field<QLineEdit>(products, QStringLiteral("Quantité initiale:"))->setText(QStringLiteral("2"));
    press(Qt::Key_F5);
    EXPECT_EQ(dialogs.takeShown(), (std::vector<ShownBox>{{"message", QStringLiteral("Erreur"), QStringLiteral("Le prix d'achat est obligatoire !")}}));
    field<QLineEdit>(products, QStringLiteral("Prix d'achat:"))->setText(QStringLiteral("3"));
    press(Qt::Key_F5);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(rows(DB_PROD, QStringLiteral("select Codeprod,Qi,Pa from fprod where Prod='GRILLAGE'")), (Rows{{"5", "200", "300"}}));
    EXPECT_EQ(list(products)->topLevelItemCount(), 5); // the three listed at opening and the two saved

    // A row click fills the form; Alt+Delete asks and deletes.
    clickRow(list(products), 3);
    EXPECT_EQ(code->text(), QStringLiteral("4"));
    EXPECT_EQ(focusedLabel(), QStringLiteral("Quantité initiale:"));
    dialogs.answers = {Dialogs::Answer::Yes};
    press(Qt::Key_Delete, Qt::AltModifier);
    EXPECT_EQ(dialogs.takeShown().size(), 1u);
    EXPECT_TRUE(rows(DB_PROD, QStringLiteral("select * from fprod where Codeprod=4")).empty());
    EXPECT_EQ(list(products)->topLevelItemCount(), 4);

    // The keys of the other tab do not touch this one.
    selectTab(CLIENTS_SUPPLIERS_TAB);
    press(Qt::Key_F6);
    EXPECT_EQ(code->text(), QString());
    EXPECT_EQ(field<QLabel>(window.clientSupplierTab(), QStringLiteral("Code interne:"))->text(), QStringLiteral("3"));
}

TEST_F(TablesWindowTest, TheClientSupplierKeysReachTheClientSupplierOperations)
{
    open(CLIENTS_SUPPLIERS_TAB);
    ClientSupplierTab* clients = window.clientSupplierTab();
    EXPECT_EQ(list(clients)->topLevelItemCount(), 2);
    QLabel* code = field<QLabel>(clients, QStringLiteral("Code interne:"));

    press(Qt::Key_F6);
    EXPECT_EQ(code->text(), QStringLiteral("3"));
    EXPECT_EQ(focusedLabel(), QStringLiteral("Nom ou Raison sociale:"));
    typeAndReturn(QStringLiteral("sarl l'étoile"));
    EXPECT_EQ(focusedLabel(), QStringLiteral("Adresse:"));
    for (const char* text : {"rue des frères", "021", "rc", "mf", "art", "nis"}) typeAndReturn(QString::fromUtf8(text));
    EXPECT_EQ(focusedLabel(), QStringLiteral("Solde initial:"));
    type(QStringLiteral("-1 500,5"));
    press(Qt::Key_Return);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(rows(DB_CF, QStringLiteral("select * from fCF where CodeCF=3")),
              (Rows{{"3", "SARL L'ÉTOILE", "RUE DES FRÈRES", "021", "rc", "mf", "art", "nis", "-150050", "C"}}));

    ASSERT_EQ(list(clients)->topLevelItemCount(), 3);

    // Return in the name field finds an existing one.
    auto* name = field<QComboBox>(clients, QStringLiteral("Nom ou Raison sociale:"));
    name->setFocus();
    name->setEditText(QStringLiteral("ZOHRA"));
    press(Qt::Key_Return);
    EXPECT_EQ(code->text(), QStringLiteral("1"));
    EXPECT_EQ(focusedLabel(), QStringLiteral("Adresse:"));

    // F5 refuses a name another code has.
    code->clear();
    press(Qt::Key_F5);
    EXPECT_EQ(dialogs.takeShown(), (std::vector<ShownBox>{{"message", QStringLiteral("Erreur"), QStringLiteral("Ce Nom existe avec un autre code")}}));

    // A row click, then Alt+Delete.
    clickRow(list(clients), 0);
    EXPECT_EQ(name->currentText(), QStringLiteral("AMINE"));
    EXPECT_EQ(focusedLabel(), QStringLiteral("Adresse:"));
    dialogs.answers = {Dialogs::Answer::Yes};
    press(Qt::Key_Delete, Qt::AltModifier);
    EXPECT_EQ(dialogs.takeShown().size(), 1u);
    EXPECT_TRUE(rows(DB_CF, QStringLiteral("select * from fCF where CodeCF=2")).empty());
    EXPECT_EQ(list(clients)->topLevelItemCount(), 2);
}

} // namespace
