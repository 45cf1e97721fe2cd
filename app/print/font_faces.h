#pragma once
// The font faces the windows and the printed pages name ("arial", "verdana", "Trebuchet ms",
// "times new roman", "calibri"), each with the free look-alikes Debian installs, tried in order.

#include <QString>
#include <QStringList>

// Families to try for a face; the face is matched without regard to case, and an unknown face is
// tried as written, then as a plain sans-serif.
QStringList fontFamilies(const QString& face);
