// The client-supplier table: numbering, creation from a document, names, the checks and writes
// of the client-supplier tab, and the refusal to delete one that a document or payment uses.
#include "data_fixture.h"
#include "master/clients_suppliers.h"

namespace {

class ClientsSuppliersTest : public DataFixture {
protected:
    void addClientSupplier(int code, const QString& name, const QString& relation = RELATION_CLIENT)
    {
        exec(DB_CF, QStringLiteral("insert into fCF (CodeCF,CF,Ad,Tel,Rc,Mf,Art,Nis,Si,typecf) values (?,?,'AD','TEL','RC','MF','ART','NIS',12345,?)"),
             {code, name, relation});
    }
    Rows clientsSuppliers() { return rows(DB_CF, QStringLiteral("select * from fCF order by CodeCF")); }
    static QStringList names(const ClientSupplierForm& form)
    {
        QStringList shown;
        for (const QStringList& row : form.list.rows) shown.append(row[CS_NAME]);
        return shown;
    }
    void type(const QString& name, const QString& balance)
    {
        form.name = name;
        form.address = QStringLiteral("RUE 1");
        form.telephone = QStringLiteral("021 00 00 00");
        form.tradeRegister = QStringLiteral("RC1");
        form.taxIdentification = QStringLiteral("MF1");
        form.taxArticle = QStringLiteral("ART1");
        form.statisticalNumber = QStringLiteral("NIS1");
        form.openingBalance = balance;
    }

