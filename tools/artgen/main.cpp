// artgen: draws the artwork of VQ Rudraksha Numerology.
//
//   artgen OUTPUT_DIR
//
// writes into OUTPUT_DIR
//   1.jpg .. 9.jpg      a bead with 1 .. 9 faces (100 x 100)
//   p1.jpg .. p9.jpg    planet glyphs Sun .. Saturn, p8 and p9 blank (40 x 41)
//   icon-N.png          the program icon at 16, 24, 32, 48, 64, 128, 256 px
//   app.ico             the same icon at 16, 32, 48 and 256 px for Windows
//   icon.svg            the same icon as scalable SVG
//   document-N.png      the icon of a saved reading at the same sizes
//   document.ico        the same document icon at 16, 32, 48 and 256 px for Windows
//   document.svg        the same document icon as scalable SVG
// and, for screens at 150 % and 200 %, the same pictures drawn at twice the
// resolution: 1@2x.jpg .. 9@2x.jpg, p1@2x.jpg .. p9@2x.jpg and icon-N@2x.png
// for N up to 128. Qt looks for a "@2x" file beside the 1x file of the same
// name: QIcon adds it and uses it at a device pixel ratio of 2, while a plain
// QPixmap load takes the named file only.
//
// Everything is drawn here, by code: no fonts, no bitmaps from elsewhere.

#include <QBuffer>
#include <QColor>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTextStream>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

constexpr double kPi = 3.14159265358979323846;

// ---------------------------------------------------------------- noise

uint32_t hash3(int x, int y, int z, uint32_t seed)
{
    uint32_t h = seed * 0x9E3779B1u;
    h ^= uint32_t(x) * 0x85EBCA77u;
    h = (h << 13) | (h >> 19);
    h ^= uint32_t(y) * 0xC2B2AE3Du;
    h = (h << 17) | (h >> 15);
    h ^= uint32_t(z) * 0x27D4EB2Fu;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return h;
}

double unit(uint32_t h)
{
    return double(h & 0xFFFFFFu) / double(0x1000000);
}

double smooth(double t)
{
    return t * t * (3.0 - 2.0 * t);
}

// Smooth value noise in 0..1.
double valueNoise(double x, double y, double z, uint32_t seed)
{
    const int xi = int(std::floor(x)), yi = int(std::floor(y)), zi = int(std::floor(z));
    const double fx = smooth(x - xi), fy = smooth(y - yi), fz = smooth(z - zi);
    auto v = [&](int dx, int dy, int dz) { return unit(hash3(xi + dx, yi + dy, zi + dz, seed)); };
    auto lerp = [](double a, double b, double t) { return a + (b - a) * t; };
    const double x00 = lerp(v(0, 0, 0), v(1, 0, 0), fx), x10 = lerp(v(0, 1, 0), v(1, 1, 0), fx);
    const double x01 = lerp(v(0, 0, 1), v(1, 0, 1), fx), x11 = lerp(v(0, 1, 1), v(1, 1, 1), fx);
    return lerp(lerp(x00, x10, fy), lerp(x01, x11, fy), fz);
}

// Distances to the nearest and second nearest of randomly scattered points:
// F1 makes round knobs, F2 - F1 makes the creases between them.
struct Cells {
    double f1, f2, pick; // pick: a random number of the nearest point
};

Cells cells(double x, double y, double z, uint32_t seed)
{
    const int xi = int(std::floor(x)), yi = int(std::floor(y)), zi = int(std::floor(z));
    Cells c{9.0, 9.0, 0.0};
    for (int dz = -1; dz <= 1; ++dz)
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                const uint32_t h = hash3(xi + dx, yi + dy, zi + dz, seed);
                const double px = xi + dx + unit(h);
                const double py = yi + dy + unit(h * 0x9E3779B1u + 1u);
                const double pz = zi + dz + unit(h * 0x85EBCA77u + 7u);
                const double d = std::sqrt((px - x) * (px - x) + (py - y) * (py - y) + (pz - z) * (pz - z));
                if (d < c.f1) {
                    c.f2 = c.f1;
                    c.f1 = d;
                    c.pick = unit(h * 0x27D4EB2Fu + 3u);
                } else if (d < c.f2)
                    c.f2 = d;
            }
    return c;
}

// ---------------------------------------------------------------- scale

