#include "print/letterheads.h"

#include <QDir>

QImage loadLetterhead(LetterheadKind kind, const QString& folder)
{
    const bool full = kind == LETTERHEAD_FULL;
    const QString name = full ? LETTERHEAD_FULL_FILE : LETTERHEAD_SHORT_FILE;
    const QDir dir(folder);
    for (const char* extension : {".png", ".jpg"}) {
        const QString path = dir.filePath(name + QString::fromLatin1(extension));
        if (!QFileInfo::exists(path)) continue;
        QImage own(path);
        if (!own.isNull()) return own;
    }
    return QImage(full ? QStringLiteral(":/letterhead_full.png") : QStringLiteral(":/letterhead_short.png"));
}

Letterheads loadLetterheads(const QString& folder)
{
    return {loadLetterhead(LETTERHEAD_FULL, folder), loadLetterhead(LETTERHEAD_SHORT, folder)};
}
