#include "common/amount.h"

#include "common/dialogs.h"
#include "common/values.h"

namespace {

__extension__ using Int128 = __int128;

Amount fromWide(Int128 cents)
{
    return cents >= -Amount::LIMIT && cents <= Amount::LIMIT ? Amount::fromCents(static_cast<qint64>(cents))
                                                             : Amount::invalid();
}

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

} // namespace

Amount lineAmount(Amount quantity, Amount unitPrice)
{
    if (!quantity.isValid() || !unitPrice.isValid()) return Amount::invalid();
    // Both factors are below 2^47: their product fits 128 bits with room to spare.
    return fromWide(static_cast<Int128>(quantity.cents()) * unitPrice.cents() / 100);
}

Amount percentOf(Amount base, Amount rate)
{
    if (!base.isValid() || !rate.isValid()) return Amount::invalid();
    return fromWide(static_cast<Int128>(base.cents()) * rate.cents() / 10000);
}

TypedAmount parseTypedAmount(const QString& text)
{
    QString cleaned = text;
    cleaned.remove(u' ');
    cleaned = cleaned.trimmed();
    bool negative = false;
    if (cleaned.startsWith(u'-')) {
        negative = true;
        cleaned.remove(0, 1);
    }
    if (cleaned.isEmpty()) return {};

    // Whole part, then at most two decimals; the digits are checked before any value is kept.
    qint64 whole = 0;
    bool tooLarge = false;
    int decimals = -1; // -1 until the separator
    qint64 fraction = 0;
    for (QChar c : cleaned) {
        if (c == u'.' || c == u',') {
            if (decimals >= 0) return {};
            decimals = 0;
        } else if (!isDigit(c)) {
            return {};
        } else if (decimals < 0) {
            // Leading zeros never make a number too large.
            if (whole > Amount::LIMIT / 100) tooLarge = true;
            else whole = whole * 10 + (c.unicode() - u'0');
        } else if (decimals < 2) {
            fraction = fraction * 10 + (c.unicode() - u'0');
            ++decimals;
        }
    }
    if (decimals == 1) fraction *= 10;
    if (tooLarge || whole > Amount::LIMIT / 100) return {TypedAmount::TooLarge, Amount::invalid()};
    const qint64 cents = whole * 100 + fraction;
    return {TypedAmount::Ok, Amount::fromCents(negative ? -cents : cents)};
}

Amount storedAmount(const QString& text)
{
    if (text.isEmpty()) return {};
    qsizetype i = text.startsWith(u'-') ? 1 : 0;
    if (i == text.size()) return Amount::invalid();
    qint64 value = 0;
    for (; i < text.size(); ++i) {
        if (!isDigit(text[i]) || value > Amount::LIMIT) return Amount::invalid();
        value = value * 10 + (text[i].unicode() - u'0');
    }
    return Amount::fromCents(text.startsWith(u'-') ? -value : value);
}

QString formatAmount(Amount amount)
{
    if (!amount.isValid()) return {};
    return formatAmount(amount.cents());
}

QString plainAmountText(Amount amount)
{
    if (!amount.isValid()) return {};
    const qint64 magnitude = amount.cents() < 0 ? -amount.cents() : amount.cents();
    const QString text = QString::number(magnitude / 100) + u'.' + QString::number(magnitude % 100).rightJustified(2, u'0');
    return amount.cents() < 0 ? u'-' + text : text;
}

std::optional<Amount> readTypedAmount(Dialogs& dialogs, const QString& text, const QString& notANumber)
{
    const TypedAmount typed = parseTypedAmount(text);
    if (typed.ok()) return typed.value;
    dialogs.message(QStringLiteral("Erreur"), typed.status == TypedAmount::TooLarge ? AMOUNT_TOO_LARGE : notANumber);
    return std::nullopt;
}

bool isWithinBound(Dialogs& dialogs, Amount amount)
{
    if (amount.isValid()) return true;
    dialogs.message(QStringLiteral("Erreur"), AMOUNT_TOO_LARGE);
    return false;
}