// Marks an image as drawn for screens at scale x 100 %: painting on it keeps
// using 1x coordinates, and the file notes scale times the usual resolution,
// which is how a file tells a device pixel ratio.
QImage atScale(QImage img, int scale)
{
    if (scale != 1) {
        img.setDotsPerMeterX(img.dotsPerMeterX() * scale);
        img.setDotsPerMeterY(img.dotsPerMeterY() * scale);
    }
    img.setDevicePixelRatio(scale);
    return img;
}

// ---------------------------------------------------------------- beads

// Draws a bead with `faces` faces: a wrinkled brown seed seen a little from
// above, so the hole at the top pole shows, with one deep groove per face
// running from the hole down over the front. scale 2 draws the same bead at
// 200 x 200 for screens at 200 %.
QImage drawBead(int faces, int scale = 1)
{
    constexpr int kSize = 100;
    constexpr int kScale = 4; // drawn 4x larger, then shrunk: smooth edges
    const int k = kScale * scale; // image pixels per final 1x pixel
    const int S = kSize * k;
    constexpr double cx = 50.0, cy = 48.0; // centre of the bead, in final pixels
    constexpr double rx = 41.0, ry = 39.0; // a little wider than tall
    constexpr double tilt = 0.45; // how far the top leans towards the viewer
    constexpr double holeRadius = 0.13; // radians around the top pole
    const uint32_t seed = 1000u + uint32_t(faces) * 7919u;

    // Groove longitudes: spread evenly (as seen from the front) over the
    // visible half, so every face can be counted; narrower grooves when there
    // are many, so they stay apart.
    const double grooveWidth = 0.044 * std::min(1.0, std::sqrt(5.0 / faces));
    std::vector<double> grooves;
    for (int k = 0; k < faces; ++k) {
        const double s = faces == 1 ? 0.0 : -0.82 + 1.64 * (k + 0.5) / faces;
        grooves.push_back(std::asin(s));
    }

    QImage img(S, S, QImage::Format_RGB32);
    img.fill(QColor(246, 243, 236));
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(k, k);
        p.translate(cx + 3.0, cy + ry + 4.0);
        p.scale(rx * 0.95, 7.0);
        QRadialGradient shadow(QPointF(0, 0), 1.0);
        shadow.setColorAt(0.0, QColor(90, 70, 50, 120));
        shadow.setColorAt(1.0, QColor(90, 70, 50, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(shadow);
        p.drawEllipse(QPointF(0, 0), 1.0, 1.0);
    }

    // Pass 1: per pixel, the surface height, colour and how deep in a groove it lies.
    struct Px {
        bool in = false;
        double u, v, w, h, groove, hole, tone;
    };
    std::vector<Px> px(size_t(S) * S);
    const double ct = std::cos(tilt), st = std::sin(tilt);
    for (int y = 0; y < S; ++y)
        for (int x = 0; x < S; ++x) {
            double u = ((x + 0.5) / k - cx) / rx;
            double v = -((y + 0.5) / k - cy) / ry;
            // A slightly uneven outline: seeds are never perfectly round.
            const double a = std::atan2(v, u);
            const double edge = 1.0
                + 0.035 * (valueNoise(std::cos(a) * 3.0 + 5.0, std::sin(a) * 3.0, 0.5, seed + 5u) - 0.5)
                + 0.012 * (valueNoise(std::cos(a) * 14.0, std::sin(a) * 14.0, 2.5, seed + 6u) - 0.5);
            u /= edge;
            v /= edge;
            const double r2 = u * u + v * v;
            if (r2 >= 1.0)
                continue;
            const double w = std::sqrt(1.0 - r2);
            // Turn the visible point back into the bead's own frame (top pole = +y).
            const double qx = u, qy = v * ct + w * st, qz = -v * st + w * ct;
            const double lat = std::asin(std::clamp(qy, -1.0, 1.0));
            const double lon = std::atan2(qx, qz);
            const double polar = kPi / 2 - lat;

            // g: 1 in the bottom of a groove; shoulder: its wider sloping sides,
            // which leave each face bulging between two grooves.
            double g = 0.0, shoulder = 0.0;
            for (double gl : grooves) {
                double d = std::remainder(lon - gl, 2 * kPi);
                d = std::abs(d) * std::cos(lat);
                g = std::max(g, std::exp(-(d * d) / (grooveWidth * grooveWidth)));
                const double sw = grooveWidth * 2.8;
                shoulder = std::max(shoulder, std::exp(-(d * d) / (sw * sw)));
            }
            // Grooves fade out into the hole rather than piling up around it.
            const double nearPole = std::clamp((polar - holeRadius) / 0.25, 0.0, 1.0);
            g *= 0.35 + 0.65 * nearPole;
            shoulder *= nearPole;

            const Cells c = cells(qx * 7.5 + 11.0, qy * 7.5, qz * 7.5, seed);
            const double knob = (0.6 + 0.4 * c.pick) * std::sqrt(std::clamp(1.0 - c.f1 * 1.25, 0.0, 1.0));
            const double crease = std::clamp((c.f2 - c.f1) / 0.3, 0.0, 1.0);
            const double fine = valueNoise(qx * 30.0, qy * 30.0, qz * 30.0, seed + 3u);

            double h = 0.45 * knob + 0.35 * crease + 0.20 * fine;
            h = h * (1.0 - 0.7 * g) - 1.6 * g + 0.25 * (1.0 - shoulder);
            // A raised lip around the hole.
            const double lip = std::exp(-std::pow((polar - holeRadius * 1.45) / 0.06, 2.0));
            h += 0.6 * lip;

            Px& o = px[size_t(y) * S + x];
            o = {true, u, v, w, h, g, polar < holeRadius ? 1.0 : 0.0,
                0.35 * knob + 0.35 * crease + 0.30 * valueNoise(qx * 4.0, qy * 4.0, qz * 4.0, seed + 9u)};
        }

    // Pass 2: light the bumpy surface.
    const double lx = -0.40, ly = 0.55, lz = 0.75; // light from the upper left front
    const double ll = std::sqrt(lx * lx + ly * ly + lz * lz);
    const double relief = 0.035 * rx * k; // height 1 = 3.5% of the radius
    for (int y = 0; y < S; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < S; ++x) {
            const Px& o = px[size_t(y) * S + x];
            if (!o.in)
                continue;
            auto hAt = [&](int xx, int yy) {
                if (xx < 0 || yy < 0 || xx >= S || yy >= S)
                    return o.h;
                const Px& n = px[size_t(yy) * S + xx];
                return n.in ? n.h : o.h;
            };
            const double dhdx = (hAt(x + 1, y) - hAt(x - 1, y)) * 0.5; // per pixel
            const double dhdy = (hAt(x, y - 1) - hAt(x, y + 1)) * 0.5;
            double nx = o.u - relief * dhdx, ny = o.v - relief * dhdy, nz = o.w;
            const double nl = std::sqrt(nx * nx + ny * ny + nz * nz);
            nx /= nl;
            ny /= nl;
            nz /= nl;

            const double diffuse = std::max(0.0, (nx * lx + ny * ly + nz * lz) / ll);
            const double fill = std::max(0.0, 0.6 * nx + 0.1 * ny + 0.79 * nz); // soft light from the right
            const double hx = lx / ll, hy = ly / ll, hz = lz / ll + 1.0;
            const double hl = std::sqrt(hx * hx + hy * hy + hz * hz);
            const double specular = std::pow(std::max(0.0, (nx * hx + ny * hy + nz * hz) / hl), 30.0);

            // Warm browns: darker in the creases and grooves, tan on the knobs.
            const double t = std::clamp(o.tone, 0.0, 1.0);
            double r = 62 + 100 * t, gr = 32 + 58 * t, b = 18 + 34 * t;
            const double dark = 1.0 - 0.8 * o.groove;
            r *= dark;
            gr *= dark;
            b *= dark;
            const double light = 0.28 + 0.75 * diffuse + 0.25 * fill;
            r = r * light + 70 * specular * (1.0 - o.groove);
            gr = gr * light + 52 * specular * (1.0 - o.groove);
            b = b * light + 34 * specular * (1.0 - o.groove);
            if (o.hole > 0) {
                r = 34;
                gr = 20;
                b = 12;
            }
            line[x]
                = qRgb(int(std::clamp(r, 0.0, 255.0)), int(std::clamp(gr, 0.0, 255.0)), int(std::clamp(b, 0.0, 255.0)));
        }
    }
    return atScale(img.scaled(kSize * scale, kSize * scale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation), scale);
}

