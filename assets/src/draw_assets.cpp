// Paints every picture embedded in Varkel 2020: the access-code banner, the
// installer's banner, the application icon, the presentation picture of the main
// window, the toolbar and button icons and the letterheads of the printed forms.
// The build embeds every PNG of assets/ as a resource (":/banner.png",
// ":/toolbar/100.png" ...).
//
//   usage: draw_assets OUTPUT_DIR      (normally the assets/ directory)
//
// Everything is drawn with QPainter so the pictures can be redrawn at will.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QRadialGradient>

#include <cmath>
#include <cstdio>
#include <functional>
#include <numbers>
#include <vector>

namespace {

using DrawFn = std::function<void(QPainter &, QSizeF)>;

// ---------------------------------------------------------------------------
// Palette
// ---------------------------------------------------------------------------

const QColor kNavy(16, 50, 96);
const QColor kInk(18, 40, 100);        // dark blue of the printed forms
const QColor kOrange(255, 176, 48);
const QColor kGold(236, 180, 40);
const QColor kPaper(255, 255, 255);
const QColor kPaperEdge(105, 115, 132);
const QColor kTextLine(150, 160, 176);

// ---------------------------------------------------------------------------
// Fonts and text
// ---------------------------------------------------------------------------

QString sansFamily()
{
    static const QString family = QFontDatabase::families().contains(QStringLiteral("Liberation Sans"))
                                      ? QStringLiteral("Liberation Sans")
                                      : QStringLiteral("DejaVu Sans");
    return family;
}

QFont makeFont(qreal pixels, QFont::Weight weight = QFont::Normal)
{
    QFont f(sansFamily());
    f.setPixelSize(qMax(1, qRound(pixels)));
    f.setWeight(weight);
    return f;
}

// Shrinks the font until the text fits in maxWidth.
QFont fitted(QFont f, const QString &text, qreal maxWidth)
{
    while (f.pixelSize() > 6 && QFontMetricsF(f).horizontalAdvance(text) > maxWidth)
        f.setPixelSize(f.pixelSize() - 1);
    return f;
}

void drawTextAt(QPainter &p, QPointF baseline, const QString &text, const QFont &font, const QColor &color)
{
    p.setFont(font);
    p.setPen(color);
    p.drawText(baseline, text);
}

// Text with a soft drop shadow, for light text on a coloured ground.
void drawShadowedText(QPainter &p, QPointF baseline, const QString &text, const QFont &font, const QColor &color,
                      qreal offset)
{
    drawTextAt(p, baseline + QPointF(offset, offset * 1.4), text, font, QColor(0, 0, 0, 70));
    drawTextAt(p, baseline, text, font, color);
}

void drawCentredText(QPainter &p, const QRectF &box, const QString &text, const QFont &font, const QColor &color)
{
    p.setFont(font);
    p.setPen(color);
    p.drawText(box, Qt::AlignCenter, text);
}

// ---------------------------------------------------------------------------
// Brushes and shapes
// ---------------------------------------------------------------------------

QBrush verticalGradient(const QRectF &r, const QColor &top, const QColor &bottom)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

// Left-to-right gradient with a lighter middle: gives a rounded, metallic look.
QBrush cylinderGradient(const QRectF &r, const QColor &base)
{
    QLinearGradient g(r.topLeft(), r.topRight());
    g.setColorAt(0, base.darker(135));
    g.setColorAt(0.4, base.lighter(135));
    g.setColorAt(1, base.darker(150));
    return g;
}

QBrush ballGradient(QPointF centre, qreal radius, const QColor &base)
{
    QRadialGradient g(centre, radius, centre - QPointF(radius * 0.35, radius * 0.4));
    g.setColorAt(0, base.lighter(170));
    g.setColorAt(0.55, base);
    g.setColorAt(1, base.darker(135));
    return g;
}

void fillPath(QPainter &p, const QPainterPath &path, const QBrush &fill, const QColor &outline = QColor(),
              qreal width = 1.0)
{
    if (outline.isValid())
        p.setPen(QPen(outline, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    else
        p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(path);
}

QPainterPath roundedRectPath(const QRectF &r, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

QPainterPath rectPath(const QRectF &r)
{
    QPainterPath path;
    path.addRect(r);
    return path;
}

QPainterPath polygonPath(const QPolygonF &poly)
{
    QPainterPath path;
    path.addPolygon(poly);
    path.closeSubpath();
    return path;
}

void fillPath(QPainter &p, const QRectF &r, const QBrush &fill, const QColor &outline = QColor(), qreal width = 1.0)
{
    fillPath(p, rectPath(r), fill, outline, width);
}

// Turns a centre line into the outline of a thick stroke, so it can be filled
// with a gradient and outlined like any other shape.
QPainterPath thickStroke(const QPainterPath &centre, qreal width, Qt::PenCapStyle cap = Qt::RoundCap)
{
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(cap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(centre).simplified();
}

QPainterPath linePath(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    bool first = true;
    for (QPointF pt : points) {
        if (first)
            path.moveTo(pt);
        else
            path.lineTo(pt);
        first = false;
    }
    return path;
}

// Triangle arrow head whose base is centred on `base`, pointing along `dir`.
QPainterPath arrowHead(QPointF base, QPointF dir, qreal length, qreal halfWidth)
{
    const qreal n = std::hypot(dir.x(), dir.y());
    const QPointF u(dir.x() / n, dir.y() / n);
    const QPointF perp(-u.y(), u.x());
    return polygonPath({base + u * length, base + perp * halfWidth, base - perp * halfWidth});
}

void drawSoftShadow(QPainter &p, QPointF centre, qreal rx, qreal ry, int alpha)
{
    p.save();
    p.translate(centre);
    p.scale(1.0, ry / rx);
    QRadialGradient g(QPointF(0, 0), rx);
    g.setColorAt(0, QColor(0, 0, 0, alpha));
    g.setColorAt(1, QColor(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(QPointF(0, 0), rx, rx);
    p.restore();
}

// ---------------------------------------------------------------------------
// Motifs shared by several pictures
// ---------------------------------------------------------------------------

// A sheet of paper with its top-right corner folded down.
void drawPage(QPainter &p, const QRectF &r, const QColor &paper = kPaper, const QColor &edge = kPaperEdge,
              qreal fold = -1)
{
    if (fold < 0)
        fold = r.width() * 0.3;
    const qreal pen = qMax(1.0, r.width() / 22.0);
    const QPolygonF body{r.topLeft(), {r.right() - fold, r.top()}, {r.right(), r.top() + fold}, r.bottomRight(),
                         r.bottomLeft()};
    fillPath(p, polygonPath(body), verticalGradient(r, paper, paper.darker(109)), edge, pen);
    const QPolygonF ear{{r.right() - fold, r.top()}, {r.right() - fold, r.top() + fold}, {r.right(), r.top() + fold}};
    fillPath(p, polygonPath(ear), paper.darker(122), edge, pen);
}

// Grey lines of text inside `area`, every `step` pixels, with ragged ends.
void drawTextLines(QPainter &p, const QRectF &area, qreal step, const QColor &color = kTextLine, qreal width = 1.0)
{
    static const qreal lengths[] = {1.0, 0.85, 0.95, 0.6, 0.9, 0.75};
    p.setPen(QPen(color, width, Qt::SolidLine, Qt::FlatCap));
    int i = 0;
    for (qreal y = area.top(); y <= area.bottom() + 0.01; y += step, ++i)
        p.drawLine(QPointF(area.left(), y), QPointF(area.left() + area.width() * lengths[i % 6], y));
}

// An isometric block seen from above: (cx, cy) is the centre of its top face,
// halfWidth its half width, depth the half height of the top face, height its
// vertical sides. Used for the cubes and the cartons.
struct Block {
    qreal cx, cy, halfWidth, depth, height;

    QPointF top() const { return {cx, cy - depth}; }
    QPointF right() const { return {cx + halfWidth, cy}; }
    QPointF front() const { return {cx, cy + depth}; }
    QPointF left() const { return {cx - halfWidth, cy}; }
    QPointF down(QPointF pt) const { return pt + QPointF(0, height); }
};

void drawBlock(QPainter &p, const Block &b, const QColor &base, qreal pen)
{
    const QColor line = base.darker(190);
    fillPath(p, polygonPath({b.left(), b.front(), b.down(b.front()), b.down(b.left())}), base, line, pen);
    fillPath(p, polygonPath({b.front(), b.right(), b.down(b.right()), b.down(b.front())}), base.darker(135), line,
             pen);
    fillPath(p, polygonPath({b.top(), b.right(), b.front(), b.left()}), base.lighter(135), line, pen);
}

// A cardboard box: a brown block with a strip of tape across the lid and
// down its right side.
void drawCarton(QPainter &p, const Block &b)
{
    const QColor cardboard(206, 160, 104);
    const qreal pen = b.halfWidth / 30.0;
    drawBlock(p, b, cardboard, pen);

    const QColor tape(232, 204, 150);
    const qreal t = 0.12; // half width of the tape, as a fraction of the lid
    auto lid = [&](qreal u, qreal v) { // u: along top->right, v: along top->left
        return b.top() + (b.right() - b.top()) * u + (b.left() - b.top()) * v;
    };
    fillPath(p, polygonPath({lid(0, 0.5 - t), lid(1, 0.5 - t), lid(1, 0.5 + t), lid(0, 0.5 + t)}), tape,
             cardboard.darker(160), pen * 0.6);
    const QPointF a = lid(1, 0.5 - t), c = lid(1, 0.5 + t);
    fillPath(p, polygonPath({a, c, b.down(c), b.down(a)}), tape.darker(125), cardboard.darker(170), pen * 0.6);
}

// A single coin seen from the front; a dollar sign is stamped when asked.
void drawCoin(QPainter &p, QPointF c, qreal r, bool dollar)
{
    QRadialGradient g(c, r, c - QPointF(r * 0.3, r * 0.35));
    g.setColorAt(0, QColor(255, 236, 150));
    g.setColorAt(0.7, kGold);
    g.setColorAt(1, QColor(196, 130, 20));
    p.setPen(QPen(QColor(140, 90, 10), qMax(0.9, r / 12)));
    p.setBrush(g);
    p.drawEllipse(c, r, r);
    p.setPen(QPen(QColor(170, 110, 15, 200), qMax(0.7, r / 16)));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r * 0.76, r * 0.76);
    if (dollar)
        drawCentredText(p, QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), QStringLiteral("$"),
                        makeFont(r * 1.35, QFont::Bold), QColor(130, 80, 5));
}

// A pile of coins lying flat: `base` is the centre of the lowest coin.
void drawCoinStack(QPainter &p, QPointF base, qreal rx, int count)
{
    const qreal ry = rx * 0.36, thick = rx * 0.28, pen = qMax(0.8, rx / 22);
    const QColor line(140, 90, 10);
    for (int i = 0; i < count; ++i) {
        const QPointF c(base.x(), base.y() - i * thick);
        const QPointF top = c - QPointF(0, thick);
        QPainterPath side;
        side.addEllipse(c, rx, ry);
        side.addRect(QRectF(c.x() - rx, top.y(), 2 * rx, thick));
        fillPath(p, side.simplified(), cylinderGradient(QRectF(c.x() - rx, top.y(), 2 * rx, thick), kGold), line,
                 pen);
        QPainterPath face;
        face.addEllipse(top, rx, ry);
        fillPath(p, face, verticalGradient(face.boundingRect(), QColor(255, 232, 140), kGold), line, pen);
        p.setPen(QPen(QColor(190, 130, 20), pen * 0.8));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(top, rx * 0.74, ry * 0.74);
    }
}

// Head and shoulders of a person inside `box`.
void drawPerson(QPainter &p, const QRectF &box, const QColor &color)
{
    const QColor line = color.darker(170);
    const qreal headRadius = box.width() * 0.24;
    const QPointF head(box.center().x(), box.top() + headRadius);
    const qreal shouldersTop = box.top() + 2 * headRadius + box.width() * 0.06;
    const QRectF body(box.left(), shouldersTop, box.width(), box.bottom() - shouldersTop);
    const qreal ry = body.height() * 0.55;
    QPainterPath torso;
    torso.moveTo(body.bottomLeft());
    torso.lineTo(body.left(), body.top() + ry);
    torso.arcTo(QRectF(body.left(), body.top(), body.width(), 2 * ry), 180, -180);
    torso.lineTo(body.bottomRight());
    torso.closeSubpath();
    fillPath(p, torso, verticalGradient(body, color.lighter(125), color.darker(115)), line, 1.0);
    QPainterPath face;
    face.addEllipse(head, headRadius, headRadius);
    fillPath(p, face, ballGradient(head, headRadius, color.lighter(115)), line, 1.0);
}

// A chevron "V" whose tip is at `tip`; dir = +1 points down, -1 points up.
void drawChevron(QPainter &p, QPointF tip, qreal width, qreal height, qreal thick, const QColor &color, int dir)
{
    const qreal x = tip.x(), y0 = tip.y() - dir * height;
    const QPolygonF poly{{x - width / 2, y0},
                         tip,
                         {x + width / 2, y0},
                         {x + width / 2, y0 - dir * thick},
                         {x, tip.y() - dir * thick},
                         {x - width / 2, y0 - dir * thick}};
    const QRectF r = poly.boundingRect();
    fillPath(p, polygonPath(poly), verticalGradient(r, color.lighter(dir > 0 ? 130 : 100), color.darker(dir > 0 ? 105 : 125)),
             color.darker(170), 1.0);
}

void drawDoubleArrow(QPainter &p, const QColor &color, int dir)
{
    const qreal leadTip = 20 + dir * 13.5, spacing = 11;
    drawChevron(p, QPointF(20, leadTip - dir * spacing), 24, 10, 6, color, dir);
    drawChevron(p, QPointF(20, leadTip), 24, 10, 6, color, dir);
}

// Outline of a toothed wheel, with a hole in its middle.
QPainterPath gearPath(QPointF c, qreal outer, qreal inner, int teeth, qreal hole, qreal phaseDeg = 0)
{
    QPolygonF poly;
    const qreal step = 2 * std::numbers::pi / teeth, phase = phaseDeg * std::numbers::pi / 180;
    auto at = [&](qreal angle, qreal radius) {
        return c + QPointF(std::cos(angle) * radius, std::sin(angle) * radius);
    };
    for (int i = 0; i < teeth; ++i) {
        const qreal a = phase + i * step;
        poly << at(a - 0.24 * step, inner) << at(a - 0.13 * step, outer) << at(a + 0.13 * step, outer)
             << at(a + 0.24 * step, inner) << at(a + 0.5 * step, inner);
    }
    QPainterPath path = polygonPath(poly);
    path.addEllipse(c, hole, hole);
    path.setFillRule(Qt::OddEvenFill);
    return path;
}

void drawGear(QPainter &p, QPointF c, qreal outer, int teeth, const QColor &color, qreal phaseDeg)
{
    const QPainterPath gear = gearPath(c, outer, outer * 0.78, teeth, outer * 0.32, phaseDeg);
    fillPath(p, gear, ballGradient(c, outer * 1.2, color), color.darker(180), 1.0);
    p.setPen(QPen(color.darker(140), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, outer * 0.55, outer * 0.55);
}

// A rubber eraser: pink rubber on the left end, blue sleeve on the right.
void drawEraser(QPainter &p, QPointF centre, qreal length, qreal thick, qreal angleDeg)
{
    p.save();
    p.translate(centre);
    p.rotate(angleDeg);
    const QRectF body(-length / 2, -thick / 2, length, thick);
    const QPainterPath whole = roundedRectPath(body, thick * 0.22);
    QPainterPath rubberArea;
    rubberArea.addRect(QRectF(body.left() - 1, body.top() - 1, length * 0.42 + 1, thick + 2));
    const QPainterPath rubber = whole.intersected(rubberArea);
    const QPainterPath sleeve = whole.subtracted(rubberArea);
    fillPath(p, rubber, verticalGradient(body, QColor(250, 160, 175), QColor(215, 80, 110)));
    fillPath(p, sleeve, verticalGradient(body, QColor(120, 175, 240), QColor(40, 95, 185)));
    p.setPen(QPen(QColor(255, 255, 255, 150), thick * 0.12, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(body.left() + length * 0.5, body.top() + thick * 0.25),
               QPointF(body.right() - thick * 0.3, body.top() + thick * 0.25));
    fillPath(p, whole, Qt::NoBrush, QColor(60, 50, 80), qMax(0.9, thick / 11));
    p.restore();
}

// The product emblem: an orange tile with a white "V" whose right arm rises
// into an arrow.
void drawEmblem(QPainter &p, const QRectF &r)
{
    p.save();
    p.translate(r.topLeft());
    p.scale(r.width() / 100.0, r.height() / 100.0);
    const QRectF tile(0, 0, 100, 100);
    QLinearGradient g(0, 0, 100, 100);
    g.setColorAt(0, QColor(255, 190, 60));
    g.setColorAt(1, QColor(226, 84, 32));
    const QPainterPath shape = roundedRectPath(tile, 22);
    fillPath(p, shape, g);
    QPainterPath glossArea;
    glossArea.addEllipse(QRectF(-40, -80, 180, 130));
    fillPath(p, shape.intersected(glossArea), QColor(255, 255, 255, 45));

    const QPointF start(22, 32), bottom(44, 74), end(67, 36);
    const QPointF dir = end - bottom;
    const QPainterPath v = thickStroke(linePath({start, bottom, end}), 13, Qt::FlatCap)
                               .united(arrowHead(end - dir * 0.02, dir, 22, 15))
                               .united([&] {
                                   QPainterPath cap;
                                   cap.addEllipse(start, 6.5, 6.5);
                                   return cap;
                               }());
    p.save();
    p.translate(1.5, 2.5);
    fillPath(p, v, QColor(120, 40, 10, 90));
    p.restore();
    fillPath(p, v, QColor(255, 255, 255));
    fillPath(p, shape, Qt::NoBrush, QColor(150, 55, 20, 160), 1.5);
    p.restore();
}

// ---------------------------------------------------------------------------
// Banner and presentation picture
// ---------------------------------------------------------------------------

// Faint curved bands of light across the bottom of a picture.
void drawLightWaves(QPainter &p, QSizeF s, const QColor &light, int count)
{
    const qreal w = s.width(), h = s.height();
    for (int i = 0; i < count; ++i) {
        const qreal lift = i * h * 0.07;
        QPainterPath wave;
        wave.moveTo(0, h * 0.80 - lift);
        wave.cubicTo(w * 0.35, h * 0.62 - lift, w * 0.62, h * 0.98 - lift, w, h * 0.58 - lift);
        wave.lineTo(w, h);
        wave.lineTo(0, h);
        wave.closeSubpath();
        fillPath(p, wave, light);
    }
}

// "Varkel" then "2020" in the accent colour, starting at `baseline`.
qreal drawProductName(QPainter &p, QPointF baseline, const QFont &font, const QColor &nameColor,
                      const QColor &yearColor, qreal shadow)
{
    const QString name = QStringLiteral("Varkel "), year = QStringLiteral("2020");
    const QFontMetricsF fm(font);
    if (shadow > 0) {
        drawShadowedText(p, baseline, name, font, nameColor, shadow);
        drawShadowedText(p, baseline + QPointF(fm.horizontalAdvance(name), 0), year, font, yearColor, shadow);
    } else {
        drawTextAt(p, baseline, name, font, nameColor);
        drawTextAt(p, baseline + QPointF(fm.horizontalAdvance(name), 0), year, font, yearColor);
    }
    return fm.horizontalAdvance(name + year);
}

const QString kProductTitle = QStringLiteral("Varkel 2020");
const QString kProductLine = QStringLiteral("Logiciel de gestion commerciale");

void drawBanner(QPainter &p, QSizeF s)
{
    QLinearGradient bg(0, 0, s.width(), s.height());
    bg.setColorAt(0, QColor(10, 40, 84));
    bg.setColorAt(0.55, QColor(20, 88, 134));
    bg.setColorAt(1, QColor(30, 132, 152));
    p.fillRect(QRectF(QPointF(0, 0), s), bg);
    drawLightWaves(p, s, QColor(255, 255, 255, 14), 3);
    p.setPen(QPen(QColor(255, 255, 255, 20), 16));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(s.width() - 30, 20), 120, 120);
    p.drawEllipse(QPointF(s.width() - 30, 20), 170, 170);

    const QRectF emblem(42, 54, 140, 140);
    drawSoftShadow(p, emblem.center() + QPointF(4, 10), 88, 88, 90);
    drawEmblem(p, emblem);

    const qreal x = 212, right = s.width() - 26;
    const QFont title = fitted(makeFont(72, QFont::Bold), kProductTitle, right - x);
    drawProductName(p, QPointF(x, 128), title, Qt::white, kOrange, 2);
    p.setPen(QPen(kOrange, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(x + 3, 146), QPointF(x + 70, 146));
    const QFont line = fitted(makeFont(24), kProductLine, right - x);
    drawShadowedText(p, QPointF(x + 2, 180), kProductLine, line, QColor(218, 234, 246), 1);
}

// The installer's banner: the same ground, emblem and words, a little shorter, with the
// installer's own caption under the product line.
void drawInstallerBanner(QPainter &p, QSizeF s)
{
    drawBanner(p, s);
    const QString caption = QStringLiteral("Programme d'installation");
    const QFont font = makeFont(17, QFont::DemiBold);
    const qreal right = s.width() - 26;
    drawShadowedText(p, QPointF(right - QFontMetricsF(font).horizontalAdvance(caption), s.height() - 18), caption,
                     font, kOrange, 1);
}

// The application icon (launchers, window frames): the emblem alone on a transparent ground.
void drawAppIcon(QPainter &p, QSizeF s)
{
    const qreal margin = s.width() * 0.06;
    const QRectF tile(margin, margin * 0.6, s.width() - 2 * margin, s.height() - 2 * margin);
    drawSoftShadow(p, tile.center() + QPointF(0, s.height() * 0.03), tile.width() * 0.52, tile.height() * 0.52, 70);
    drawEmblem(p, tile);
}

// A printed invoice: coloured heading, a table of lines and a total box.
void drawInvoice(QPainter &p, const QRectF &r)
{
    drawPage(p, r, kPaper, kPaperEdge, r.width() * 0.16);
    const qreal m = r.width() * 0.1, w = r.width() - 2 * m;
    const QRectF head(r.left() + m, r.top() + r.height() * 0.1, w * 0.72, r.height() * 0.1);
    fillPath(p, roundedRectPath(head, 3), kNavy);
    drawCentredText(p, head, QStringLiteral("FACTURE"), fitted(makeFont(head.height() * 0.62, QFont::Bold),
                                                                 QStringLiteral("FACTURE"), head.width() - 8),
                    Qt::white);
    drawTextLines(p, QRectF(r.left() + m, head.bottom() + r.height() * 0.06, w * 0.55, r.height() * 0.06),
                  r.height() * 0.04, kTextLine, 2);

    const QRectF table(r.left() + m, r.top() + r.height() * 0.38, w, r.height() * 0.36);
    const int rows = 6;
    const qreal rowH = table.height() / rows;
    p.fillRect(QRectF(table.topLeft(), QSizeF(table.width(), rowH)), QColor(205, 222, 240));
    p.setPen(QPen(QColor(150, 170, 195), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(table);
    for (int i = 1; i < rows; ++i)
        p.drawLine(QPointF(table.left(), table.top() + i * rowH), QPointF(table.right(), table.top() + i * rowH));
    for (qreal f : {0.5, 0.7})
        p.drawLine(QPointF(table.left() + table.width() * f, table.top()),
                   QPointF(table.left() + table.width() * f, table.bottom()));

    const QRectF total(r.left() + m + w * 0.5, table.bottom() + r.height() * 0.05, w * 0.5, r.height() * 0.09);
    fillPath(p, total, QColor(255, 240, 200), QColor(200, 150, 60), 1.2);
    drawTextLines(p, QRectF(total.left() + 6, total.center().y(), total.width() * 0.7, 0), 10, QColor(150, 100, 30),
                  2.5);
}

void drawPresentation(QPainter &p, QSizeF s)
{
    const QRectF all(QPointF(0, 0), s);
    p.fillRect(all, verticalGradient(all, QColor(250, 252, 254), QColor(214, 226, 240)));
    drawLightWaves(p, s, QColor(255, 255, 255, 70), 2);
    fillPath(p, roundedRectPath(all.adjusted(9, 9, -9, -9), 12), Qt::NoBrush, QColor(170, 188, 210), 2);

    // Title group: emblem on the left, name and line of business on the right.
    const QFont title = makeFont(96, QFont::Bold), line = makeFont(34);
    const qreal emblemSize = 128, gap = 34;
    const qreal textWidth = qMax(QFontMetricsF(title).horizontalAdvance(kProductTitle),
                                 QFontMetricsF(line).horizontalAdvance(kProductLine));
    const qreal x0 = (s.width() - (emblemSize + gap + textWidth)) / 2;
    const QRectF emblem(x0, 62, emblemSize, emblemSize);
    drawSoftShadow(p, emblem.center() + QPointF(3, 9), 80, 80, 60);
    drawEmblem(p, emblem);
    const qreal tx = emblem.right() + gap;
    drawProductName(p, QPointF(tx, 148), title, kNavy, QColor(232, 120, 30), 0);
    drawTextAt(p, QPointF(tx + 3, 192), kProductLine, line, QColor(70, 92, 118));

    // Separator that fades out at both ends.
    QLinearGradient sep(60, 0, s.width() - 60, 0);
    sep.setColorAt(0, QColor(150, 170, 200, 0));
    sep.setColorAt(0.5, QColor(150, 170, 200, 255));
    sep.setColorAt(1, QColor(150, 170, 200, 0));
    p.fillRect(QRectF(60, 238, s.width() - 120, 2), sep);

    // Motifs standing on a common ground line: stock, invoice, money.
    const qreal ground = 500;
    drawSoftShadow(p, QPointF(272, ground + 2), 150, 18, 70);
    drawSoftShadow(p, QPointF(512, ground + 2), 100, 14, 60);
    drawSoftShadow(p, QPointF(752, ground + 2), 130, 16, 70);

    // Three cartons: one at the back, one beside it towards the viewer, one
    // stacked on the back one. Drawn back to front.
    const qreal hw = 56, depth = 28, height = 60;
    const qreal backX = 272 - hw / 2, backY = ground - 2 * depth - height;
    drawCarton(p, {backX, backY, hw, depth, height});
    drawCarton(p, {backX + hw, backY + depth, hw, depth, height});
    drawCarton(p, {backX, backY - height, hw, depth, height});

    p.save();
    p.translate(512, 390);
    p.rotate(-4);
    drawInvoice(p, QRectF(-74, -104, 148, 200));
    p.restore();

    drawCoinStack(p, QPointF(705, ground - 14), 42, 6);
    drawCoin(p, QPointF(782, ground - 40), 36, false);
    drawCoinStack(p, QPointF(820, ground - 2), 36, 3);
}

// ---------------------------------------------------------------------------
// Toolbar icons (40 x 40 on a light tile)
// ---------------------------------------------------------------------------

void drawToolbarTile(QPainter &p, QSizeF s)
{
    const QRectF r(0.5, 0.5, s.width() - 1, s.height() - 1);
    fillPath(p, roundedRectPath(r, 4), verticalGradient(r, QColor(252, 252, 250), QColor(224, 226, 229)),
             QColor(165, 170, 178), 1.0);
}

void drawBall(QPainter &p, QPointF c, qreal r, const QColor &color)
{
    QPainterPath ball;
    ball.addEllipse(c, r, r);
    fillPath(p, ball, ballGradient(c, r, color), color.darker(170), 0.7);
}

// 100: products table - a red box full of coloured balls.
void iconProducts(QPainter &p)
{
    fillPath(p, polygonPath({{7.5, 21}, {10.5, 12.5}, {29.5, 12.5}, {32.5, 21}}), QColor(140, 25, 25),
             QColor(100, 15, 15), 1.0);
    const struct {
        qreal x, y;
        QColor color;
    } balls[] = {{13, 16.5, QColor(40, 110, 220)},  {19.5, 14.8, QColor(60, 180, 70)},
                 {26.5, 16.5, QColor(250, 205, 30)}, {16.2, 20, QColor(250, 140, 30)},
                 {23, 19.8, QColor(150, 70, 200)},   {29, 20.5, QColor(30, 190, 200)}};
    for (const auto &b : balls)
        drawBall(p, QPointF(b.x, b.y), 3.6, b.color);
    const QRectF front(7.5, 20.5, 25, 14);
    fillPath(p, roundedRectPath(front, 1.5), verticalGradient(front, QColor(236, 62, 50), QColor(170, 22, 22)),
             QColor(105, 15, 15), 1.0);
    p.setPen(QPen(QColor(255, 150, 140), 1.0));
    p.drawLine(QPointF(9, 22.5), QPointF(31, 22.5));
    fillPath(p, roundedRectPath(QRectF(15, 25.5, 10, 5), 1), QColor(255, 235, 230), QColor(130, 25, 25), 0.8);
}

// 101: clients and suppliers - two persons.
void iconPersons(QPainter &p)
{
    drawPerson(p, QRectF(18.5, 5.5, 15, 26), QColor(60, 110, 200));
    drawPerson(p, QRectF(6.5, 10.5, 17, 25), QColor(60, 160, 75));
}

// 102 / 103: receptions and deliveries.
void iconArrowsDown(QPainter &p) { drawDoubleArrow(p, QColor(40, 160, 70), +1); }
void iconArrowsUp(QPainter &p) { drawDoubleArrow(p, QColor(40, 110, 210), -1); }

// 104: sales invoices - a sheet ruled as a table.
void iconGridSheet(QPainter &p)
{
    const QRectF r(8.5, 4.5, 23, 31);
    drawPage(p, r, kPaper, kPaperEdge, 6);
    const QRectF grid(11, 12, 18, 20);
    p.fillRect(QRectF(grid.left(), grid.top(), grid.width(), 4), QColor(70, 130, 210));
    p.setPen(QPen(QColor(110, 140, 180), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawRect(grid);
    for (qreal y = grid.top() + 4; y < grid.bottom(); y += 4)
        p.drawLine(QPointF(grid.left(), y), QPointF(grid.right(), y));
    for (qreal x : {grid.left() + 6, grid.left() + 12})
        p.drawLine(QPointF(x, grid.top()), QPointF(x, grid.bottom()));
}

// 105: proforma - a plain document page.
void iconDocument(QPainter &p)
{
    drawPage(p, QRectF(9.5, 4.5, 21, 31), kPaper, kPaperEdge, 7);
    drawTextLines(p, QRectF(12.5, 14.5, 15, 17), 3, kTextLine, 1.2);
    p.setPen(QPen(QColor(70, 110, 170), 1.6));
    p.drawLine(QPointF(12.5, 9.5), QPointF(20, 9.5));
}

// 106: manual stock regularisation - a page with coloured cubes.
void iconPageCubes(QPainter &p)
{
    drawPage(p, QRectF(5.5, 3.5, 20, 27), kPaper, kPaperEdge, 6);
    drawTextLines(p, QRectF(8.5, 12.5, 12, 6), 3);
    const qreal hw = 4.8, depth = 2.6, h = 5.6, lower = 26.5;
    drawBlock(p, {20.5, lower, hw, depth, h}, QColor(220, 50, 50), 0.7);
    drawBlock(p, {30.1, lower, hw, depth, h}, QColor(40, 110, 220), 0.7);
    drawBlock(p, {25.3, lower - h - 0.2, hw, depth, h}, QColor(60, 175, 70), 0.7);
}

// 107: stock journal - a page with coins and a dollar sign.
void iconPageCoins(QPainter &p)
{
    drawPage(p, QRectF(5.5, 3.5, 21, 28), kPaper, kPaperEdge, 6);
    drawTextLines(p, QRectF(8.5, 11.5, 12, 9), 3);
    drawCoinStack(p, QPointF(29, 34.5), 6.5, 4);
    drawCoin(p, QPointF(16.5, 28), 7.5, true);
}

// 108: cash operations - a calculator.
void iconCalculator(QPainter &p)
{
    const QRectF body(9.5, 3.5, 21, 33);
    fillPath(p, roundedRectPath(body, 3), verticalGradient(body, QColor(100, 110, 128), QColor(55, 62, 75)),
             QColor(35, 40, 50), 1.0);
    const QRectF screen(12, 6.5, 16, 7);
    fillPath(p, roundedRectPath(screen, 1), verticalGradient(screen, QColor(215, 240, 190), QColor(165, 205, 140)),
             QColor(40, 60, 40), 0.8);
    p.setFont(makeFont(8, QFont::Bold));
    p.setPen(QColor(30, 60, 30));
    p.drawText(screen.adjusted(0, 0, -1.5, 0.5), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("0"));
    const qreal key = 3.4, pitch = 4.2;
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 4; ++col) {
            const QRectF k(12.2 + col * pitch, 16.5 + row * pitch, key, key);
            const bool operation = col == 3;
            const QColor face = operation ? QColor(250, 150, 40) : QColor(232, 235, 240);
            fillPath(p, roundedRectPath(k, 0.8), face, face.darker(170), 0.6);
        }
}

// 109: bank operations - a database cylinder with a question mark.
void iconDatabase(QPainter &p)
{
    const qreal left = 9.5, width = 21, rx = width / 2, ry = 3.8, top = 9, bottom = 31;
    const QPointF c(left + rx, 0);
    const QColor blue(45, 105, 200);
    QPainterPath side;
    side.addRect(QRectF(left, top, width, bottom - top));
    side.addEllipse(QPointF(c.x(), bottom), rx, ry);
    fillPath(p, side.simplified(), cylinderGradient(QRectF(left, top, width, 1), blue), blue.darker(180), 1.0);
    p.setPen(QPen(QColor(170, 205, 250, 190), 1.0));
    p.setBrush(Qt::NoBrush);
    for (qreal y : {top + (bottom - top) / 3, top + 2 * (bottom - top) / 3})
        p.drawArc(QRectF(left, y - ry, width, 2 * ry), 180 * 16, 180 * 16);
    QPainterPath lid;
    lid.addEllipse(QPointF(c.x(), top), rx, ry);
    fillPath(p, lid, verticalGradient(lid.boundingRect(), QColor(150, 195, 250), QColor(90, 145, 225)),
             blue.darker(180), 1.0);
    const QRectF mark(left, top + 2, width, bottom - top + 2);
    drawCentredText(p, mark.translated(0.8, 1), QStringLiteral("?"), makeFont(20, QFont::Bold), QColor(10, 30, 80, 160));
    drawCentredText(p, mark, QStringLiteral("?"), makeFont(20, QFont::Bold), QColor(255, 225, 60));
}

// 110: payments received - a newspaper.
void iconNewspaper(QPainter &p)
{
    const QRectF back(4.5, 9.5, 28, 25), front(7.5, 5.5, 28, 27);
    fillPath(p, back, QColor(205, 208, 214), QColor(110, 115, 125), 1.0);
    fillPath(p, front, verticalGradient(front, QColor(252, 252, 250), QColor(230, 230, 226)), QColor(95, 100, 110),
             1.0);
    p.fillRect(QRectF(10, 8, 23, 3.5), QColor(45, 50, 60));
    p.fillRect(QRectF(10, 14, 9, 7.5), QColor(100, 140, 190));
    drawTextLines(p, QRectF(21, 14.5, 12, 6), 2.2, QColor(120, 125, 135), 1.0);
    drawTextLines(p, QRectF(10, 24.5, 10, 6), 2.2, QColor(120, 125, 135), 1.0);
    drawTextLines(p, QRectF(22.5, 24.5, 10, 6), 2.2, QColor(120, 125, 135), 1.0);
}

// 111: treasury - a red and yellow emblem with a question mark.
void iconTreasury(QPainter &p)
{
    const QPointF c(20, 20);
    drawBall(p, c, 15.5, QColor(215, 35, 35));
    QPainterPath inner;
    inner.addEllipse(c, 10.5, 10.5);
    fillPath(p, inner, ballGradient(c, 10.5, QColor(255, 210, 40)), QColor(170, 30, 20), 1.0);
    drawCentredText(p, QRectF(c.x() - 10, c.y() - 9.5, 20, 20), QStringLiteral("?"), makeFont(17, QFont::Bold),
                    QColor(200, 25, 25));
}

// 112: receptions journal - a stack of green pages.
void iconGreenPages(QPainter &p)
{
    const QColor edge(45, 115, 50);
    drawPage(p, QRectF(14.5, 3.5, 19, 25), QColor(150, 210, 140), edge, 5);
    drawPage(p, QRectF(10.5, 7.5, 19, 25), QColor(175, 225, 162), edge, 5);
    drawPage(p, QRectF(6.5, 11.5, 19, 25), QColor(205, 242, 192), edge, 5);
    drawTextLines(p, QRectF(9.5, 19.5, 13, 13), 3, QColor(70, 150, 70), 1.2);
}

// 113: backup - a floppy disk.
void iconFloppy(QPainter &p)
{
    const QColor blue(40, 75, 160);
    const QPainterPath body = polygonPath({{6.5, 6.5}, {29, 6.5}, {33.5, 11}, {33.5, 33.5}, {6.5, 33.5}});
    fillPath(p, body, verticalGradient(body.boundingRect(), blue.lighter(130), blue.darker(110)), blue.darker(190),
             1.0);
    const QRectF shutter(12.5, 6.5, 15, 10);
    fillPath(p, shutter, cylinderGradient(shutter, QColor(190, 195, 205)), QColor(90, 95, 105), 0.9);
    p.fillRect(QRectF(21.5, 8.5, 3.5, 6), QColor(50, 55, 70));
    const QRectF label(10.5, 20.5, 19, 13);
    fillPath(p, label, QColor(248, 248, 245), QColor(90, 95, 105), 0.9);
    drawTextLines(p, QRectF(12.5, 24, 14, 6), 3, QColor(200, 60, 60), 1.0);
}

// 114: restore - a curved orange arrow turning back.
void iconCurvedArrow(QPainter &p)
{
    const QPointF c(21, 21.5);
    const qreal r = 10.5, startDeg = -50, sweepDeg = 235;
    QPainterPath arc;
    const QRectF circle(c.x() - r, c.y() - r, 2 * r, 2 * r);
    arc.arcMoveTo(circle, startDeg);
    arc.arcTo(circle, startDeg, sweepDeg);
    const qreal endRad = (startDeg + sweepDeg) * std::numbers::pi / 180;
    const QPointF end = c + QPointF(std::cos(endRad) * r, -std::sin(endRad) * r);
    const QPointF tangent(-std::sin(endRad), -std::cos(endRad)); // direction of travel on screen
    const QPainterPath arrow = thickStroke(arc, 5.5, Qt::RoundCap).united(arrowHead(end, tangent, 9, 8));
    fillPath(p, arrow, verticalGradient(arrow.boundingRect(), QColor(255, 185, 70), QColor(230, 110, 20)),
             QColor(160, 70, 10), 1.0);
}

// 115: year-end closing - two gears.
void iconGears(QPainter &p)
{
    drawGear(p, QPointF(15, 15), 12, 9, QColor(120, 140, 170), 0);
    drawGear(p, QPointF(28, 28), 8.5, 7, QColor(245, 150, 40), 360.0 / 14);
}

// 116: file initialisation - a small page with coloured squares.
void iconPageSquares(QPainter &p)
{
    drawPage(p, QRectF(11.5, 6.5, 17, 25), kPaper, kPaperEdge, 5);
    const QColor colors[] = {QColor(220, 50, 50), QColor(60, 175, 70), QColor(40, 110, 220), QColor(250, 200, 30)};
    for (int i = 0; i < 4; ++i) {
        const QRectF sq(14 + (i % 2) * 6, 13.5 + (i / 2) * 6, 5, 5);
        fillPath(p, sq, colors[i], colors[i].darker(160), 0.7);
    }
    drawTextLines(p, QRectF(14, 27, 11, 0), 3, kTextLine, 1.2);
}

// 117: utilities - a screwdriver across a wrench.
void iconTools(QPainter &p)
{
    const QColor steel(175, 182, 195);
    p.save();
    p.translate(20, 20);
    p.rotate(-45);
    QPainterPath wrench = roundedRectPath(QRectF(-14, -2.6, 22, 5.2), 2.6);
    QPainterPath head;
    head.addEllipse(QPointF(10, 0), 6.8, 6.8);
    QPainterPath jaw;
    jaw.addRect(QRectF(9, -2.6, 9, 5.2));
    QPainterPath hole;
    hole.addEllipse(QPointF(-11.5, 0), 1.2, 1.2);
    wrench = wrench.united(head).subtracted(jaw).subtracted(hole);
    fillPath(p, wrench, verticalGradient(QRectF(-14, -7, 28, 14), steel.lighter(125), steel.darker(130)),
             QColor(70, 75, 88), 1.0);
    p.restore();

    p.save();
    p.translate(20, 20);
    p.rotate(45);
    const QRectF shaft(-15, -1.3, 17, 2.6);
    fillPath(p, shaft, verticalGradient(shaft, steel.lighter(130), steel.darker(140)), QColor(70, 75, 88), 0.8);
    const QRectF handle(1, -3.8, 14, 7.6);
    fillPath(p, roundedRectPath(handle, 3), verticalGradient(handle, QColor(250, 90, 60), QColor(180, 30, 20)),
             QColor(120, 20, 15), 1.0);
    p.setPen(QPen(QColor(255, 190, 170, 200), 0.9));
    for (qreal x : {5.0, 8.0, 11.0})
        p.drawLine(QPointF(x, -2.2), QPointF(x, 2.2));
    p.restore();
}

// 118: a download arrow dropping into a tray.
void iconDownloadTray(QPainter &p)
{
    const QPainterPath tray = thickStroke(linePath({{6.5, 22}, {6.5, 32.5}, {33.5, 32.5}, {33.5, 22}}), 3.6);
    fillPath(p, tray, verticalGradient(tray.boundingRect(), QColor(150, 160, 178), QColor(85, 95, 115)),
             QColor(55, 60, 75), 0.9);
    const QPainterPath arrow =
        polygonPath({{17, 4.5}, {23, 4.5}, {23, 15}, {29, 15}, {20, 27}, {11, 15}, {17, 15}});
    fillPath(p, arrow, verticalGradient(arrow.boundingRect(), QColor(110, 210, 110), QColor(30, 140, 50)),
             QColor(20, 90, 30), 1.0);
}

// 119: end of program - a red cross.
void iconRedCross(QPainter &p)
{
    const QPainterPath cross = thickStroke(linePath({{11, 11}, {29, 29}}), 7.5)
                                   .united(thickStroke(linePath({{29, 11}, {11, 29}}), 7.5));
    fillPath(p, cross, verticalGradient(cross.boundingRect(), QColor(245, 80, 70), QColor(185, 20, 20)),
             QColor(120, 10, 10), 1.0);
}

// 120: a plain grey square frame (also the filler button).
void iconGreyFrame(QPainter &p)
{
    const QRectF outer(8.5, 8.5, 23, 23);
    QPainterPath frame = roundedRectPath(outer, 2);
    frame.addRoundedRect(outer.adjusted(4, 4, -4, -4), 1, 1);
    frame.setFillRule(Qt::OddEvenFill);
    fillPath(p, frame, verticalGradient(outer, QColor(175, 175, 178), QColor(120, 120, 124)), QColor(85, 85, 90),
             0.9);
}

// ---------------------------------------------------------------------------
// Button icons (transparent background)
// ---------------------------------------------------------------------------

void drawClose(QPainter &p, QSizeF s)
{
    const QPointF c(s.width() / 2, s.height() / 2);
    const qreal r = s.width() / 2 - 1.5, arm = r * 0.38;
    drawBall(p, c, r, QColor(222, 48, 40));
    p.setPen(QPen(Qt::white, r * 0.24, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(-arm, -arm), c + QPointF(arm, arm));
    p.drawLine(c + QPointF(arm, -arm), c + QPointF(-arm, arm));
}

// Right-pointing arrow; the left one is its mirror image.
void drawSideArrow(QPainter &p, QSizeF s, bool right)
{
    if (!right) {
        p.translate(s.width(), 0);
        p.scale(-1, 1);
    }
    const qreal w = s.width(), h = s.height(), mid = h / 2;
    const QPainterPath arrow = polygonPath({{w * 0.12, mid - h * 0.14},
                                            {w * 0.5, mid - h * 0.14},
                                            {w * 0.5, mid - h * 0.34},
                                            {w * 0.88, mid},
                                            {w * 0.5, mid + h * 0.34},
                                            {w * 0.5, mid + h * 0.14},
                                            {w * 0.12, mid + h * 0.14}});
    fillPath(p, arrow, verticalGradient(arrow.boundingRect(), QColor(90, 160, 235), QColor(25, 85, 170)),
             QColor(15, 55, 125), 1.0);
}

// Clear the fields: an eraser rubbing out, with a few crumbs.
void drawClear(QPainter &p, QSizeF s)
{
    const qreal k = s.width() / 30.0;
    p.scale(k, k);
    p.setPen(QPen(QColor(140, 145, 155), 1.3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(2.5, 26), QPointF(13, 26));
    p.drawLine(QPointF(4.5, 23), QPointF(9, 23));
    drawEraser(p, QPointF(17.5, 13.5), 22, 10, -38);
    for (QPointF crumb : {QPointF(16, 24.5), QPointF(19, 26.5), QPointF(22, 24)}) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(230, 120, 140));
        p.drawEllipse(crumb, 0.9, 0.9);
    }
}

// Reset the entry fields: a small form whose fields are being rubbed out.
void drawInitFields(QPainter &p, QSizeF s)
{
    const QRectF form(2.5, 2.5, 27, 32);
    fillPath(p, roundedRectPath(form, 2), verticalGradient(form, QColor(250, 251, 253), QColor(222, 228, 236)),
             QColor(110, 120, 140), 1.0);
    for (int i = 0; i < 3; ++i) {
        const qreal y = 6.5 + i * 9;
        p.setPen(QPen(QColor(120, 130, 150), 1.2));
        p.drawLine(QPointF(5.5, y), QPointF(12, y));
        fillPath(p, QRectF(5.5, y + 2, 20.5, 4.5), Qt::white, QColor(120, 135, 160), 0.9);
    }
    drawEraser(p, QPointF(s.width() - 12.5, s.height() - 11.5), 21, 10, -40);
}

// ---------------------------------------------------------------------------
// Letterheads (white, printed in dark blue)
// ---------------------------------------------------------------------------

const QString kCompany = QStringLiteral("SARL COMPTOIR DU SAHEL");

// A thick rule with a thin one under it, across the whole width, `thick` pixels thick.
void drawLetterheadRule(QPainter &p, QSizeF s, qreal thick)
{
    p.fillRect(QRectF(0, s.height() - 3 * thick, s.width(), thick), kInk);
    p.fillRect(QRectF(0, s.height() - 1.4 * thick, s.width(), 0.4 * thick), kInk);
}

// One line of text in a box, in a font shrunk until it fits the box's width.
struct HeadLine {
    QString text;
    QRectF box;
    qreal pixels;
    QFont::Weight weight;
    QColor color;
    Qt::Alignment alignment;
};

void drawHeadLines(QPainter &p, std::initializer_list<HeadLine> lines)
{
    for (const HeadLine &l : lines) {
        p.setFont(fitted(makeFont(l.pixels, l.weight), l.text, l.box.width()));
        p.setPen(l.color);
        p.drawText(l.box, l.alignment | Qt::AlignVCenter, l.text);
    }
}

// The full letterhead is printed in a band 19.4 units wide and 1 high: the name on the left,
// the address, telephone and registration numbers on the right, in the band's proportions.
void drawLetterheadFull(QPainter &p, QSizeF s)
{
    const qreal half = s.width() / 2;
    drawHeadLines(p, {{kCompany, {10, 4, half - 20, 76}, 52, QFont::Bold, kInk, Qt::AlignLeft},
                      {QStringLiteral("12, rue des Oliviers - 16000 ALGER"), {half, 2, half - 10, 26}, 22,
                       QFont::Normal, Qt::black, Qt::AlignRight},
                      {QStringLiteral("Tél : 021 00 00 00 - Fax : 021 00 00 01"), {half, 28, half - 10, 26}, 22,
                       QFont::Normal, Qt::black, Qt::AlignRight},
                      {QStringLiteral("RC : 00B0000000  -  MF : 000000000000000  -  ART : 00000000000"),
                       {half, 54, half - 10, 26}, 20, QFont::Normal, Qt::black, Qt::AlignRight}});
    drawLetterheadRule(p, s, 4);
}

// The short letterhead is printed 19.4 units wide and 3 high: the name and the town, centred.
void drawLetterheadShort(QPainter &p, QSizeF s)
{
    drawHeadLines(p, {{kCompany, {20, 10, s.width() - 40, 150}, 130, QFont::Bold, kInk, Qt::AlignHCenter},
                      {QStringLiteral("16000 ALGER"), {20, 160, s.width() - 40, 100}, 76, QFont::Bold, Qt::black,
                       Qt::AlignHCenter}});
    drawLetterheadRule(p, s, 8);
}

// ---------------------------------------------------------------------------
// Output
// ---------------------------------------------------------------------------

class AssetWriter
{
public:
    explicit AssetWriter(const QString &dir) : m_dir(dir) {}

    void render(const QString &name, QSize size, const DrawFn &draw, const QColor &ground = Qt::transparent)
    {
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(ground);
        {
            QPainter p(&image);
            p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                             QPainter::SmoothPixmapTransform);
            draw(p, QSizeF(size));
        }
        const QImage out = image.convertToFormat(ground.alpha() == 255 ? QImage::Format_RGB32
                                                                       : QImage::Format_ARGB32);
        const QString path = m_dir.filePath(name);
        QDir().mkpath(QFileInfo(path).absolutePath());
        if (out.save(path, "PNG"))
            m_written << name;
        else {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            m_failed = true;
        }
    }

    bool failed() const { return m_failed; }
    qsizetype count() const { return m_written.size(); }

private:
    QDir m_dir;
    QStringList m_written;
    bool m_failed = false;
};

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: draw_assets OUTPUT_DIR\n");
        return 2;
    }
    AssetWriter w(args.at(1));

    w.render(QStringLiteral("banner.png"), {632, 248}, drawBanner, Qt::white);
    w.render(QStringLiteral("presentation.png"), {1020, 556}, drawPresentation, Qt::white);
    w.render(QStringLiteral("installer_banner.png"), {632, 236}, drawInstallerBanner, Qt::white);
    w.render(QStringLiteral("app_icon.png"), {256, 256}, drawAppIcon);

    const std::pair<int, void (*)(QPainter &)> toolbar[] = {
        {100, iconProducts},   {101, iconPersons},     {102, iconArrowsDown},  {103, iconArrowsUp},
        {104, iconGridSheet},  {105, iconDocument},    {106, iconPageCubes},   {107, iconPageCoins},
        {108, iconCalculator}, {109, iconDatabase},    {110, iconNewspaper},   {111, iconTreasury},
        {112, iconGreenPages}, {113, iconFloppy},      {114, iconCurvedArrow}, {115, iconGears},
        {116, iconPageSquares}, {117, iconTools},      {118, iconDownloadTray}, {119, iconRedCross},
        {120, iconGreyFrame}};
    for (const auto &[id, icon] : toolbar)
        w.render(QStringLiteral("toolbar/%1.png").arg(id), {40, 40}, [icon](QPainter &p, QSizeF s) {
            drawToolbarTile(p, s);
            icon(p);
        });

    w.render(QStringLiteral("icons/close.png"), {32, 32}, drawClose);
    w.render(QStringLiteral("icons/previous.png"), {28, 28}, [](QPainter &p, QSizeF s) { drawSideArrow(p, s, false); });
    w.render(QStringLiteral("icons/next.png"), {28, 28}, [](QPainter &p, QSizeF s) { drawSideArrow(p, s, true); });
    w.render(QStringLiteral("icons/clear.png"), {30, 30}, drawClear);
    w.render(QStringLiteral("icons/init39.png"), {39, 39}, drawInitFields);

    // In the proportions of the bands they are printed in (19.4 x 1 and 19.4 x 3 units).
    w.render(QStringLiteral("letterhead_full.png"), {1940, 100}, drawLetterheadFull, Qt::white);
    w.render(QStringLiteral("letterhead_short.png"), {1940, 300}, drawLetterheadShort, Qt::white);

    std::printf("%lld pictures written to %s\n", static_cast<long long>(w.count()), qPrintable(args.at(1)));
    return w.failed() ? 1 : 0;
}
