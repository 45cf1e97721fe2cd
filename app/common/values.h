#pragma once
// Amounts, quantities and dates as the whole program shows, reads and stores them.
// Amounts are whole numbers of hundredths: 12.50 is stored as 1250 and shown as "12.50";
// dates are "dd/mm/yyyy" texts with a numeric key (seconds from 01/01/1970 to that day).

#include <QDate>
#include <QString>

// The leading whole number of a text: blanks skipped, an optional sign, then digits up to the
// first non-digit; no digit gives 0. So "1234.0" is 1234, "1 500.00" is 1 and "abc" is 0.
// A number beyond 64 bits gives the nearest 64-bit end.
qint64 integerValue(const QString& text);

// "987654" -> "9876.54", "-5" -> "-0.05" (dots and commas of the input are ignored).
QString centsToDecimalText(const QString& text);
// "9876.54" -> "9 876.54": groups of three digits separated by one blank.
QString groupThousands(const QString& text);
// The display text of an amount in hundredths: "9 876.54"; an empty text shows "0.00".
QString formatAmount(const QString& cents);
QString formatAmount(qint64 cents);

// A typed amount to the decimal text of its hundredths: "12,5" -> "1250", "9 876.54" -> "987654",
// "12.345" -> "1234" (further decimals are cut, not rounded), "" -> "00".
QString amountTextToCents(const QString& text);

// True for "12", "-12.50", "12,5", "." and "0"; false for "", "-", "1.2.3", "12a", "+5".
bool isNumericText(const QString& text);

// The shared date format of every document and report.
inline constexpr const char* DATE_FORMAT = "dd/MM/yyyy";
QString dateText(const QDate& date);

// Day 1-31, month 1-12 and a year from 2014: the separators and the month's length are not
// looked at, so 31/02/2020 passes here (its DateNum is then -1).
bool isValidDate(const QString& text);

// Seconds from 01/01/1970 to the given day at 00:00 (days x 86400), or -1 when the text is not
// a real calendar date of 1970 or later. 64-bit, so dates far beyond 2037 work.
qint64 toDateNum(const QString& dateText);
QString toDateNumText(const QString& dateText);
// The day of a DateNum (an invalid QDate for a negative value).
QDate dateFromDateNum(qint64 dateNum);

// The first day of today's month as a date text, and its DateNum.
struct DateWithNum {
    QString text;
    qint64 dateNum = -1;
};
DateWithNum firstDayOfMonthText(const QDate& today);

// The amount of a document line: quantity x unit price (both in hundredths) back in
// hundredths, cut toward zero, as its decimal text; less than one hundredth either way gives "".
QString lineAmountText(const QString& quantityCents, const QString& unitPriceCents);

// A decimal text without its last two characters (the hundredths): whole units, cut.
QString dropLastTwo(const QString& text);

// What a document line, a journal or a statement shows for a product or a client-supplier that
// no longer exists.
inline const QString UNKNOWN_NAME = QStringLiteral("inconnu");
