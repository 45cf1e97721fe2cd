// The access code: exact comparison, and its replacement by whoever knows the current one.
#include "data_fixture.h"
#include "shell/access_code.h"

namespace {

const ShownBox WRONG_CODE{QStringLiteral("message"), QStringLiteral("Erreur..."), QStringLiteral("Code d'accès incorrect ! ")};
const ShownBox OLD_CODE_FIRST{QStringLiteral("message"), QStringLiteral("Erreur..."),
                              QStringLiteral("Saisissez l'ancien mot de passe dans la case puis cliquez sur le bouton "
                                             "MODIFIER ! ")};
const ShownBox NEW_CODE_ASKED{QStringLiteral("input"), QStringLiteral("Nouveau mot de passe"),
                              QStringLiteral("Saisissez le nouveau mot de passe!")};
const ShownBox SURE{QStringLiteral("yesno"), QStringLiteral("Confirmation"),
                    QStringLiteral("Etes-vous sûr de vouloir remplacer l'ancien mot de passe par le nouveau ?")};
const ShownBox REPLACED{QStringLiteral("message"), QStringLiteral("Confirmation..."),
                        QStringLiteral("Le mot de passe a été remplacé !. Cliquez sur le bouton VALIDER pour accéder au "
                                       "logiciel ! ")};

} // namespace

class AccessCodeTest : public DataFixture {
protected:
    void storeRow(const QString& code)
    {
        exec(DB_PARAM, QStringLiteral("insert into FParam values (?,?,?,?,?,?,?)"),
             {code, QStringLiteral("4321"), QStringLiteral("9"), QStringLiteral("2"), QStringLiteral("ESPECE"),
              QStringLiteral("CHEQUE"), QStringLiteral("ESPECE")});
        env.setParameters(loadParameters(store));
    }
    Rows paramRows() { return rows(DB_PARAM, QStringLiteral("SELECT * FROM FParam")); }
};

TEST_F(AccessCodeTest, TheCodeMustBeTypedExactly)
{
    const struct {
        const char* stored;
        const char* typed;
        bool accepted;
    } cases[] = {
        {"", "", true}, // a new Data folder: empty FParam, empty code
        {"", " ", false},
        {"abc", "abc", true},
        {"abc", "ABC", false},
        {"abc", "abc ", false},
        {"abc", " abc", false},
        {"abc", "", false},
        {"Élan", "Élan", true},
        {"Élan", "élan", false},
    };
    for (const auto& c : cases) {
        env.params.accessCode = QString::fromUtf8(c.stored);
        AccessForm form{QString::fromUtf8(c.typed)};
        validateAccessCode(env, form);
        EXPECT_EQ(form.accepted, c.accepted) << c.stored << " / " << c.typed;
        EXPECT_EQ(dialogs.takeShown(), c.accepted ? std::vector<ShownBox>{} : std::vector<ShownBox>{WRONG_CODE})
            << c.typed;
    }
}

TEST_F(AccessCodeTest, ChangingAsksForTheCurrentCodeFirst)
{
    storeRow(QStringLiteral("abc"));
    for (const char* typed : {"", "ABC", "abc "}) {
        AccessForm form{QString::fromUtf8(typed)};
        changeAccessCode(env, form);
        EXPECT_EQ(dialogs.takeShown(), std::vector<ShownBox>{OLD_CODE_FIRST}) << typed;
        EXPECT_EQ(form.code, QString::fromUtf8(typed));
    }
    EXPECT_EQ(paramRows()[0][0], QStringLiteral("abc"));
}

