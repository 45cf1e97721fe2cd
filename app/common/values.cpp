#include "common/values.h"

#include <algorithm>
#include <iterator>
#include <limits>

namespace {

__extension__ using Int128 = __int128;

bool isSeparator(QChar c) { return c == u'.' || c == u','; }

QString withoutBlanks(QString text) { return text.remove(u' ').trimmed(); }

// Splits a leading minus sign off a text of digits.
struct Signed {
    bool negative = false;
    QString digits;
};

Signed splitSign(const QString& text)
{
    if (text.startsWith(u'-')) return {true, text.mid(1)};
    return {false, text};
}

bool isAllZeros(const QString& digits)
{
    for (QChar c : digits)
        if (c != u'0') return false;
    return true;
}

// "9876" with a decimal part ".54" -> "9 876.54".
QString joinGroups(const QString& integerPart, const QString& decimalPart)
{
    QStringList groups;
    qsizetype end = integerPart.size();
    while (end > 0) {
        qsizetype start = std::max<qsizetype>(0, end - 3);
        groups.prepend(integerPart.mid(start, end - start));
        end = start;
    }
    return (groups.join(u' ') + decimalPart).trimmed();
}

} // namespace

qint64 integerValue(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    // Accumulate negatively so that the lowest 64-bit value reads back exactly; a number beyond
    // 64 bits stays at the nearest end rather than losing digits.
    constexpr qint64 lowest = std::numeric_limits<qint64>::min();
    qint64 value = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        const int digit = text[i].unicode() - u'0';
        value = value < (lowest + digit) / 10 ? lowest : value * 10 - digit;
    }
    if (negative) return value;
    return value == lowest ? std::numeric_limits<qint64>::max() : -value;
}

QString centsToDecimalText(const QString& text)
{
    QString cleaned = text.trimmed();
    cleaned.remove(u'.').remove(u',');
    auto [negative, digits] = splitSign(cleaned.trimmed());
    // Leading zeros carry no value ("0050" is fifty hundredths).
    while (digits.size() > 1 && digits.startsWith(u'0')) digits.remove(0, 1);

    QString decimal;
    switch (digits.size()) {
    case 0: decimal = QStringLiteral("0.00"); break;
    case 1: decimal = QStringLiteral("0.0") + digits; break;
    case 2: decimal = QStringLiteral("0.") + digits; break;
    default: decimal = digits.left(digits.size() - 2) + u'.' + digits.right(2);
    }
    if (isAllZeros(digits)) return QStringLiteral("0.00");
    return negative ? u'-' + decimal : decimal;
}

QString groupThousands(const QString& text)
{
    auto [negative, unsignedText] = splitSign(withoutBlanks(text));
    const qsizetype n = unsignedText.size();
    QString integerPart = unsignedText;
    QString decimalPart;
    if (n >= 3 && isSeparator(unsignedText[n - 3])) {
        decimalPart = unsignedText.right(3);
        integerPart = unsignedText.left(n - 3);
    }
    QString grouped = joinGroups(integerPart, decimalPart);
    if (grouped == u"0") return QStringLiteral("0.00");
    return negative ? u'-' + grouped : grouped;
}

QString formatAmount(const QString& cents)
{
    QString decimal = centsToDecimalText(cents);
    if (decimal == u"0.00") return decimal;
    auto [negative, unsignedDecimal] = splitSign(decimal);
    QString grouped = groupThousands(unsignedDecimal);
    return negative ? u'-' + grouped : grouped;
}

QString formatAmount(qint64 cents)
{
    // Written from the last digit backwards: the hundredths, the point, then groups of three
    // (a report formats tens of thousands of amounts at a time).
    const bool negative = cents < 0;
    quint64 magnitude = negative ? 0 - static_cast<quint64>(cents) : static_cast<quint64>(cents);
    char16_t text[32];
    qsizetype start = std::size(text);
    const auto put = [&](char16_t c) { text[--start] = c; };
    const auto digit = [&] {
        put(static_cast<char16_t>(u'0' + magnitude % 10));
        magnitude /= 10;
    };
    digit();
    digit();
    put(u'.');
    for (int digits = 0; digits == 0 || magnitude > 0; ++digits) {
        if (digits > 0 && digits % 3 == 0) put(u' ');
        digit();
    }
    if (negative) put(u'-');
    return QString(reinterpret_cast<const QChar*>(text + start), static_cast<qsizetype>(std::size(text)) - start);
}

QString amountTextToCents(const QString& text)
{
    const QString trimmed = text.trimmed();
    qsizetype separator = -1;
    for (qsizetype i = 0; i < trimmed.size(); ++i) {
        if (isSeparator(trimmed[i])) {
            separator = i;
            break;
        }
    }
    QString result;
    if (separator >= 0) {
        QString decimals = trimmed.mid(separator + 1, 2).trimmed();
        if (decimals.size() == 1) decimals += u'0';
        if (decimals.isEmpty()) decimals = QStringLiteral("00");
        result = trimmed.left(separator).trimmed() + decimals;
    } else {
        result = trimmed + QStringLiteral("00");
    }
    return withoutBlanks(result);
}

bool isNumericText(const QString& text)
{
    QString cleaned = withoutBlanks(text.trimmed());
    if (cleaned.startsWith(u'-')) cleaned.remove(0, 1);
    if (cleaned.isEmpty()) return false;
    int separators = 0;
    for (QChar c : cleaned) {
        if (isSeparator(c)) {
            if (++separators > 1) return false;
        } else if (c < u'0' || c > u'9') {
            return false;
        }
    }
    return true;
}

QString dateText(const QDate& date) { return date.toString(QString::fromLatin1(DATE_FORMAT)); }

bool isValidDate(const QString& text)
{
    const QString trimmed = text.trimmed();
    const qint64 day = integerValue(trimmed.left(2));
    const qint64 month = integerValue(trimmed.mid(3, 2));
    const qint64 year = integerValue(trimmed.right(4));
    return day >= 1 && day <= 31 && month >= 1 && month <= 12 && year >= 2014;
}

qint64 toDateNum(const QString& text)
{
    const QDate date = QDate::fromString(text.trimmed(), QString::fromLatin1(DATE_FORMAT));
    static const QDate epoch(1970, 1, 1);
    if (!date.isValid() || date < epoch) return -1;
    return epoch.daysTo(date) * 86400;
}

QString toDateNumText(const QString& dateText) { return QString::number(toDateNum(dateText)); }

QDate dateFromDateNum(qint64 dateNum)
{
    if (dateNum < 0) return {};
    return QDate(1970, 1, 1).addDays(dateNum / 86400);
}

DateWithNum firstDayOfMonthText(const QDate& today)
{
    const QString text = QStringLiteral("01/") + dateText(today).right(7);
    return {text, toDateNum(text)};
}

QString dropLastTwo(const QString& text) { return text.size() > 2 ? text.left(text.size() - 2) : QString(); }

QString lineAmountText(const QString& quantityCents, const QString& unitPriceCents)
{
    // Computed on 128 bits: a large quantity times a large price must not wrap around.
    const Int128 product = static_cast<Int128>(integerValue(quantityCents)) * integerValue(unitPriceCents);
    const Int128 magnitude = product < 0 ? -product : product;
    QString digits;
    for (Int128 rest = magnitude; rest > 0; rest /= 10) digits.prepend(QChar(u'0' + static_cast<int>(rest % 10)));
    // Below one unit of the hundredths nothing is left, whatever the sign.
    const QString whole = dropLastTwo(digits);
    return product < 0 && !whole.isEmpty() ? u'-' + whole : whole;
}
