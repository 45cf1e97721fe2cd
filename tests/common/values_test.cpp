// The shared amount and date formats: every example of their rules, and the edges that bite.
#include <limits>

#include <gtest/gtest.h>

#include "common/values.h"
#include "data_fixture.h"

namespace {

constexpr qint64 LOWEST = std::numeric_limits<qint64>::min();
constexpr qint64 HIGHEST = std::numeric_limits<qint64>::max();

struct TextCase {
    const char* input;
    const char* expected;
};

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

} // namespace

TEST(FormatAmount, ShowsTwoDecimalsAndGroupsThousands)
{
    const TextCase cases[] = {
        {"0", "0.00"},           {"1", "0.01"},         {"5", "0.05"},
        {"10", "0.10"},          {"50", "0.50"},        {"100", "1.00"},
        {"1000", "10.00"},       {"100000", "1 000.00"}, {"987654", "9 876.54"},
        {"100000000", "1 000 000.00"},
        {"-987654", "-9 876.54"}, {"-12345", "-123.45"}, {"-5", "-0.05"},
        {"-100000", "-1 000.00"},
        // Zero never carries a sign, whatever its spelling.
        {"", "0.00"},            {"-0", "0.00"},        {"000", "0.00"},
        {"  ", "0.00"},
        // Texts read from the tables or typed: blanks, points and commas are ignored.
        {" 1250 ", "12.50"},     {"12.50", "12.50"},    {"0050", "0.50"},
        {"-9223372036854775808", "-92 233 720 368 547 758.08"},
        {"9223372036854775807", "92 233 720 368 547 758.07"},
    };
    for (const TextCase& c : cases) EXPECT_EQ(formatAmount(text(c.input)), text(c.expected)) << c.input;
    // A number shows as its decimal text does.
    for (const TextCase& c : cases) {
        if (const QString input = text(c.input).trimmed(); !input.isEmpty() && input == QString::number(input.toLongLong())) {
            EXPECT_EQ(formatAmount(input.toLongLong()), text(c.expected)) << c.input;
        }
    }
    EXPECT_EQ(formatAmount(qint64{-987654}), QStringLiteral("-9 876.54"));
    EXPECT_EQ(formatAmount(LOWEST), QStringLiteral("-92 233 720 368 547 758.08"));
}

TEST(FormatAmount, IsTheTwoStepsComposed)
{
    EXPECT_EQ(centsToDecimalText(QStringLiteral("987654")), QStringLiteral("9876.54"));
    EXPECT_EQ(centsToDecimalText(QStringLiteral("7")), QStringLiteral("0.07"));
    EXPECT_EQ(centsToDecimalText(QStringLiteral("-70")), QStringLiteral("-0.70"));
    EXPECT_EQ(groupThousands(QStringLiteral("9876.54")), QStringLiteral("9 876.54"));
    EXPECT_EQ(groupThousands(QStringLiteral("1234567")), QStringLiteral("1 234 567"));
    EXPECT_EQ(groupThousands(QStringLiteral("12,50")), QStringLiteral("12,50"));
    EXPECT_EQ(groupThousands(QStringLiteral("1 2 3 4")), QStringLiteral("1 234"));
    EXPECT_EQ(groupThousands(QStringLiteral("0")), QStringLiteral("0.00"));
}

TEST(AmountTextToCents, ReadsTypedAmounts)
{
    const TextCase cases[] = {
        {"12.5", "1250"},   {"12,5", "1250"},     {"9 876.54", "987654"}, {"7", "700"},
        {"-3.1", "-310"},   {"12.345", "1234"},   {"12.349", "1234"},     {"12.", "1200"},
        {"", "00"},         {"  ", "00"},         {" 12 . 5 ", "1250"},   {".5", "50"},
        {"0,05", "005"},    {"1 000 000", "100000000"},
    };
    for (const TextCase& c : cases) EXPECT_EQ(amountTextToCents(text(c.input)), text(c.expected)) << c.input;
}

TEST(AmountTextToCents, RoundTripsEveryDisplayedAmount)
{
    const qint64 values[] = {0, 1, -1, 5, -5, 99, 100, -100, 101, 999, 1000, 987654, -987654, 100000000,
                             123456789012, -123456789012, 4294967296, HIGHEST / 100, HIGHEST - 1, HIGHEST,
                             LOWEST + 1, LOWEST};
    for (qint64 value : values) {
        const QString shown = formatAmount(value);
        EXPECT_EQ(integerValue(amountTextToCents(shown)), value) << qUtf8Printable(shown);
    }
    // A spread across the magnitudes, both signs.
    for (qint64 value = 7; value < HIGHEST / 13; value = value * 13 + 3) {
        EXPECT_EQ(integerValue(amountTextToCents(formatAmount(value))), value) << value;
        EXPECT_EQ(integerValue(amountTextToCents(formatAmount(-value))), -value) << -value;
    }
}