// ---------------------------------------------------------------- planets

// Draws the astrological glyph of planet 1 (Sun) .. 7 (Saturn) with pen
// strokes around the image centre; other numbers leave the picture blank.
// scale 2 draws the same glyph at 80 x 82.
QImage drawPlanet(int planet, int scale = 1)
{
    QImage img = atScale(QImage(40 * scale, 41 * scale, QImage::Format_RGB32), scale);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(20.0, 20.5);
    const QColor ink(14, 22, 66);
    p.setPen(QPen(ink, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);

    QPainterPath path;
    switch (planet) {
    case 1: // Sun: a circle with a dot in the middle
        path.addEllipse(QPointF(0, 0), 11.5, 11.5);
        p.drawPath(path);
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawEllipse(QPointF(0, 0), 2.8, 2.8);
        break;
    case 2: { // Moon: a crescent, horns to the left
        QPainterPath outer, inner;
        outer.addEllipse(QPointF(2.5, 0), 12.5, 12.5);
        inner.addEllipse(QPointF(-3.5, -0.5), 11.0, 11.0);
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawPath(outer.subtracted(inner));
        break;
    }
    case 3: // Mars: a circle with an arrow to the upper right
        path.addEllipse(QPointF(-3.5, 3.5), 8.5, 8.5);
        path.moveTo(-3.5 + 8.5 * 0.7071, 3.5 - 8.5 * 0.7071);
        path.lineTo(11.5, -11.5);
        path.moveTo(3.5, -11.5);
        path.lineTo(11.5, -11.5);
        path.lineTo(11.5, -3.5);
        p.drawPath(path);
        break;
    case 4: // Mercury: horns on a circle over a cross
        path.addEllipse(QPointF(0, -1.5), 6.5, 6.5);
        path.moveTo(-6.5, -15.0);
        path.arcTo(QRectF(-6.5, -21.5, 13.0, 13.0), 180.0, 180.0);
        path.moveTo(0, 5.0);
        path.lineTo(0, 15.0);
        path.moveTo(-5.0, 10.5);
        path.lineTo(5.0, 10.5);
        p.drawPath(path);
        break;
    case 5: // Jupiter: the curved stroke meeting a bar, crossed by an upright
        path.moveTo(-10.0, -6.5);
        path.cubicTo(-10.5, -12.0, -2.5, -14.0, -0.5, -9.5);
        path.cubicTo(1.0, -5.5, -5.0, 0.0, -11.0, 5.0);
        path.lineTo(11.0, 5.0);
        path.moveTo(5.0, -12.5);
        path.lineTo(5.0, 13.0);
        p.drawPath(path);
        break;
    case 6: // Venus: a circle over a cross
        path.addEllipse(QPointF(0, -5.5), 8.0, 8.0);
        path.moveTo(0, 2.5);
        path.lineTo(0, 15.0);
        path.moveTo(-6.0, 9.0);
        path.lineTo(6.0, 9.0);
        p.drawPath(path);
        break;
    case 7: // Saturn: a cross on top of an "h" with a hooked tail
        path.moveTo(-5.0, -14.0);
        path.lineTo(-5.0, 9.0);
        path.moveTo(-10.5, -8.5);
        path.lineTo(0.5, -8.5);
        path.moveTo(-5.0, 0.5);
        path.cubicTo(-2.0, -5.5, 7.5, -6.0, 7.5, 0.5);
        path.cubicTo(7.5, 5.0, 2.5, 7.5, 3.5, 11.0);
        path.cubicTo(4.5, 14.5, 8.5, 14.0, 10.0, 11.5);
        p.drawPath(path);
        break;
    default:
        break;
    }
    return img;
}

// ---------------------------------------------------------------- icons

// The program's colours: a brown bead on teal. The icons are laid out on a
// 256 x 256 grid; the same numbers draw the PNGs and write the SVGs.
const QColor tileTop(0, 192, 192), tileBottom(0, 118, 122);
const QColor beadLight(204, 140, 80), beadMid(146, 82, 40), beadDark(74, 36, 16);
const QColor grooveColor(56, 26, 10);
const QColor holeColor(34, 18, 8), lipColor(214, 160, 102);
constexpr std::array<double, 5> grooves{-0.74, -0.37, 0.0, 0.37, 0.74}; // sin of longitude
constexpr std::array<double, 3> groovesSmall{-0.6, 0.0, 0.6};

// A bead as the icons show it: a shaded ball on its shadow, grooves running
// from the hole at the top to the bottom pole.
struct BeadMotif {
    double x, y, r; // centre and radius
    double focalX, focalY; // where the light falls
    double holeY, holeRx, holeRy, lipWidth;
    double grooveWidth;
    double shadowY, shadowRx, shadowRy; // no shadow when shadowRx is 0

    double grooveTop() const { return holeY; }
    double grooveBottom() const { return y + r; }
};

// A groove runs as half an ellipse from the hole down to the bottom pole;
// s is the sine of its longitude (0 = straight down the middle).
QPainterPath groovePath(const BeadMotif& b, double s)
{
    QPainterPath path(QPointF(b.x, b.grooveTop()));
    const double a = std::abs(s) * b.r;
    if (a < 0.5)
        path.lineTo(b.x, b.grooveBottom());
    else
        path.arcTo(
            QRectF(b.x - a, b.grooveTop(), 2 * a, b.grooveBottom() - b.grooveTop()), 90.0, s > 0 ? -180.0 : 180.0);
    return path;
}

// Paints the bead; small: fewer grooves, at least minGrooveWidth wide, as thin
// lines vanish at small sizes.
void paintBead(QPainter& p, const BeadMotif& b, bool small, double minGrooveWidth)
{
    p.setPen(Qt::NoPen);
    if (b.shadowRx > 0) {
        p.setBrush(QColor(0, 0, 0, 64));
        p.drawEllipse(QPointF(b.x, b.shadowY), b.shadowRx, b.shadowRy);
    }

    QRadialGradient bead(QPointF(b.x, b.y), b.r, QPointF(b.focalX, b.focalY));
    bead.setColorAt(0, beadLight);
    bead.setColorAt(0.55, beadMid);
    bead.setColorAt(1, beadDark);
    p.setBrush(bead);
    p.drawEllipse(QPointF(b.x, b.y), b.r, b.r);

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(grooveColor, std::max(b.grooveWidth, minGrooveWidth), Qt::SolidLine, Qt::FlatCap));
    if (small)
        for (double s : groovesSmall)
            p.drawPath(groovePath(b, s));
    else
        for (double s : grooves)
            p.drawPath(groovePath(b, s));

    p.setPen(QPen(lipColor, b.lipWidth));
    p.setBrush(holeColor);
    p.drawEllipse(QPointF(b.x, b.holeY), b.holeRx, b.holeRy);
}

