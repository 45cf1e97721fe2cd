#include "shell/access_code.h"

#include "common/env.h"
#include "utilities/parameters.h"

namespace {
const QString ERROR_TITLE = QStringLiteral("Erreur...");
} // namespace

void validateAccessCode(Env& env, AccessForm& form)
{
    form.accepted = form.code == env.params.accessCode;
    if (!form.accepted) env.dialogs.message(ERROR_TITLE, QStringLiteral("Code d'accès incorrect ! "));
}

void changeAccessCode(Env& env, AccessForm& form)
{
    if (form.code != env.params.accessCode) {
        env.dialogs.message(ERROR_TITLE, QStringLiteral("Saisissez l'ancien mot de passe dans la case puis cliquez sur "
                                                        "le bouton MODIFIER ! "));
        return;
    }
    const std::optional<QString> newCode = env.dialogs.input(QStringLiteral("Nouveau mot de passe"),
                                                             QStringLiteral("Saisissez le nouveau mot de passe!"), QString());
    if (!newCode || newCode->isEmpty()) return;
    if (!env.dialogs.askYesNo(QStringLiteral("Confirmation"),
                              QStringLiteral("Etes-vous sûr de vouloir remplacer l'ancien mot de passe par le nouveau ?")))
        return;

    // Every row gets the new code (a stored code "x" or NULL included). A folder without its
    // parameters row gets one, holding the usual defaults, so the new code is kept.
    bool stored;
    if (readParametersRow(env.store)) {
        stored = env.store.updateChecked(DB_PARAM, QStringLiteral("UPDATE FParam SET MpUser=?"), {*newCode});
    } else {
        LoadedParameters row = defaultParameters();
        row.accessCode = *newCode;
        stored = writeParameters(env.store, row);
    }
    // A code that could not be stored is not announced as replaced (the "Erreur" box was shown).
    if (!stored) return;
    env.params.accessCode = *newCode;
    form.code = *newCode;
    env.dialogs.message(QStringLiteral("Confirmation..."),
                        QStringLiteral("Le mot de passe a été remplacé !. Cliquez sur le bouton VALIDER pour accéder au "
                                       "logiciel ! "));
}
