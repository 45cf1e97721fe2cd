// The parameters window: what it shows, and that every way out ends the program.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "data_fixture.h"
#include "widget_finders.h"
#include "utilities/parameters_window.h"

using ParametersWindowTest = DataFixture;

TEST_F(ParametersWindowTest, ShowsEveryLabelAndTheDefaultsMasked)
{
    ParametersWindow window(env);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Varkel 2020 (Logiciel de gestion commerciale) - Paramètres..."));
    EXPECT_EQ(window.size(), QSize(800, 400));

    QStringList labels;
    for (const QLabel* label : window.findChildren<QLabel*>()) labels.append(label->text());
    for (const char* text : {"PARAMETRES DE GESTION", "Code d'accès au logiciel:", "Code d'accès au versement:",
                             "Taux TVA par défaut :", "Ancien taux:", "Nouveau taux:", "%", "Type de bon de livraison:",
                             "Mode de payement par défaut:", "Bon de réception", "Bon de livraison", "Facture"})
        EXPECT_TRUE(labels.contains(QString::fromUtf8(text))) << text;
    EXPECT_EQ(labels.count(QStringLiteral("Ancien code:")), 2);
    EXPECT_EQ(labels.count(QStringLiteral("Nouveau code:")), 2);

    // Fields in their order: the two codes (old read-only), then the rates.
    const QList<QLineEdit*> fields = window.findChildren<QLineEdit*>();
    QStringList shown;
    for (const QLineEdit* field : fields) {
        shown.append(field->text());
        EXPECT_FALSE(field->accessibleName().isEmpty());
    }
    EXPECT_EQ(shown, (QStringList{QStringLiteral("780925"), QStringLiteral("780925"), QStringLiteral("806214"),
                                  QStringLiteral("806214"), QStringLiteral("19"), QStringLiteral("19")}));
    for (int i = 0; i < 4; ++i) EXPECT_EQ(fields[i]->echoMode(), QLineEdit::Password) << i;
    for (int i : {0, 2, 4}) EXPECT_TRUE(fields[i]->isReadOnly()) << i;
    for (int i : {1, 3, 5}) EXPECT_FALSE(fields[i]->isReadOnly()) << i;

    const QList<QRadioButton*> models = window.findChildren<QRadioButton*>();
    ASSERT_EQ(models.size(), 2);
    EXPECT_EQ(models[0]->text(), QStringLiteral("Modèle Standard"));
    EXPECT_TRUE(models[0]->isChecked());
    EXPECT_EQ(models[1]->text(), QStringLiteral("Modèle réduit"));

    const QList<QComboBox*> lists = window.findChildren<QComboBox*>();
    ASSERT_EQ(lists.size(), 3);
    for (const QComboBox* list : lists) {
        EXPECT_FALSE(list->isEditable());
        EXPECT_EQ(list->currentText(), QStringLiteral("A TERME"));
        QStringList items;
        for (int i = 0; i < list->count(); ++i) items.append(list->itemText(i));
        EXPECT_EQ(items, (QStringList{QStringLiteral("ESPECE"), QStringLiteral("CHEQUE"), QStringLiteral("VIREMENT BANCAIRE"),
                                      QStringLiteral("A TERME")}));
    }
    EXPECT_EQ(lists[1]->accessibleName(), QStringLiteral("Bon de livraison"));
}

TEST_F(ParametersWindowTest, ReturnDoesNothingAndEnregistrerSavesThenEnds)
{
    exec(DB_PARAM, QStringLiteral("insert into FParam values ('1','2','19','1','ESPECE','CARTE','ESPECE')"));
    ParametersWindow window(env);
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    const QList<QLineEdit*> fields = window.findChildren<QLineEdit*>();
    EXPECT_EQ(window.findChildren<QComboBox*>()[1]->currentIndex(), -1); // "CARTE" is not offered

    fields[1]->setText(QStringLiteral("neuf"));
    for (QWidget* focus : {static_cast<QWidget*>(fields[1]), static_cast<QWidget*>(buttonOf(window, QStringLiteral("Terminé"))),
                           static_cast<QWidget*>(buttonOf(window, QStringLiteral("Enregistrer les paramètres")))}) {
        focus->setFocus();
        QTest::keyClick(focus, Qt::Key_Return);
    }
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_TRUE(exitCodes.empty());
    EXPECT_TRUE(window.isVisible());

    window.findChildren<QRadioButton*>()[1]->setChecked(true);
    QTest::mouseClick(buttonOf(window, QStringLiteral("Enregistrer les paramètres")), Qt::LeftButton);
    EXPECT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(exitCodes, std::vector<int>{0});
    EXPECT_FALSE(window.isVisible());
    ASSERT_TRUE(store.openDatabases(folder()).isEmpty());
    EXPECT_EQ(rows(DB_PARAM, QStringLiteral("SELECT * FROM FParam")),
              (Rows{{QStringLiteral("neuf"), QStringLiteral("2"), QStringLiteral("19"), QStringLiteral("2"),
                     QStringLiteral("ESPECE"), QStringLiteral("A TERME"), QStringLiteral("ESPECE")}}));
}

TEST_F(ParametersWindowTest, TermineAndClosingEndWithoutWriting)
{
    {
        ParametersWindow window(env);
        window.show();
        QTest::mouseClick(buttonOf(window, QStringLiteral("Terminé")), Qt::LeftButton);
        EXPECT_FALSE(window.isVisible());
    }
    EXPECT_EQ(exitCodes, std::vector<int>{0});
    ASSERT_TRUE(store.openDatabases(folder()).isEmpty());
    {
        ParametersWindow window(env);
        window.show();
        window.close();
    }
    EXPECT_EQ(exitCodes, (std::vector<int>{0, 0}));
    EXPECT_TRUE(dialogs.shown.empty());
    ASSERT_TRUE(store.openDatabases(folder()).isEmpty());
    EXPECT_TRUE(rows(DB_PARAM, QStringLiteral("SELECT * FROM FParam")).empty());
}
