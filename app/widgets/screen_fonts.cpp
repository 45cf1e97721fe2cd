#include "widgets/screen_fonts.h"

#include "print/font_faces.h"

namespace {

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
    const FontSpec entry = specOf(number);
    QFont font;
    font.setFamilies(fontFamilies(QString::fromLatin1(entry.face)));
    font.setPointSize(entry.points);
    font.setBold(entry.bold);
    return font;
}
