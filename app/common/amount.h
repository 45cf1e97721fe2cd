#pragma once
// Amounts, prices, quantities and rates as the operations compute with them: whole hundredths
// in 64 bits, bounded to plus or minus 999 999 999 999.99. Arithmetic that leaves the bound
// gives an amount that is not valid and stays so through every later step, so a line amount
// or a document total is checked once, before anything is stored ("Montant trop élevé !").
// Amounts go into the tables as whole numbers (bound as integers), never as decimal texts.

#include <compare>
#include <optional>
#include <QString>

class Dialogs;

class Amount {
public:
    // 999 999 999 999.99 in hundredths.
    static constexpr qint64 LIMIT = 99'999'999'999'999;

    constexpr Amount() = default; // 0.00
    // The amount of `cents` hundredths; not valid beyond the bound.
    static constexpr Amount fromCents(qint64 cents)
    {
        return cents >= -LIMIT && cents <= LIMIT ? Amount(cents, true) : Amount(0, false);
    }
    // Whole units: 12 -> 12.00.
    static constexpr Amount fromUnits(qint64 units)
    {
        return units >= -LIMIT / 100 && units <= LIMIT / 100 ? Amount(units * 100, true) : Amount(0, false);
    }
    static constexpr Amount invalid() { return Amount(0, false); }

    constexpr bool isValid() const { return valid_; }
    // The hundredths (0 for an amount that is not valid).
    constexpr qint64 cents() const { return cents_; }
    // The whole units, cut toward zero: 12.99 -> 12, -0.50 -> 0.
    constexpr qint64 units() const { return cents_ / 100; }
    constexpr bool isZero() const { return valid_ && cents_ == 0; }

    constexpr Amount operator-() const { return valid_ ? Amount(-cents_, true) : invalid(); }
    friend constexpr Amount operator+(Amount a, Amount b)
    {
        return a.valid_ && b.valid_ ? fromCents(a.cents_ + b.cents_) : invalid();
    }
    friend constexpr Amount operator-(Amount a, Amount b) { return a + (-b); }
    Amount& operator+=(Amount other) { return *this = *this + other; }
    Amount& operator-=(Amount other) { return *this = *this - other; }

    // Compares values; an amount that is not valid equals only another one that is not valid.
    friend constexpr bool operator==(Amount a, Amount b) = default;
    friend constexpr std::strong_ordering operator<=>(Amount a, Amount b)
    {
        if (a.valid_ != b.valid_) return a.valid_ <=> b.valid_;
        return a.cents_ <=> b.cents_;
    }

private:
    constexpr Amount(qint64 cents, bool valid) : cents_(cents), valid_(valid) {}
    qint64 cents_ = 0;
    bool valid_ = true;
};

inline const QString AMOUNT_TOO_LARGE = QStringLiteral("Montant trop élevé !");

// Quantity x unit price (both in hundredths) back in hundredths, cut toward zero: 1.25 x 0.03
// is 0.03. Not valid when either is not valid or the result leaves the bound.
Amount lineAmount(Amount quantity, Amount unitPrice);
// `rate` percent of `base`, the rate in hundredths of a percent (5.5 % is 550), cut toward
// zero: 19 % of 12 500.00 is 2 375.00.
Amount percentOf(Amount base, Amount rate);

// What the user typed in an amount, price, quantity or rate field.
struct TypedAmount {
    enum Status { Ok, NotANumber, TooLarge };
    Status status = NotANumber;
    Amount value;
    bool ok() const { return status == Ok; }
};
// Reads a typed amount by the program's rules: blanks ignored, an optional leading minus, one
// decimal point or comma, at most two decimals kept (further ones cut, not rounded). "12,5" is
// 12.50, "1 300.00" is 1 300.00, "." is 0.00; "", "-", "12a", "+5" and "1.2.3" are not numbers;
// anything beyond 999 999 999 999.99 is too large, however many digits it has.
TypedAmount parseTypedAmount(const QString& text);

// A whole number of hundredths as a table stores it ("1250", "-5"); NULL or empty reads as 0.00.
// Anything else (a decimal such as "12.5", letters, a number beyond the bound) is not valid: the
// value was not written by this program and must not be taken for another one.
Amount storedAmount(const QString& text);

// The display text: two decimals, thousands grouped by one blank, "-" in front: "-9 876.54".
// An amount that is not valid shows as an empty text.
QString formatAmount(Amount amount);
// Two decimals without grouping, as a field shows a price to be typed over: "9876.54", "0.05".
QString plainAmountText(Amount amount);

// Reads a typed amount for an operation. A text that is not a number shows `notANumber`, one
// beyond the bound AMOUNT_TOO_LARGE, both in an "Erreur" box; nothing is returned then.
std::optional<Amount> readTypedAmount(Dialogs& dialogs, const QString& text, const QString& notANumber);
// A computed amount (a line amount, a total, a balance): false, after the "Erreur" box with
// AMOUNT_TOO_LARGE, when it left the bound.
bool isWithinBound(Dialogs& dialogs, Amount amount);