QString hex(const QColor& c)
{
    return c.name(QColor::HexRgb);
}

// The bead's gradient, for an SVG's <defs>, and the bead itself.
QString beadSvgGradient(const BeadMotif& b)
{
    QString svg;
    QTextStream out(&svg);
    out << "    <radialGradient id=\"bead\" gradientUnits=\"userSpaceOnUse\" cx=\"" << b.x << "\" cy=\"" << b.y
        << "\" r=\"" << b.r << "\" fx=\"" << b.focalX << "\" fy=\"" << b.focalY << "\">\n"
        << "      <stop offset=\"0\" stop-color=\"" << hex(beadLight) << "\"/>\n"
        << "      <stop offset=\"0.55\" stop-color=\"" << hex(beadMid) << "\"/>\n"
        << "      <stop offset=\"1\" stop-color=\"" << hex(beadDark) << "\"/>\n"
        << "    </radialGradient>\n";
    return svg;
}

QString beadSvg(const BeadMotif& b)
{
    QString grooveD;
    for (double s : grooves) {
        const double a = std::abs(s) * b.r;
        if (a < 0.5)
            grooveD += QStringLiteral("M%1 %2 L%1 %3 ").arg(b.x).arg(b.grooveTop()).arg(b.grooveBottom());
        else
            grooveD += QStringLiteral("M%1 %2 A%3 %4 0 0 %5 %1 %6 ")
                           .arg(b.x)
                           .arg(b.grooveTop())
                           .arg(a)
                           .arg((b.grooveBottom() - b.grooveTop()) / 2)
                           .arg(s > 0 ? 1 : 0)
                           .arg(b.grooveBottom());
    }
    QString svg;
    QTextStream out(&svg);
    out << "  <ellipse cx=\"" << b.x << "\" cy=\"" << b.shadowY << "\" rx=\"" << b.shadowRx << "\" ry=\"" << b.shadowRy
        << "\" fill=\"#000000\" fill-opacity=\"0.25\"/>\n"
        << "  <circle cx=\"" << b.x << "\" cy=\"" << b.y << "\" r=\"" << b.r << "\" fill=\"url(#bead)\"/>\n"
        << "  <path d=\"" << grooveD.trimmed() << "\" fill=\"none\" stroke=\"" << hex(grooveColor)
        << "\" stroke-width=\"" << b.grooveWidth << "\"/>\n"
        << "  <ellipse cx=\"" << b.x << "\" cy=\"" << b.holeY << "\" rx=\"" << b.holeRx << "\" ry=\"" << b.holeRy
        << "\" fill=\"" << hex(holeColor) << "\" stroke=\"" << hex(lipColor) << "\" stroke-width=\"" << b.lipWidth
        << "\"/>\n";
    return svg;
}