TEST(IsNumericText, AcceptsDigitsWithOneSeparator)
{
    for (const char* yes : {"12", "-12.50", "12,5", ".", ",", "0", " 1 2 ", "-0", "-.5", "007"})
        EXPECT_TRUE(isNumericText(text(yes))) << yes;
    for (const char* no : {"", " ", "-", "1.2.3", "1,2.3", "12a", "+5", "--5", "5-", "1e3", "١٢", "12%"})
        EXPECT_FALSE(isNumericText(text(no))) << no;
}

TEST(IntegerValue, ReadsTheLeadingWholeNumber)
{
    const struct {
        const char* input;
        qint64 expected;
    } cases[] = {
        {"1234.0", 1234}, {"1 500.00", 1}, {"abc", 0}, {"", 0}, {"  42x", 42}, {"\t-17", -17},
        {"+8", 8},        {"-", 0},        {"- 5", 0}, {"007", 7}, {"12-3", 12},
        {"9223372036854775807", HIGHEST}, {"-9223372036854775808", LOWEST},
        // Beyond 64 bits the value stays at the nearest end instead of wrapping or losing digits.
        {"9223372036854775808", HIGHEST}, {"99999999999999999999999", HIGHEST},
        {"-9223372036854775809", LOWEST},
    };
    for (const auto& c : cases) EXPECT_EQ(integerValue(text(c.input)), c.expected) << c.input;
}

TEST(IsValidDate, ChecksDayMonthAndYearOnly)
{
    for (const char* yes : {"01/01/2014", "31/12/2099", "31/02/2020", "31/04/2020", "01-01-2020", " 15/06/2024 ", "01/01/9999"})
        EXPECT_TRUE(isValidDate(text(yes))) << yes;
    for (const char* no : {"31/12/2013", "01/01/1970", "00/01/2020", "32/01/2020", "01/00/2020", "01/13/2020",
                           "", "aa/bb/cccc", "1/1/2020", "01/01/20"})
        EXPECT_FALSE(isValidDate(text(no))) << no;
}

TEST(ToDateNum, CountsSecondsFromNewYear1970)
{
    const struct {
        const char* input;
        qint64 expected;
    } cases[] = {
        {"01/01/1970", 0},
        {"02/01/1970", 86400},
        {"01/01/2014", 1388534400},
        {"01/03/2026", 1772323200},
        // Past the 32-bit limit of January 2038.
        {"31/12/2037", 2145830400},
        {"01/01/2038", 2145916800},
        {"19/01/2038", 2147472000},
        {"01/03/2100", 4107542400},
        {"31/12/9999", 253402214400},
        // Not real calendar dates, or before 1970.
        {"31/12/1969", -1},
        {"01/01/1900", -1},
        {"31/02/2020", -1},
        {"31/04/2020", -1},
        {"29/02/2023", -1},
        {"01/13/2020", -1},
        {"01-01-2020", -1},
        {"", -1},
        {"hier", -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(toDateNum(text(c.input)), c.expected) << c.input;
        EXPECT_EQ(toDateNumText(text(c.input)), QString::number(c.expected)) << c.input;
    }
    EXPECT_EQ(toDateNum(QStringLiteral("29/02/2024")), 1709164800);
    EXPECT_EQ(dateText(dateFromDateNum(toDateNum(QStringLiteral("19/01/2038")))), QStringLiteral("19/01/2038"));
    EXPECT_FALSE(dateFromDateNum(-1).isValid());
}

TEST(FirstDayOfMonth, KeepsMonthAndYearOfToday)
{
    const DateWithNum first = firstDayOfMonthText(QDate(2026, 3, 14));
    EXPECT_EQ(first.text, QStringLiteral("01/03/2026"));
    EXPECT_EQ(first.dateNum, 1772323200);
    EXPECT_EQ(firstDayOfMonthText(QDate(2040, 12, 31)).text, QStringLiteral("01/12/2040"));
    EXPECT_EQ(firstDayOfMonthText(QDate(2040, 12, 31)).dateNum, toDateNum(QStringLiteral("01/12/2040")));
}

TEST(LineAmount, IsQuantityTimesPriceCutToHundredths)
{
    const struct {
        const char* quantity;
        const char* price;
        const char* expected;
    } cases[] = {
        {"1000", "85000", "850000"}, // 10 x 850.00 = 8 500.00
        {"150", "333", "499"},       // 1.50 x 3.33 = 4.995, cut
        {"1", "99", ""},             // below one hundredth: empty
        {"10", "10", "1"},
        {"0", "5000", ""},
        {"", "5000", ""},
        {"-50", "1", ""},            // cut toward zero, never a lone sign
        {"-500", "100", "-500"},
        // Large quantities and prices do not wrap around 64 bits.
        {"9223372036854775807", "100", "9223372036854775807"},
        {"9223372036854775807", "9223372036854775807", "850705917302346158473969077842325012"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(lineAmountText(text(c.quantity), text(c.price)), text(c.expected)) << c.quantity << " x " << c.price;
}

TEST(DropLastTwo, KeepsWholeUnits)
{
    const TextCase cases[] = {{"123456", "1234"}, {"100", "1"}, {"99", ""}, {"5", ""}, {"", ""}, {"-1250", "-12"}};
    for (const TextCase& c : cases) EXPECT_EQ(dropLastTwo(text(c.input)), text(c.expected)) << c.input;
}
