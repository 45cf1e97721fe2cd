#include "common/period.h"

#include "common/dialogs.h"
#include "common/values.h"

std::optional<Period> checkPeriod(Dialogs& dialogs, const QString& from, const QString& to, PeriodMessages wording)
{
    const QString ending = wording == PeriodMessages::TrailingBlank ? QStringLiteral(" ") : QString();
    const auto refuse = [&](const QString& text) {
        dialogs.message(QStringLiteral("Erreur"), text + ending);
        return std::nullopt;
    };
    Period period{from, to, toDateNum(from), toDateNum(to)};
    if (!isValidDate(from) || period.start < 0) return refuse(QStringLiteral("Date début incorrecte !"));
    if (!isValidDate(to) || period.end < 0) return refuse(QStringLiteral("Date fin incorrecte !"));
    if (period.end < period.start) return refuse(QStringLiteral("Dates incorrectes !"));
    return period;
}