// An icon of `size` px, drawn for screens at scale x 100 %: twice the pixels
// at scale 2, with the design of `size`.
QImage iconImage(int size, int scale)
{
    QImage img = atScale(QImage(size * scale, size * scale, QImage::Format_ARGB32_Premultiplied), scale);
    img.fill(Qt::transparent);
    return img;
}

// The program icon: a brown bead with five faces on a teal rounded square.
namespace icon {
constexpr double tileX = 8, tileY = 8, tileSize = 240, tileRound = 48;
constexpr BeadMotif bead{128, 136, 86, 98, 100, 136 - 86 + 12, 13, 7, 4, 9, 230, 70, 9};
} // namespace icon

QImage drawIcon(int size, int scale = 1)
{
    using namespace icon;
    QImage img = iconImage(size, scale);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 256.0, size / 256.0);

    QLinearGradient tile(0, tileY, 0, tileY + tileSize);
    tile.setColorAt(0, tileTop);
    tile.setColorAt(1, tileBottom);
    p.setPen(Qt::NoPen);
    p.setBrush(tile);
    p.drawRoundedRect(QRectF(tileX, tileY, tileSize, tileSize), tileRound, tileRound);

    paintBead(p, bead, size <= 24, 1.3 * 256.0 / size);
    return img;
}