    ClientSupplierForm form;
};

TEST_F(ClientsSuppliersTest, ACodeFromADocumentShowsXUntilTheUserCompletesIt)
{
    EXPECT_EQ(nextClientSupplierCode(env), QStringLiteral("1"));
    ASSERT_TRUE(createClientSupplierFromDocument(env, nextClientSupplierCode(env), QStringLiteral("SARL NOUVELLE"), RELATION_SUPPLIER));
    EXPECT_EQ(clientsSuppliers(), (Rows{{"1", "SARL NOUVELLE", "x", "x", "x", "x", "x", "x", "0", "F"}}));
    EXPECT_EQ(nextClientSupplierCode(env), QStringLiteral("2"));
    EXPECT_EQ(clientSupplierName(env, QStringLiteral("1")), QStringLiteral("SARL NOUVELLE"));
    EXPECT_EQ(clientSupplierName(env, QStringLiteral("2")), QStringLiteral("inconnu"));

    loadClientSupplierTab(env, form);
    selectClientSupplierRow(form, 0);
    EXPECT_EQ(form.address, QStringLiteral("x"));
    EXPECT_EQ(form.statisticalNumber, QStringLiteral("x"));
    EXPECT_EQ(form.openingBalance, QStringLiteral("0.00"));
    EXPECT_EQ(form.relation, RELATION_SUPPLIER);
    EXPECT_EQ(form.focus, ClientSupplierField::Address);
}

TEST_F(ClientsSuppliersTest, ANewOneIsSavedUnderTheNextCodeWithItsBalanceInHundredths)
{
    addClientSupplier(4, QStringLiteral("ANCIEN"));
    loadClientSupplierTab(env, form);
    type(QStringLiteral("NOUVEAU"), QStringLiteral("-1 500,5"));
    form.relation = RELATION_BOTH;
    saveClientSupplier(env, form);

    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(clientsSuppliers()[1], (QStringList{"5", "NOUVEAU", "RUE 1", "021 00 00 00", "RC1", "MF1", "ART1", "NIS1", "-150050", "X"}));
    ASSERT_EQ(form.list.size(), 2);
    EXPECT_EQ(form.list.rows[1], (QStringList{"5", "NOUVEAU", "RUE 1", "021 00 00 00", "RC1", "MF1", "ART1", "NIS1", "-1 500.50", "X"}));
    EXPECT_EQ(form.list.alignment, (QList<int>{ALIGN_CENTRE, ALIGN_CENTRE, ALIGN_CENTRE, ALIGN_CENTRE, ALIGN_CENTRE,
                                               ALIGN_CENTRE, ALIGN_CENTRE, ALIGN_CENTRE, ALIGN_RIGHT, ALIGN_CENTRE}));
    EXPECT_EQ(form.name, QString());
    EXPECT_EQ(form.openingBalance, QString());

    // An empty balance is zero; a code that is no number counts as no code.
    type(QStringLiteral("TROISIÈME"), QString());
    form.code = QStringLiteral("0");
    saveClientSupplier(env, form);
    EXPECT_EQ(rows(DB_CF, QStringLiteral("select CodeCF,Si,typecf from fCF where CF=?"), {QStringLiteral("TROISIÈME")}),
              (Rows{{"6", "0", "X"}}));
}

TEST_F(ClientsSuppliersTest, ANameTakenByAnotherCodeIsRefusedButTheOwnerCanBeUpdated)
{
    addClientSupplier(1, QStringLiteral("ETS BENALI"));
    addClientSupplier(2, QStringLiteral("SNC OUALI"), RELATION_SUPPLIER);
    loadClientSupplierTab(env, form);
    const Rows before = clientsSuppliers();

    type(QStringLiteral("ETS BENALI"), QStringLiteral("10"));
    saveClientSupplier(env, form); // no code: a new one
    form.code = QStringLiteral("2");
    saveClientSupplier(env, form); // another one renamed
    EXPECT_EQ(dialogs.takeShown(), (std::vector<ShownBox>{{"message", QStringLiteral("Erreur"), QStringLiteral("Ce Nom existe avec un autre code")},
                                                           {"message", QStringLiteral("Erreur"), QStringLiteral("Ce Nom existe avec un autre code")}}));
    EXPECT_EQ(clientsSuppliers(), before);
    EXPECT_EQ(form.name, QStringLiteral("ETS BENALI"));

    form.code = QStringLiteral("1");
    form.relation = RELATION_SUPPLIER;
    saveClientSupplier(env, form);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(clientsSuppliers()[0], (QStringList{"1", "ETS BENALI", "RUE 1", "021 00 00 00", "RC1", "MF1", "ART1", "NIS1", "1000", "F"}));
    EXPECT_EQ(clientsSuppliers().size(), 2u);
    EXPECT_EQ(form.list.size(), 2);
    EXPECT_EQ(form.list.rows[form.list.findRow(CS_CODE, QStringLiteral("1"))][CS_OPENING_BALANCE], QStringLiteral("10.00"));
}

TEST_F(ClientsSuppliersTest, AnEmptyNameOrAWrongBalanceIsRefused)
{
    const std::pair<const char*, const char*> cases[] = {
        {"", "Nom ou Raison sociale incorrecte !"},
        {"  ", "Nom ou Raison sociale incorrecte !"},
    };
    for (const auto& [name, message] : cases) {
        type(QString::fromUtf8(name), QStringLiteral("5"));
        saveClientSupplier(env, form);
        EXPECT_EQ(dialogs.takeShown(), (std::vector<ShownBox>{{"message", QStringLiteral("Erreur"), QString::fromUtf8(message)}}));
    }
    for (const char* balance : {"CENT", "1.2.3", "-"}) {
        type(QStringLiteral("CLIENT"), QString::fromUtf8(balance));
        saveClientSupplier(env, form);
        EXPECT_EQ(dialogs.takeShown(), (std::vector<ShownBox>{{"message", QStringLiteral("Erreur"), QStringLiteral("Solde initial incorrect !")}}));
        EXPECT_EQ(form.openingBalance, QString::fromUtf8(balance));
    }
    EXPECT_TRUE(clientsSuppliers().empty());
}

struct ClientSupplierUse {
    DbNumber db;
    const char* table;
    const char* message;
};

TEST_F(ClientsSuppliersTest, OneUsedInADocumentOrAPaymentIsNotDeleted)
{
    const QString used = QStringLiteral("Ce Client-fournisseur est utilisé au niveau des ");
    // In the order they are searched.
    const ClientSupplierUse uses[] = {
        {DB_BL, "fBL", "livraisons. Impossible de le supprimer de la table. Voir bon de livraison N°: 42"},
        {DB_BR, "fBr", "réceptions. Impossible de le supprimer de la table. Voir bon de réception N°: 42"},
        {DB_FACV, "facv", "factures. Impossible de le supprimer de la table. Voir facture vente N°: 42"},
        {DB_FACP, "facp", "factures. Impossible de le supprimer de la table. Voir facture proforma N°: 42"},
        {DB_VER, "fVerR", "versements. Impossible de le supprimer de la table. Voir bon de versement N°: 42"},
        {DB_VER, "fVerE", "versements. Impossible de le supprimer de la table. Voir bon de versement N°: 42"},
        // The supplier of a purchase order is held back as well.
        {DB_BC, "fbc", "bons de commande. Impossible de le supprimer de la table. Voir bon de commande N°: 42"},
    };
    addClientSupplier(5, QStringLiteral("CLIENT"));
    addClientSupplier(6, QStringLiteral("AUTRE"));
    for (const ClientSupplierUse& use : uses)
        for (int numdoc : {42, 43})
            exec(use.db, QStringLiteral("insert into %1 (Numdoc,CodeCF) values (?,?)").arg(QLatin1String(use.table)),
                 {numdoc, numdoc == 42 ? 5 : 6});
    // Each use holds the client back alone: a client with payments only is kept too.
    for (const ClientSupplierUse& use : uses) {
        SCOPED_TRACE(use.table);
        form.code = QStringLiteral("5");
        deleteClientSupplier(env, form);
        EXPECT_EQ(dialogs.takeShown(), (std::vector<ShownBox>{{"message", QStringLiteral("Client-fournisseur utilisé"),
                                                               used + QString::fromUtf8(use.message)}}));
        EXPECT_EQ(clientsSuppliers().size(), 2u);
        exec(use.db, QStringLiteral("delete from %1 where Numdoc=42").arg(QLatin1String(use.table)));
    }
}

TEST_F(ClientsSuppliersTest, DeletingAsksAndOnlyYesDeletes)
{
    addClientSupplier(3, QStringLiteral("A"));
    addClientSupplier(4, QStringLiteral("B"));
    loadClientSupplierTab(env, form);
    const ShownBox question{"yesnocancel", QStringLiteral("Confirmation"),
                            QStringLiteral("Etes-vous sûr de vouloir supprimer ce Client-fournisseur ?")};
    for (Dialogs::Answer answer : {Dialogs::Answer::No, Dialogs::Answer::Cancel}) {
        selectClientSupplierRow(form, 0);
        dialogs.answers = {answer};
        deleteClientSupplier(env, form);
        EXPECT_EQ(dialogs.takeShown(), std::vector<ShownBox>{question});
        EXPECT_EQ(clientsSuppliers().size(), 2u);
        EXPECT_EQ(form.code, QStringLiteral("3"));
    }
    dialogs.answers = {Dialogs::Answer::Yes};
    deleteClientSupplier(env, form);
    EXPECT_EQ(rows(DB_CF, QStringLiteral("select CodeCF from fCF")), Rows{{"4"}});
    EXPECT_EQ(names(form), QStringList{"B"});
    EXPECT_EQ(form.code, QString());
    EXPECT_EQ(form.address, QString());

    form.code = QStringLiteral("3");
    deleteClientSupplier(env, form);
    EXPECT_EQ(dialogs.shown.back(), (ShownBox{"message", QStringLiteral("Erreur inattendue"),
                                              QStringLiteral("Code Client-fournisseur introuvable dans la table !")}));
}

TEST_F(ClientsSuppliersTest, TheTabLoadsInNameOrderSortsAndWalksTheFieldsWithReturn)
{
    addClientSupplier(2, QStringLiteral("ZOHRA"));
    addClientSupplier(1, QStringLiteral("BRAHIM"), RELATION_BOTH);
    addClientSupplier(3, QStringLiteral("KARIM"));
    form.sort = ClientSupplierSort::None;
    loadClientSupplierTab(env, form);
    EXPECT_EQ(form.sort, ClientSupplierSort::Name);
    EXPECT_EQ(names(form), (QStringList{"BRAHIM", "KARIM", "ZOHRA"}));
    EXPECT_EQ(form.names, (QStringList{"BRAHIM", "KARIM", "ZOHRA"}));
    form.sort = ClientSupplierSort::Code;
    sortClientSupplierList(env, form);
    EXPECT_EQ(names(form), (QStringList{"BRAHIM", "ZOHRA", "KARIM"}));
    addClientSupplier(4, QStringLiteral("AMINE"));
    form.sort = ClientSupplierSort::None;
    sortClientSupplierList(env, form);
    EXPECT_EQ(names(form), (QStringList{"BRAHIM", "ZOHRA", "KARIM"}));

    newClientSupplier(env, form);
    EXPECT_EQ(form.code, QStringLiteral("5"));
    EXPECT_EQ(form.focus, ClientSupplierField::Name);
    // Return in the name looks it up before moving on.
    form.name = QStringLiteral("BRAHIM");
    clientSupplierReturnPressed(env, form, ClientSupplierField::Name);
    EXPECT_EQ(form.code, QStringLiteral("1"));
    EXPECT_EQ(form.openingBalance, QStringLiteral("123.45"));
    EXPECT_EQ(form.relation, RELATION_BOTH);
    EXPECT_EQ(form.focus, ClientSupplierField::Address);
    const ClientSupplierField chain[] = {ClientSupplierField::Address, ClientSupplierField::Telephone,
                                         ClientSupplierField::TradeRegister, ClientSupplierField::TaxIdentification,
                                         ClientSupplierField::TaxArticle, ClientSupplierField::StatisticalNumber,
                                         ClientSupplierField::OpeningBalance};
    for (size_t i = 0; i + 1 < std::size(chain); ++i) {
        clientSupplierReturnPressed(env, form, chain[i]);
        EXPECT_EQ(form.focus, chain[i + 1]);
    }
    form.address = QStringLiteral("NOUVELLE ADRESSE");
    clientSupplierReturnPressed(env, form, ClientSupplierField::OpeningBalance);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(rows(DB_CF, QStringLiteral("select Ad,Si from fCF where CodeCF=1")), (Rows{{"NOUVELLE ADRESSE", "12345"}}));

    clearClientSupplierFields(form);
    EXPECT_EQ(form.code, QString());
}

TEST_F(ClientsSuppliersTest, ANameWithQuotesAndAccentsIsSavedListedFoundAndDeleted)
{
    const QString awkward = QStringLiteral("SARL \"L'ÉTOILE\" & FILS -- À ÇA");
    type(awkward, QStringLiteral("0"));
    saveClientSupplier(env, form);
    ASSERT_TRUE(dialogs.shown.empty());
    // Saving it again under its own code is no duplicate.
    type(awkward, QStringLiteral("1"));
    form.code = QStringLiteral("1");
    saveClientSupplier(env, form);
    ASSERT_TRUE(dialogs.shown.empty());

    ClientSupplierForm reopened;
    loadClientSupplierTab(env, reopened);
    EXPECT_EQ(reopened.names, QStringList{awkward});
    EXPECT_EQ(clientSupplierName(env, QStringLiteral("1")), awkward);
    findClientSupplierByName(env, reopened, awkward);
    EXPECT_EQ(reopened.code, QStringLiteral("1"));
    EXPECT_EQ(reopened.openingBalance, QStringLiteral("1.00"));

    dialogs.answers = {Dialogs::Answer::Yes};
    deleteClientSupplier(env, reopened);
    EXPECT_TRUE(clientsSuppliers().empty());
    EXPECT_TRUE(reopened.list.isEmpty());
}

} // namespace