TEST_F(AccessCodeTest, ACancelledEmptyOrRefusedNewCodeChangesNothing)
{
    storeRow(QStringLiteral("abc"));
    dialogs.inputs = {std::nullopt, QString(), QStringLiteral("neuf")};
    dialogs.answers = {Dialogs::Answer::No};
    AccessForm form{QStringLiteral("abc")};
    changeAccessCode(env, form); // cancelled
    changeAccessCode(env, form); // emptied
    changeAccessCode(env, form); // refused
    EXPECT_EQ(dialogs.takeShown(), (std::vector<ShownBox>{NEW_CODE_ASKED, NEW_CODE_ASKED, NEW_CODE_ASKED, SURE}));
    EXPECT_EQ(form.code, QStringLiteral("abc"));
    EXPECT_EQ(env.params.accessCode, QStringLiteral("abc"));
    EXPECT_EQ(paramRows()[0][0], QStringLiteral("abc"));
}

TEST_F(AccessCodeTest, AConfirmedNewCodeReplacesTheStoredOne)
{
    // "x" and NULL are codes like any other: the row is updated whatever it holds.
    for (const QVariant& old : {QVariant(QStringLiteral("abc")), QVariant(QStringLiteral("x")), QVariant()}) {
        exec(DB_PARAM, QStringLiteral("Delete from FParam"));
        storeRow(old.toString());
        exec(DB_PARAM, QStringLiteral("update FParam set MpUser=?"), {old});
        dialogs.inputs = {QStringLiteral("Nouveau 1")};
        dialogs.answers = {Dialogs::Answer::Yes};
        AccessForm form{old.toString()};
        changeAccessCode(env, form);
        EXPECT_EQ(dialogs.takeShown(), (std::vector<ShownBox>{NEW_CODE_ASKED, SURE, REPLACED}));
        EXPECT_EQ(form.code, QStringLiteral("Nouveau 1"));
        EXPECT_EQ(env.params.accessCode, QStringLiteral("Nouveau 1"));
        EXPECT_EQ(paramRows(), (Rows{{QStringLiteral("Nouveau 1"), QStringLiteral("4321"), QStringLiteral("9"), QStringLiteral("2"),
                                      QStringLiteral("ESPECE"), QStringLiteral("CHEQUE"), QStringLiteral("ESPECE")}}));
    }
    // The new code then opens the program.
    AccessForm form{QStringLiteral("Nouveau 1")};
    validateAccessCode(env, form);
    EXPECT_TRUE(form.accepted);
}

TEST_F(AccessCodeTest, ANewFolderGetsItsParametersRowWithTheNewCode)
{
    dialogs.inputs = {QStringLiteral("1234")};
    dialogs.answers = {Dialogs::Answer::Yes};
    AccessForm form{QString()};
    changeAccessCode(env, form);
    EXPECT_EQ(dialogs.takeShown(), (std::vector<ShownBox>{NEW_CODE_ASKED, SURE, REPLACED}));
    EXPECT_EQ(paramRows(), (Rows{{QStringLiteral("1234"), QStringLiteral("806214"), QStringLiteral("19"), QStringLiteral("1"),
                                  QStringLiteral("A TERME"), QStringLiteral("A TERME"), QStringLiteral("A TERME")}}));
}

TEST_F(AccessCodeTest, ACodeThatCannotBeStoredIsNotAnnouncedAsReplaced)
{
    storeRow(QStringLiteral("abc"));
    exec(DB_PARAM, QStringLiteral("CREATE TRIGGER refuse BEFORE UPDATE ON FParam BEGIN SELECT RAISE(ABORT, 'disque plein'); END"));
    dialogs.inputs = {QStringLiteral("neuf")};
    dialogs.answers = {Dialogs::Answer::Yes};
    AccessForm form{QStringLiteral("abc")};
    changeAccessCode(env, form);
    const std::vector<ShownBox> shown = dialogs.takeShown();
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[2].title, QStringLiteral("Erreur"));
    EXPECT_TRUE(shown[2].text.startsWith(QStringLiteral("disque plein    Db=30 query$= UPDATE FParam"))) << qUtf8Printable(shown[2].text);
    EXPECT_EQ(form.code, QStringLiteral("abc"));
    EXPECT_EQ(env.params.accessCode, QStringLiteral("abc"));
    EXPECT_EQ(paramRows()[0][0], QStringLiteral("abc"));
}