QString iconSvg()
{
    using namespace icon;
    QString svg;
    QTextStream out(&svg);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"256\" height=\"256\" viewBox=\"0 0 256 "
           "256\">\n"
        << "  <title>VQ Rudraksha Numerology</title>\n"
        << "  <defs>\n"
        << "    <linearGradient id=\"tile\" gradientUnits=\"userSpaceOnUse\" x1=\"0\" y1=\"" << tileY
        << "\" x2=\"0\" y2=\"" << tileY + tileSize << "\">\n"
        << "      <stop offset=\"0\" stop-color=\"" << hex(tileTop) << "\"/>\n"
        << "      <stop offset=\"1\" stop-color=\"" << hex(tileBottom) << "\"/>\n"
        << "    </linearGradient>\n"
        << beadSvgGradient(bead) << "  </defs>\n"
        << "  <rect x=\"" << tileX << "\" y=\"" << tileY << "\" width=\"" << tileSize << "\" height=\"" << tileSize
        << "\" rx=\"" << tileRound << "\" ry=\"" << tileRound << "\" fill=\"url(#tile)\"/>\n"
        << beadSvg(bead) << "</svg>\n";
    return svg;
}

// The icon of a saved reading: a sheet of paper with its top right corner
// folded over, two lines of writing and the bead.
namespace document {
constexpr double left = 36, top = 12, right = 220, bottom = 244, fold = 60;
constexpr double border = 6, lineWidth = 10;
constexpr std::array<double, 2> lineY{46, 70};
constexpr double lineLeft = 64, lineRight = 140;
const QColor paper(252, 251, 246), ink(tileBottom), writing(150, 206, 204);
constexpr BeadMotif bead{128, 160, 60, 107, 135, 160 - 60 + 9, 9, 5, 3, 6.5, 227, 46, 6};
// Small sizes leave the writing and the shadow out and show a larger bead.
constexpr BeadMotif beadSmall{128, 150, 66, 105, 121, 150 - 66 + 9, 10, 5, 3, 7, 0, 0, 0};
} // namespace document

// The outline of the sheet, its top right corner cut off where it is folded
// over; inset moves every side in by that much.
QPainterPath sheetPath(double l, double t, double r, double b, double f, double inset = 0)
{
    const double d = inset * (std::sqrt(2.0) - 1.0); // how much longer the fold gets
    QPainterPath path(QPointF(l + inset, t + inset));
    path.lineTo(r - f - d, t + inset);
    path.lineTo(r - inset, t + f + d);
    path.lineTo(r - inset, b - inset);
    path.lineTo(l + inset, b - inset);
    path.closeSubpath();
    return path;
}

