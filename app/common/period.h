#pragma once
// The period of a report or journal: two date texts typed or picked by the user, checked and
// turned into their DateNum bounds (both days included).

#include <optional>
#include <QString>

class Dialogs;

struct Period {
    QString from, to;   // the date texts as read
    qint64 start = 0;   // DateNum of the first day
    qint64 end = 0;     // DateNum of the last day
};

// How a report words its period messages: some end them with a blank ("Dates incorrectes ! "),
// others not ("Dates incorrectes !").
enum class PeriodMessages { Plain, TrailingBlank };

// Checks the two dates in order and shows the first failure in an "Erreur" box: "Date début
// incorrecte !", "Date fin incorrecte !", then "Dates incorrectes !" when the end comes before the
// start. A text that passes the date check but is no calendar day (31/02/2024) is refused as well.
std::optional<Period> checkPeriod(Dialogs& dialogs, const QString& from, const QString& to, PeriodMessages wording);
