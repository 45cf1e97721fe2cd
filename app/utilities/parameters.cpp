#include "utilities/parameters.h"

#include "common/env.h"
#include "stock/invoices.h"
#include "shell/session.h"

bool writeParameters(Store& store, const LoadedParameters& row)
{
    Transaction guard(store, DB_PARAM);
    if (!guard.isActive()) return false;
    if (!store.updateChecked(DB_PARAM, QStringLiteral("Delete from FParam"))) return false;
    if (!store.updateChecked(DB_PARAM,
                             QStringLiteral("Insert into fparam (MpUser,MpVer,TauxTva,Modelbl,ModepBr,ModepBl,ModepFac) "
                                            "values(?,?,?,?,?,?,?)"),
                             {row.accessCode, row.mpVer, row.tauxTva, row.modelbl, row.modepBr, row.modepBl, row.modepFac}))
        return false;
    return guard.commit();
}

namespace {

// The list's selection for a stored payment mode: none when it is not one of the four.
QString listedMode(const QString& mode) { return PAYMENT_MODES.contains(mode) ? mode : QString(); }

QString modeOrOnCredit(const QString& mode) { return mode.isEmpty() ? QStringLiteral("A TERME") : mode; }

} // namespace

void loadParameterFields(Env& env, ParametersForm& form)
{
    env.params = readParametersRow(env.store).value_or(defaultParameters());
    const LoadedParameters& p = env.params;
    form.oldAccessCode = form.newAccessCode = p.accessCode;
    form.oldPaymentCode = form.newPaymentCode = p.mpVer;
    form.oldVatRate = form.newVatRate = p.tauxTva;
    form.standardModel = p.modelbl == u"1";
    form.receptionMode = listedMode(p.modepBr);
    form.deliveryMode = listedMode(p.modepBl);
    form.invoiceMode = listedMode(p.modepFac);
}

bool saveParameters(Env& env, const ParametersForm& form)
{
    const QString error = QStringLiteral("Erreur");
    if (form.newAccessCode.isEmpty()) {
        env.dialogs.message(error, QStringLiteral("Vous devez saisir un mot de passe ! "));
        return false;
    }
    // The rate is used as typed (5.5 charges 5.5 %): a percentage from 0 to 100.
    if (!vatRateOf(form.newVatRate)) {
        env.dialogs.message(error, QStringLiteral("Valeur de taux incorrecte ! "));
        return false;
    }
    const LoadedParameters row{form.newAccessCode,
                               form.newPaymentCode,
                               form.newVatRate,
                               form.standardModel ? QStringLiteral("1") : QStringLiteral("2"),
                               modeOrOnCredit(form.receptionMode),
                               modeOrOnCredit(form.deliveryMode),
                               modeOrOnCredit(form.invoiceMode)};
    if (!writeParameters(env.store, row)) return false;
    env.dialogs.message(QStringLiteral("Confirmation"), QStringLiteral("Paramètres enregistrés ! "));
    shutdownAndExit(env);
    return true;
}