// The folded-over corner, lying on the sheet; inset as above.
QPainterPath flapPath(double t, double r, double f, double inset = 0)
{
    const double d = inset * (std::sqrt(2.0) + 1.0);
    QPainterPath path(QPointF(r - f + inset, t + d));
    path.lineTo(r - f + inset, t + f - inset);
    path.lineTo(r - d, t + f - inset);
    path.closeSubpath();
    return path;
}

QImage drawDocument(int size, int scale = 1)
{
    using namespace document;
    QImage img = iconImage(size, scale);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 256.0, size / 256.0);

    // Edges on whole pixels and lines whole pixels wide keep the sheet sharp
    // at every size. The border is the sheet less the sheet moved in by its width.
    const double px = 256.0 / size;
    auto snap = [px](double v) { return std::round(v / px) * px; };
    auto wide = [px](double w) { return std::max(1.0, std::round(w / px)) * px; };
    const double w = wide(border);
    const double l = snap(left), t = snap(top), r = snap(right), b = snap(bottom), f = snap(fold);
    QLinearGradient flap(r - f, t, r, t + f);
    flap.setColorAt(0, tileTop);
    flap.setColorAt(1, tileBottom);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPath(sheetPath(l, t, r, b, f));
    p.setBrush(paper);
    p.drawPath(sheetPath(l, t, r, b, f, w));
    p.setBrush(ink);
    p.drawPath(flapPath(t, r, f));
    p.setBrush(flap);
    p.drawPath(flapPath(t, r, f, w));

    const bool small = size <= 24;
    if (!small) {
        const double lw = wide(lineWidth);
        p.setPen(QPen(writing, lw, Qt::SolidLine, Qt::RoundCap));
        for (double y : lineY) {
            // A line an odd number of pixels wide is centred on a pixel's middle.
            const double cy = snap(y - lw / 2) + lw / 2;
            p.drawLine(QPointF(lineLeft, cy), QPointF(lineRight, cy));
        }
    }
    paintBead(p, small ? beadSmall : bead, small, 1.3 * 256.0 / size);
    return img;
}

QString documentSvg()
{
    using namespace document;
    // The border lies inside the sheet's edges, as in the PNGs.
    const QPainterPath sheet = sheetPath(left, top, right, bottom, fold, border / 2);
    const QPainterPath corner = flapPath(top, right, fold, border / 2);
    auto d = [](const QPainterPath& path) {
        QString out;
        for (int i = 0; i < path.elementCount(); ++i) {
            const QPainterPath::Element e = path.elementAt(i);
            out += QStringLiteral("%1%2 %3 ").arg(e.isMoveTo() ? 'M' : 'L').arg(e.x).arg(e.y);
        }
        return out + QStringLiteral("Z");
    };
    QString svg;
    QTextStream out(&svg);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"256\" height=\"256\" viewBox=\"0 0 256 "
           "256\">\n"
        << "  <title>VQ Rudraksha Numerology reading</title>\n"
        << "  <defs>\n"
        << "    <linearGradient id=\"flap\" gradientUnits=\"userSpaceOnUse\" x1=\"" << right - fold << "\" y1=\"" << top
        << "\" x2=\"" << right << "\" y2=\"" << top + fold << "\">\n"
        << "      <stop offset=\"0\" stop-color=\"" << hex(tileTop) << "\"/>\n"
        << "      <stop offset=\"1\" stop-color=\"" << hex(tileBottom) << "\"/>\n"
        << "    </linearGradient>\n"
        << beadSvgGradient(bead) << "  </defs>\n"
        << "  <g stroke=\"" << hex(ink) << "\" stroke-width=\"" << border << "\" stroke-linejoin=\"miter\">\n"
        << "    <path d=\"" << d(sheet) << "\" fill=\"" << hex(paper) << "\"/>\n"
        << "    <path d=\"" << d(corner) << "\" fill=\"url(#flap)\"/>\n"
        << "  </g>\n"
        << "  <g stroke=\"" << hex(writing) << "\" stroke-width=\"" << lineWidth << "\" stroke-linecap=\"round\">\n";
    for (double y : lineY)
        out << "    <line x1=\"" << lineLeft << "\" y1=\"" << y << "\" x2=\"" << lineRight << "\" y2=\"" << y
            << "\"/>\n";
    out << "  </g>\n" << beadSvg(bead) << "</svg>\n";
    return svg;
}

// ---------------------------------------------------------------- .ico

