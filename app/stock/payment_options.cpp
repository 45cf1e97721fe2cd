#include "stock/payment_options.h"

const QString& paymentModeText(PaymentOption option)
{
    static const QString espece = QStringLiteral("ESPECE"), cheque = QStringLiteral("Chèque n°"),
                         virement = QStringLiteral("Virement n°"), aTerme = QStringLiteral("A TERME");
    switch (option) {
    case PaymentOption::Espece: return espece;
    case PaymentOption::Cheque: return cheque;
    case PaymentOption::Virement: return virement;
    case PaymentOption::ATerme: break;
    }
    return aTerme;
}

std::optional<PaymentOption> optionOfMode(const QString& mode, bool cashExactly)
{
    if (cashExactly ? mode == u"ESPECE" : mode.startsWith(u'E')) return PaymentOption::Espece;
    if (mode.startsWith(u'C')) return PaymentOption::Cheque;
    if (mode.startsWith(u'V')) return PaymentOption::Virement;
    if (mode.startsWith(u'A')) return PaymentOption::ATerme;
    return std::nullopt;
}
