// The parameters: defaults, the two checks, the saved row, the rollback and the end of the program.
#include "data_fixture.h"
#include "utilities/parameters.h"

namespace {

const ShownBox SAVED{QStringLiteral("message"), QStringLiteral("Confirmation"), QStringLiteral("Paramètres enregistrés ! ")};

QStringList row(const LoadedParameters& p) { return {p.accessCode, p.mpVer, p.tauxTva, p.modelbl, p.modepBr, p.modepBl, p.modepFac}; }

} // namespace

class ParametersTest : public DataFixture {
protected:
    void storeRow(const QStringList& values)
    {
        QVariantList args(values.begin(), values.end());
        exec(DB_PARAM, QStringLiteral("insert into FParam values (?,?,?,?,?,?,?)"), args);
    }
    // The saved row, read back from the file (saving closes the databases).
    Rows savedRows()
    {
        if (!store.isOpen()) {
            EXPECT_TRUE(store.openDatabases(folder()).isEmpty());
        }
        return rows(DB_PARAM, QStringLiteral("SELECT * FROM FParam"));
    }
    const QStringList stored{QStringLiteral("111"), QStringLiteral("222"), QStringLiteral("17"), QStringLiteral("2"),
                             QStringLiteral("ESPECE"), QStringLiteral("CHEQUE"), QStringLiteral("VIREMENT BANCAIRE")};
};

TEST_F(ParametersTest, AnEmptyTableShowsTheDefaultsAndSavingUnchangedWritesThem)
{
    ParametersForm form;
    loadParameterFields(env, form);
    EXPECT_EQ(form.oldAccessCode, QStringLiteral("780925"));
    EXPECT_EQ(form.newAccessCode, QStringLiteral("780925"));
    EXPECT_EQ(form.oldPaymentCode, QStringLiteral("806214"));
    EXPECT_EQ(form.newPaymentCode, QStringLiteral("806214"));
    EXPECT_EQ(form.oldVatRate, QStringLiteral("19"));
    EXPECT_EQ(form.newVatRate, QStringLiteral("19"));
    EXPECT_TRUE(form.standardModel);
    EXPECT_EQ(QStringList({form.receptionMode, form.deliveryMode, form.invoiceMode}),
              QStringList(3, QStringLiteral("A TERME")));
    EXPECT_EQ(row(env.params), row(defaultParameters()));

    EXPECT_TRUE(saveParameters(env, form));
    EXPECT_EQ(dialogs.shown, std::vector<ShownBox>{SAVED});
    EXPECT_EQ(exitCodes, std::vector<int>{0});
    EXPECT_FALSE(store.isOpen());
    EXPECT_EQ(savedRows(), Rows{row(defaultParameters())});
}

TEST_F(ParametersTest, TheStoredRowIsShownAndAnUnlistedModeIsSavedAsOnCredit)
{
    QStringList values = stored;
    values[5] = QStringLiteral("CARTE"); // typed elsewhere, not one of the four
    storeRow(values);
    ParametersForm form;
    loadParameterFields(env, form);
    EXPECT_EQ(form.oldAccessCode, QStringLiteral("111"));
    EXPECT_EQ(form.newPaymentCode, QStringLiteral("222"));
    EXPECT_EQ(form.oldVatRate, QStringLiteral("17"));
    EXPECT_FALSE(form.standardModel);
    EXPECT_EQ(form.receptionMode, QStringLiteral("ESPECE"));
    EXPECT_EQ(form.deliveryMode, QString());
    EXPECT_EQ(form.invoiceMode, QStringLiteral("VIREMENT BANCAIRE"));

    form.newAccessCode = QStringLiteral("L'ÉTÉ \"42\"");
    form.newPaymentCode.clear(); // may be left empty
    EXPECT_TRUE(saveParameters(env, form));
    EXPECT_EQ(savedRows(), (Rows{{QStringLiteral("L'ÉTÉ \"42\""), QString(), QStringLiteral("17"), QStringLiteral("2"),
                                  QStringLiteral("ESPECE"), QStringLiteral("A TERME"), QStringLiteral("VIREMENT BANCAIRE")}}));
}

TEST_F(ParametersTest, ChecksRefuseAndKeepTheWindowOpen)
{
    storeRow(stored);
    const struct {
        const char* code;
        const char* rate;
        const char* message;
    } cases[] = {
        {"", "19", "Vous devez saisir un mot de passe ! "},
        {"", "abc", "Vous devez saisir un mot de passe ! "},
        {"1", "19%", "Valeur de taux incorrecte ! "},
        {"1", "", "Valeur de taux incorrecte ! "},
        {"1", "1.2.3", "Valeur de taux incorrecte ! "},
    };
    for (const auto& c : cases) {
        ParametersForm form;
        loadParameterFields(env, form);
        form.newAccessCode = QString::fromUtf8(c.code);
        form.newVatRate = QString::fromUtf8(c.rate);
        EXPECT_FALSE(saveParameters(env, form));
        EXPECT_EQ(dialogs.takeShown(), (std::vector<ShownBox>{{QStringLiteral("message"), QStringLiteral("Erreur"),
                                                               QString::fromUtf8(c.message)}}));
    }
    EXPECT_TRUE(exitCodes.empty());
    EXPECT_EQ(savedRows(), Rows{stored});
}

TEST_F(ParametersTest, RatesAreStoredAsTyped)
{
    for (const QString& rate : {QStringLiteral("19,5"), QStringLiteral("7.5")}) {
        ParametersForm form;
        loadParameterFields(env, form);
        form.newVatRate = rate;
        form.standardModel = false;
        EXPECT_TRUE(saveParameters(env, form));
        const Rows saved = savedRows();
        ASSERT_EQ(saved.size(), 1u);
        EXPECT_EQ(saved[0][2], rate);
        EXPECT_EQ(saved[0][3], QStringLiteral("2"));
    }
    EXPECT_EQ(exitCodes, (std::vector<int>{0, 0}));
}

TEST_F(ParametersTest, AFailedInsertLeavesThePreviousRow)
{
    storeRow(stored);
    exec(DB_PARAM, QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON FParam BEGIN SELECT RAISE(ABORT, 'disque plein'); END"));
    ParametersForm form;
    loadParameterFields(env, form);
    form.newAccessCode = QStringLiteral("999");
    EXPECT_FALSE(saveParameters(env, form));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].title, QStringLiteral("Erreur"));
    EXPECT_TRUE(dialogs.shown[0].text.startsWith(QStringLiteral("disque plein    Db=30 query$= Insert into fparam")));
    EXPECT_TRUE(exitCodes.empty());
    store.closeAll(); // what is on disk
    EXPECT_EQ(savedRows(), Rows{stored});
}
