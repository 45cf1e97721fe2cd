#include "common/amount_in_words.h"

#include <array>

namespace {

const std::array<const char*, 100> WORDS{
    "", "Un", "Deux", "Trois", "Quatre", "Cinq", "Six", "Sept", "Huit", "Neuf",
    "Dix", "Onze", "Douze", "Treize", "Quatorze", "Quinze", "Seize", "Dix sept", "Dix huit", "Dix neuf",
    "Vingt", "Vingt et Un", "Vingt Deux", "Vingt Trois", "Vingt Quatre", "Vingt Cinq", "Vingt Six", "Vingt Sept", "Vingt Huit", "Vingt Neuf",
    "Trente", "Trente et Un", "Trente Deux", "Trente Trois", "Trente Quatre", "Trente Cinq", "Trente Six", "Trente Sept", "Trente Huit", "Trente Neuf",
    "Quarante", "Quarante et Un", "Quarante Deux", "Quarante Trois", "Quarante Quatre", "Quarante Cinq", "Quarante Six", "Quarante Sept", "Quarante Huit", "Quarante Neuf",
    "Cinquante", "Cinquante et Un", "Cinquante Deux", "Cinquante Trois", "Cinquante Quatre", "Cinquante Cinq", "Cinquante Six", "Cinquante Sept", "Cinquante Huit", "Cinquante Neuf",
    "Soixante", "Soixante et Un", "Soixante Deux", "Soixante Trois", "Soixante Quatre", "Soixante Cinq", "Soixante Six", "Soixante Sept", "Soixante Huit", "Soixante Neuf",
    "Soixante Dix", "Soixante et Onze", "Soixante Douze", "Soixante Treize", "Soixante Quatorze", "Soixante Quinze", "Soixante Seize", "Soixante Dix Sept", "Soixante Dix Huit", "Soixante Dix Neuf",
    "Quatre Vingt", "Quatre Vingt et Un", "Quatre Vingt Deux", "Quatre Vingt Trois", "Quatre Vingt Quatre", "Quatre Vingt Cinq", "Quatre Vingt Six", "Quatre Vingt Sept", "Quatre Vingt Huit", "Quatre Vingt Neuf",
    "Quatre Vingt Dix", "Quatre Vingt et Onze", "Quatre Vingt Douze", "Quatre Vingt Treize", "Quatre Vingt Quatorze", "Quatre Vingt Quinze", "Quatre Vingt Seize", "Quatre Vingt Dix Sept", "Quatre Vingt Dix Huit", "Quatre Vingt Dix Neuf",
};

QString word(int value) { return QString::fromLatin1(WORDS[static_cast<size_t>(value)]); }

// One group of up to three digits ("" for a group that does not exist).
struct Group {
    QString digits;
    int value() const { return digits.isEmpty() ? 0 : digits.toInt(); }
    QString words() const
    {
        if (digits.size() < 3) return word(value());
        QString text;
        const int hundreds = digits[0].digitValue();
        if (hundreds >= 2) text += word(hundreds);
        if (hundreds >= 1) text += QStringLiteral(" Cent ");
        return text + word(digits.right(2).toInt());
    }
};

QString scale(int value, const char* one, const char* many)
{
    if (value > 1) return QString::fromLatin1(many);
    if (value == 1) return QString::fromLatin1(one);
    return {};
}

bool allDigits(const QString& text)
{
    for (QChar c : text)
        if (c < u'0' || c > u'9') return false;
    return true;
}

} // namespace

QString amountInWords(const QString& formatted)
{
    const QString text = QString(formatted).remove(u' ').trimmed();
    const QString hundredths = text.right(2);
    const QString integerDigits = text.left(std::max<qsizetype>(0, text.size() - 3));

    // units, thousands, millions, milliards; all empty beyond twelve digits.
    std::array<Group, 4> groups;
    if (!integerDigits.isEmpty() && integerDigits.size() <= 12 && allDigits(integerDigits)) {
        qsizetype end = integerDigits.size();
        for (Group& group : groups) {
            if (end <= 0) break;
            const qsizetype start = std::max<qsizetype>(0, end - 3);
            group.digits = integerDigits.mid(start, end - start);
            end = start;
        }
    }
    const Group& units = groups[0];
    const Group& thousands = groups[1];
    const Group& millions = groups[2];
    const Group& milliards = groups[3];

    QString w = milliards.words() + scale(milliards.value(), " Milliard ", " Milliards ");
    w += millions.words() + scale(millions.value(), " Million ", " Millions ");
    // "Un" is dropped before "Mille" for a lone thousand (1 000 is " Mille ").
    if (thousands.digits.size() == 3)
        w += thousands.words();
    else if (thousands.value() > 1)
        w += word(thousands.value());
    if (thousands.value() > 0) w += QStringLiteral(" Mille ");
    w += units.words();

    w.replace(QStringLiteral("Un Million Un Mille"), QStringLiteral("  Un Million Mille "));
    w.replace(QStringLiteral("Millions Un Mille"), QStringLiteral("Millions  Mille  "));
    return w + QStringLiteral(" Dinars ") + hundredths + QStringLiteral(" Cts");
}
