// The general check: every faulty stored value with where it was found, documents without
// their totals row or lines, a damaged file, and clean data that gives no line.
#include "utilities/general_check.h"
#include "utilities_fixture.h"

using namespace Qt::StringLiterals;

namespace {

const QString TO_CORRECT = u"A corriger"_s;

class GeneralCheckTest : public UtilitiesFixture {
protected:
    GeneralCheckTest()
    {
        addProduct(1, u"CIMENTERIE"_s, u"CIMENT 50KG"_s, u"SAC"_s, 1000, 85000, 98000);
        addClientSupplier(1, u"SARL ATLAS"_s, 0, u"X"_s);
        addNote(u"fBr"_s, 1, 1, 1, 1000, 85000, 0, u"A TERME"_s);
        addNote(u"fBL"_s, 1, 1, 1, 500, 49000, 49000, u"ESPECE"_s);
        addPayment(u"fVerR"_s, 1, 1, 1000, u"ESPECE"_s);
        addPayment(u"fVerE"_s, 1, 1, 2000, u"CHEQUE"_s);
    }
    Rows run()
    {
        runGeneralCheck(env, form);
        return form.results.rows;
    }

    GeneralCheckForm form;
};

TEST_F(GeneralCheckTest, CleanDataGivesNoLineAndTheBarGoesToItsEnd)
{
    std::vector<int> progress;
    QStringList statuses;
    form.progress.onChange = [&] {
        progress.push_back(form.progress.value);
        if (statuses.isEmpty() || statuses.back() != form.progress.status) statuses.append(form.progress.status);
    };
    exec(DB_CF, u"update fCF set Si='12,50'"_s); // one comma is a number
    EXPECT_TRUE(run().empty());
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()));
    EXPECT_EQ(progress.back(), GENERAL_CHECK_PROGRESS_END);
    EXPECT_EQ(statuses, (QStringList{u"Contrôle des fichiers..."_s, u"Contrôle table des produits..."_s,
                                     u"Contrôle table des clients-fournisseurs..."_s, u"Contrôle des réceptions..."_s,
                                     u"Contrôle des livraisons..."_s, u"Contrôle des versements reçus..."_s,
                                     u"Contrôle des versements émis..."_s, u"Contrôle des bons..."_s,
                                     u"Contrôle terminé..."_s}));
}

TEST_F(GeneralCheckTest, EachFaultyValueGivesALineWithWhereItIsAndTheValueAsStored)
{
    exec(DB_PROD, u"update fprod set Pa='', Pvg='1.2.3'"_s);
    exec(DB_PROD, u"insert into fprod (Codeprod,Prod,Qi,Pa,Pvd,Pvg) values ('A7','', 'x', 1, 1, 1)"_s);
    exec(DB_CF, u"insert into fCF (CodeCF,CF,Si) values (2,'','-')"_s);
    exec(DB_BR, u"update fBr set modep='', DateDoc='31/13/2026' where CodeProd=9999"_s);
    exec(DB_BL, u"update fBL set Qte='DIX', DateNum='' where CodeProd<>9999"_s);
    exec(DB_VER, u"update fVerR set DateDoc='2026-03-11', Modep=''"_s);
    exec(DB_VER, u"update fVerE set numdoc='E1', CodeCF='X'"_s);
    EXPECT_EQ(run(), (Rows{
                         {u"table des produits"_s, u"Prix d'achat incorrect !  ===>> "_s, TO_CORRECT},
                         {u"table des produits"_s, u"Prix de vente gros incorrect !  ===>> 1.2.3"_s, TO_CORRECT},
                         {u"table des produits"_s, u"Code produit incorrect ! ===>> A7"_s, TO_CORRECT},
                         {u"table des produits"_s, u"Produit incorrect ! ===>> "_s, TO_CORRECT},
                         {u"table des produits"_s, u"Quantité initiale incorrecte ! ===>> x"_s, TO_CORRECT},
                         {u"table des clients fournisseurs"_s, u"Nom du client-fournisseur incorrect !  ===>> "_s, TO_CORRECT},
                         {u"table des clients fournisseurs"_s, u"Solde initial incorrect !  ===>> -"_s, TO_CORRECT},
                         {u"Réception n°1"_s, u"Date incorrecte !  ===>> 31/13/2026"_s, TO_CORRECT},
                         {u"Réception n°1"_s, u"Mode de payement incorrect !  ===>> "_s, TO_CORRECT},
                         {u"Livraison n°1"_s, u"Date (num) incorrecte !  ===>> "_s, TO_CORRECT},
                         {u"Livraison n°1"_s, u"Quantité incorrecte !  ===>> DIX"_s, TO_CORRECT},
                         {u"Versement reçu n°1"_s, u"Date incorrecte !  ===>> 2026-03-11"_s, TO_CORRECT},
                         {u"Versement reçu n°1"_s, u"Mode de payement incorrect !  ===>> "_s, TO_CORRECT},
                         {u"Versement émis n°E1"_s, u"N° du bon de versement émis incorrect !  ===>> E1"_s, TO_CORRECT},
                         {u"Versement émis n°E1"_s, u"Code fournisseur incorrect !  ===>> X"_s, TO_CORRECT},
                     }));
    EXPECT_EQ(form.progress.status, u"Contrôle terminé..."_s);
}

TEST_F(GeneralCheckTest, DocumentsWithoutTheirTotalsRowOrWithoutLinesAreListed)
{
    exec(DB_BR, u"delete from fBr where CodeProd=9999"_s);
    exec(DB_BL, u"delete from fBL where CodeProd<>9999"_s);
    exec(DB_FACV, u"insert into facv (Numdoc,CodeCF,CodeProd,Qte,Pu,Mnt) values (4,1,1,100,100,100)"_s);
    exec(DB_FACP, u"insert into facp (Numdoc,CodeCF,CodeProd,ht) values (6,1,9999,0)"_s);
    EXPECT_EQ(run(), (Rows{
                         {u"Réception n°1"_s, u"Ligne de totaux manquante !"_s, TO_CORRECT},
                         {u"Livraison n°1"_s, u"Totaux sans aucune ligne de produit !"_s, TO_CORRECT},
                         {u"Facture n°4"_s, u"Ligne de totaux manquante !"_s, TO_CORRECT},
                         {u"Facture proforma n°6"_s, u"Totaux sans aucune ligne de produit !"_s, TO_CORRECT},
                     }));
}

TEST_F(GeneralCheckTest, ADamagedFileIsNamed)
{
    {
        Transaction many(store, DB_PROD);
        for (int i = 0; i < 200; ++i) addProduct(10 + i, u"FAMILLE"_s, u"PRODUIT %1"_s.arg(i), u"U"_s, 100, 100, 200);
        ASSERT_TRUE(many.commit());
    }
    damage(path(u"Data/prod.db"_s));
    const Rows lines = run();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0][0], u"Data/prod.db"_s);
    EXPECT_TRUE(lines[0][1].startsWith(u"Fichier endommagé !  ===>> "_s)) << lines[0][1].toStdString();
    EXPECT_EQ(lines[0][2], u"A restaurer"_s);
}

} // namespace
