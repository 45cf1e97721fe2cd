#pragma once
// The two letterhead pictures at the top of the printed pages. The program carries placeholder
// ones; a business puts its own beside the Data folder (the program's working directory) under
// the names below, as PNG or JPEG, and they are used instead.

#include <QImage>
#include <QString>

enum LetterheadKind {
    LETTERHEAD_FULL,  // name, address, telephone and registration numbers above a rule
    LETTERHEAD_SHORT, // name and town above the same rule
};

// The business's own pictures: "<name>.png", or "<name>.jpg" when there is no PNG.
inline const QString LETTERHEAD_FULL_FILE = QStringLiteral("entete_complet");
inline const QString LETTERHEAD_SHORT_FILE = QStringLiteral("entete_court");

struct Letterheads {
    QImage full;
    QImage shortForm;
};

// The business's pictures found in `folder`, or the built-in ones (a file that cannot be read
// as a picture counts as absent).
QImage loadLetterhead(LetterheadKind kind, const QString& folder);
Letterheads loadLetterheads(const QString& folder);