// Writes a Windows icon holding every image given: 256 px as PNG, smaller
// sizes as 32-bit bitmaps with an AND mask, as Windows expects them.
bool writeIco(const QString& fileName, const QList<QImage>& images)
{
    QList<QByteArray> blobs;
    for (const QImage& src : images) {
        const QImage img = src.convertToFormat(QImage::Format_ARGB32);
        QByteArray blob;
        if (img.width() >= 256) {
            QBuffer buf(&blob);
            buf.open(QIODevice::WriteOnly);
            img.save(&buf, "PNG");
        } else {
            const int w = img.width(), h = img.height();
            const int maskStride = ((w + 31) / 32) * 4;
            QDataStream s(&blob, QIODevice::WriteOnly);
            s.setByteOrder(QDataStream::LittleEndian);
            s << quint32(40) << qint32(w) << qint32(2 * h) << quint16(1) << quint16(32) << quint32(0)
              << quint32(w * h * 4 + maskStride * h) << qint32(0) << qint32(0) << quint32(0) << quint32(0);
            for (int y = h - 1; y >= 0; --y) {
                const auto* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
                for (int x = 0; x < w; ++x)
                    s << quint8(qBlue(line[x])) << quint8(qGreen(line[x])) << quint8(qRed(line[x]))
                      << quint8(qAlpha(line[x]));
            }
            for (int y = h - 1; y >= 0; --y) {
                const auto* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
                QByteArray row(maskStride, '\0');
                for (int x = 0; x < w; ++x)
                    if (qAlpha(line[x]) == 0)
                        row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
                s.writeRawData(row.constData(), row.size());
            }
        }
        blobs << blob;
    }

    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QDataStream s(&file);
    s.setByteOrder(QDataStream::LittleEndian);
    s << quint16(0) << quint16(1) << quint16(images.size());
    quint32 offset = 6 + 16 * quint32(images.size());
    for (int i = 0; i < images.size(); ++i) {
        const int w = images[i].width(), h = images[i].height();
        s << quint8(w >= 256 ? 0 : w) << quint8(h >= 256 ? 0 : h) << quint8(0) << quint8(0) << quint16(1) << quint16(32)
          << quint32(blobs[i].size()) << offset;
        offset += quint32(blobs[i].size());
    }
    for (const QByteArray& blob : blobs)
        s.writeRawData(blob.constData(), blob.size());
    return s.status() == QDataStream::Ok;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: artgen OUTPUT_DIR\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(dir.path())) {
        std::fprintf(stderr, "artgen: cannot create %s\n", argv[1]);
        return 1;
    }

    bool ok = true;
    auto check = [&](bool saved, const QString& name) {
        if (!saved)
            std::fprintf(stderr, "artgen: cannot write %s\n", qPrintable(dir.filePath(name)));
        ok = ok && saved;
    };

    auto saveText = [&](const QString& name, const QString& text) {
        QFile file(dir.filePath(name));
        check(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(text.toUtf8()) > 0, name);
    };

    // Each picture at 1x, then drawn again at 2x under the same name with "@2x".
    for (int scale : {1, 2}) {
        const QString at = scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale);
        for (int n = 1; n <= 9; ++n) {
            const QString name = QStringLiteral("%1%2.jpg").arg(n).arg(at);
            check(drawBead(n, scale).save(dir.filePath(name), "JPG", 90), name);
        }
        for (int n = 1; n <= 9; ++n) {
            const QString name = QStringLiteral("p%1%2.jpg").arg(n).arg(at);
            check(drawPlanet(n, scale).save(dir.filePath(name), "JPG", 95), name);
        }
    }
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString name = QStringLiteral("icon-%1.png").arg(size);
        check(drawIcon(size).save(dir.filePath(name), "PNG"), name);
    }
    for (int size : {16, 24, 32, 48, 64, 128}) {
        const QString name = QStringLiteral("icon-%1@2x.png").arg(size);
        check(drawIcon(size, 2).save(dir.filePath(name), "PNG"), name);
    }
    check(writeIco(dir.filePath("app.ico"), {drawIcon(16), drawIcon(32), drawIcon(48), drawIcon(256)}), "app.ico");
    saveText(QStringLiteral("icon.svg"), iconSvg());

    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString name = QStringLiteral("document-%1.png").arg(size);
        check(drawDocument(size).save(dir.filePath(name), "PNG"), name);
    }
    check(writeIco(
              dir.filePath("document.ico"), {drawDocument(16), drawDocument(32), drawDocument(48), drawDocument(256)}),
        "document.ico");
    saveText(QStringLiteral("document.svg"), documentSvg());
    return ok ? 0 : 1;
}
