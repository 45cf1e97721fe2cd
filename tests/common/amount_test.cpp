// The amount type: typed texts, stored texts, the bound and the arithmetic that must not wrap.
#include <gtest/gtest.h>

#include "common/amount.h"
#include "data_fixture.h"

namespace {

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

} // namespace

TEST(ParseTypedAmount, ReadsWhatTheUserTypes)
{
    struct Case {
        const char* typed;
        TypedAmount::Status status;
        qint64 cents;
    };
    const Case cases[] = {
        {"12.5", TypedAmount::Ok, 1250},       {"12,5", TypedAmount::Ok, 1250},
        {"9 876.54", TypedAmount::Ok, 987654}, {"7", TypedAmount::Ok, 700},
        {"-3.1", TypedAmount::Ok, -310},       {"12.345", TypedAmount::Ok, 1234},
        {"12.", TypedAmount::Ok, 1200},        {".", TypedAmount::Ok, 0},
        {"0.05", TypedAmount::Ok, 5},          {" 1 300.00 ", TypedAmount::Ok, 130000},
        {"-0", TypedAmount::Ok, 0},            {"000000000000000000000001", TypedAmount::Ok, 100},
        {"999999999999.99", TypedAmount::Ok, Amount::LIMIT},
        {"-999 999 999 999.99", TypedAmount::Ok, -Amount::LIMIT},
        {"1000000000000", TypedAmount::TooLarge, 0},
        {"99999999999999999999999999999", TypedAmount::TooLarge, 0},
        {"", TypedAmount::NotANumber, 0},      {"-", TypedAmount::NotANumber, 0},
        {"12a", TypedAmount::NotANumber, 0},   {"+5", TypedAmount::NotANumber, 0},
        {"1.2.3", TypedAmount::NotANumber, 0}, {"1,2.3", TypedAmount::NotANumber, 0},
        {"--5", TypedAmount::NotANumber, 0},   {"5-", TypedAmount::NotANumber, 0},
        {"١٢", TypedAmount::NotANumber, 0},
    };
    for (const Case& c : cases) {
        const TypedAmount typed = parseTypedAmount(text(c.typed));
        EXPECT_EQ(typed.status, c.status) << c.typed;
        if (c.status == TypedAmount::Ok) {
            EXPECT_EQ(typed.value.cents(), c.cents) << c.typed;
        } else if (c.status == TypedAmount::TooLarge) {
            EXPECT_FALSE(typed.value.isValid()) << c.typed;
        }
    }
}

TEST(StoredAmount, TakesOnlyWholeHundredths)
{
    EXPECT_EQ(storedAmount(text("1250")), Amount::fromCents(1250));
    EXPECT_EQ(storedAmount(text("-5")), Amount::fromCents(-5));
    EXPECT_EQ(storedAmount(text("")), Amount());
    for (const char* foreign : {"12.5", "1e3", "-", "12 50", "abc", "100000000000000", "9223372036854775808"})
        EXPECT_FALSE(storedAmount(text(foreign)).isValid()) << foreign;
}

TEST(AmountArithmetic, StaysWithinTheBoundOrSaysSo)
{
    const Amount top = Amount::fromCents(Amount::LIMIT);
    EXPECT_FALSE((top + Amount::fromCents(1)).isValid());
    EXPECT_FALSE((-top - Amount::fromCents(1)).isValid());
    EXPECT_EQ((top - top).cents(), 0);
    // Once lost, a total stays lost whatever follows.
    EXPECT_FALSE((top + top - top).isValid());
    EXPECT_FALSE(Amount::fromCents(Amount::LIMIT + 1).isValid());
    EXPECT_FALSE(Amount::fromUnits(Amount::LIMIT).isValid());
    EXPECT_EQ(Amount::fromUnits(12).cents(), 1200);

    EXPECT_EQ(lineAmount(Amount::fromCents(125), Amount::fromCents(3)).cents(), 3);       // 1.25 x 0.03
    EXPECT_EQ(lineAmount(Amount::fromCents(-125), Amount::fromCents(3)).cents(), -3);     // cut toward zero
    EXPECT_EQ(lineAmount(Amount::fromCents(1000), Amount::fromCents(85000)).cents(), 850000);
    EXPECT_FALSE(lineAmount(top, top).isValid());
    EXPECT_FALSE(lineAmount(Amount::fromUnits(1'000'000), Amount::fromUnits(1'000'000)).isValid());

    EXPECT_EQ(percentOf(Amount::fromCents(1250000), Amount::fromCents(1900)).cents(), 237500); // 19 %
    EXPECT_EQ(percentOf(Amount::fromCents(1000000), Amount::fromCents(550)).cents(), 55000);   // 5.5 %
    EXPECT_FALSE(percentOf(top, Amount::fromCents(20000)).isValid());
}

TEST(AmountText, FormatsForDisplayAndForTyping)
{
    EXPECT_EQ(formatAmount(Amount::fromCents(987654)), text("9 876.54"));
    EXPECT_EQ(formatAmount(Amount::fromCents(-5)), text("-0.05"));
    EXPECT_EQ(formatAmount(Amount::invalid()), QString());
    EXPECT_EQ(plainAmountText(Amount::fromCents(5)), text("0.05"));
    EXPECT_EQ(plainAmountText(Amount::fromCents(-987654)), text("-9876.54"));
    // What is shown reads back as what was stored, at both ends of the bound.
    for (qint64 cents : {qint64{0}, qint64{5}, qint64{50}, qint64{-5}, Amount::LIMIT, -Amount::LIMIT}) {
        const Amount amount = Amount::fromCents(cents);
        EXPECT_EQ(parseTypedAmount(formatAmount(amount)).value, amount) << cents;
        EXPECT_EQ(parseTypedAmount(plainAmountText(amount)).value, amount) << cents;
    }
}
