#include "print/font_faces.h"

QStringList fontFamilies(const QString& face)
{
    const QString name = face.trimmed().toLower();
    if (name == u"arial") return {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
    if (name == u"verdana") return {QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")};
    if (name == u"trebuchet" || name == u"trebuchet ms")
        return {QStringLiteral("Trebuchet MS"), QStringLiteral("DejaVu Sans")};
    if (name == u"times new roman")
        return {QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")};
    if (name == u"calibri") return {QStringLiteral("Calibri"), QStringLiteral("Carlito"), QStringLiteral("Liberation Sans")};
    return {face, QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
}
