#include "widgets/screen_fonts.h"

#include <QStringList>

namespace {

// Each face with the free look-alikes Debian installs, tried in order.
QStringList families(const char* face)
{
    const QString name = QString::fromLatin1(face);
    if (name == u"arial") return {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
    if (name == u"trebuchet") return {QStringLiteral("Trebuchet MS"), QStringLiteral("DejaVu Sans")};
    if (name == u"verdana") return {QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")};
    return {QStringLiteral("Calibri"), QStringLiteral("Carlito"), QStringLiteral("Liberation Sans")};
}

struct FontSpec {
    const char* face;
    int points;
    bool bold;
};

FontSpec specOf(int number)
{
    if (number <= 6) return {"arial", 8 + number, false};
    if (number <= 13) return {"trebuchet", 8 + number - 7, false};
    if (number <= 20) return {"trebuchet", 8 + number - 14, true};
    if (number == 21) return {"verdana", 9, true};
    return {"calibri", 10, true};
}

} // namespace

QFont screenFont(int number)
{
    Q_ASSERT(number >= 0 && number < SCREEN_FONT_COUNT);
    const FontSpec spec = specOf(number);
    QFont font;
    font.setFamilies(families(spec.face));
    font.setPointSize(spec.points);
    font.setBold(spec.bold);
    return font;
}
