#include "pinyin/pinyin_pictures.h"

#include <QJsonObject>

#include <array>
#include <cmath>
#include <initializer_list>
#include <numbers>
#include <utility>

namespace qinghe::edition {

namespace {

// Cartoon style: bright fills inside one warm dark outline.
const QString kOutline = QStringLiteral("#4e342e");
constexpr double kOutlineWidth = 2.5;

struct Ink {
    QString fill;
    QString stroke;
    double width = 0;
};

// Filled and outlined.
Ink fill(const char* colour) {
    return {QString::fromLatin1(colour), kOutline, kOutlineWidth};
}
// Filled, with an outline of its own.
Ink fill(const char* colour, const char* outline, double width) {
    return {QString::fromLatin1(colour), QString::fromLatin1(outline), width};
}
// Filled, no outline (highlights, spots, glows).
Ink flat(const char* colour) {
    return {QString::fromLatin1(colour), {}, 0};
}
// A line only.
Ink pen(const char* colour, double width) {
    return {{}, QString::fromLatin1(colour), width};
}
Ink pen(double width) {
    return {{}, kOutline, width};
}

QString num(double v) {
    return QString::number(std::round(v * 100) / 100, 'g', 6);
}

PictureShape shape(QString d, const Ink& ink) {
    return {std::move(d), ink.fill, ink.stroke, ink.width};
}
PictureShape P(const char* d, const Ink& ink) {
    return shape(QString::fromLatin1(d), ink);
}
QString ellipsePath(double cx, double cy, double rx, double ry, double degrees = 0) {
    const double a = degrees * std::numbers::pi / 180;
    const double dx = rx * std::cos(a);
    const double dy = rx * std::sin(a);
    return QStringLiteral("M %1 %2 A %3 %4 %5 1 0 %6 %7 A %3 %4 %5 1 0 %1 %2 Z")
        .arg(num(cx - dx), num(cy - dy), num(rx), num(ry), num(degrees), num(cx + dx), num(cy + dy));
}
PictureShape E(double cx, double cy, double rx, double ry, const Ink& ink, double degrees = 0) {
    return shape(ellipsePath(cx, cy, rx, ry, degrees), ink);
}
PictureShape C(double cx, double cy, double r, const Ink& ink) {
    return E(cx, cy, r, r, ink);
}
PictureShape R(double x, double y, double w, double h, double r, const Ink& ink) {
    if (r <= 0) {
        return shape(
            QStringLiteral("M %1 %2 L %3 %2 L %3 %4 L %1 %4 Z").arg(num(x), num(y), num(x + w), num(y + h)),
            ink);
    }
    const QString d = QStringLiteral("M %1 %2 L %3 %2 A %9 %9 0 0 1 %4 %5 L %4 %6 A %9 %9 0 0 1 %3 %7 "
                                     "L %1 %7 A %9 %9 0 0 1 %8 %6 L %8 %5 A %9 %9 0 0 1 %1 %2 Z")
                          .arg(num(x + r), num(y), num(x + w - r), num(x + w), num(y + r), num(y + h - r),
                               num(y + h), num(x), num(r));
    return shape(d, ink);
}

// Points on a circle as a closed polygon: a regular polygon, or a star with alternating radii.
QString ringPath(double cx, double cy, const std::initializer_list<double>& radii, int points,
                 double degrees) {
    QString d;
    const int count = points * int(radii.size());
    for (int i = 0; i < count; ++i) {
        const double r = *(radii.begin() + i % int(radii.size()));
        const double a = (degrees - 90) * std::numbers::pi / 180 + 2 * std::numbers::pi * i / count;
        d += (i == 0 ? QStringLiteral("M ") : QStringLiteral(" L ")) + num(cx + r * std::cos(a)) + u' ' +
             num(cy + r * std::sin(a));
    }
    return d + QStringLiteral(" Z");
}
PictureShape star(double cx, double cy, double outer, double inner, const Ink& ink) {
    return shape(ringPath(cx, cy, {outer, inner}, 5, 0), ink);
}
PictureShape polygon(double cx, double cy, double r, int sides, double degrees, const Ink& ink) {
    return shape(ringPath(cx, cy, {r}, sides, degrees), ink);
}

// Spokes from r1 to r2 between two angles (degrees, 0 = right, clockwise), as one path.
QString raysPath(double cx, double cy, double r1, double r2, int count, double from = 0, double to = 360) {
    QString d;
    const bool full = to - from >= 360;
    for (int i = 0; i < count; ++i) {
        const double step = full ? (to - from) / count : (to - from) / std::max(1, count - 1);
        const double a = (from + step * i) * std::numbers::pi / 180;
        d += QStringLiteral("M %1 %2 L %3 %4 ")
                 .arg(num(cx + r1 * std::cos(a)), num(cy + r1 * std::sin(a)), num(cx + r2 * std::cos(a)),
                      num(cy + r2 * std::sin(a)));
    }
    return d.trimmed();
}

using Shapes = Picture;

// Circles merged into one outlined blob (clouds, tree crowns, fleece): every circle outlined first,
// then every circle filled over the inner halves of the outlines.
Shapes cloudy(const QList<std::array<double, 3>>& circles, const char* colour,
              const char* outline = nullptr) {
    Shapes out;
    const Ink edge{QString::fromLatin1(colour), outline ? QString::fromLatin1(outline) : kOutline, 4.5};
    for (const auto& c : circles) {
        out << C(c[0], c[1], c[2], edge);
    }
    for (const auto& c : circles) {
        out << C(c[0], c[1], c[2], flat(colour));
    }
    return out;
}

// A thick line with an outline: limbs, handles, bones.
Shapes limb(const char* d, const char* colour, double width) {
    return {P(d, pen(width + 4)), P(d, pen(colour, width))};
}

Shapes placed(const Shapes& picture, double x, double y, double k) {
    Shapes out = picture;
    for (PictureShape& s : out) {
        s.x = x + s.x * k;
        s.y = y + s.y * k;
        s.k *= k;
    }
    return out;
}

Shapes recoloured(Shapes picture, const std::initializer_list<std::pair<const char*, const char*>>& swaps) {
    for (PictureShape& s : picture) {
        for (const auto& [from, to] : swaps) {
            const QString f = QString::fromLatin1(from);
            if (s.fill == f) {
                s.fill = QString::fromLatin1(to);
            }
            if (s.stroke == f) {
                s.stroke = QString::fromLatin1(to);
            }
        }
    }
    return picture;
}

// ---- The pictures ----

// Counting dots for the numbers: 二, 四, 五, 七, 八.
Shapes dots(int n) {
    static const char* colours[] = {"#ef5350", "#ffa726", "#ffee58", "#66bb6a",
                                    "#42a5f5", "#ab47bc", "#ec407a", "#26c6da"};
    QList<std::pair<double, double>> at;
    switch (n) {
    case 2:
        at = {{30, 50}, {70, 50}};
        break;
    case 4:
        at = {{32, 32}, {68, 32}, {32, 68}, {68, 68}};
        break;
    case 5:
        at = {{26, 26}, {74, 26}, {50, 50}, {26, 74}, {74, 74}};
        break;
    case 7:
        at = {{17, 34}, {39, 34}, {61, 34}, {83, 34}, {28, 66}, {50, 66}, {72, 66}};
        break;
    default:
        at = {{17, 34}, {39, 34}, {61, 34}, {83, 34}, {17, 66}, {39, 66}, {61, 66}, {83, 66}};
        break;
    }
    const double r = n <= 2 ? 16 : n <= 5 ? 13 : 9.5;
    Shapes out;
    for (int i = 0; i < at.size(); ++i) {
        out << C(at[i].first, at[i].second, r, fill(colours[i % 8]))
            << C(at[i].first - r * 0.35, at[i].second - r * 0.35, r * 0.25, flat("#ffffff"));
    }
    return out;
}

Shapes flower() {
    Shapes out{P("M50 94 L50 50", pen("#43a047", 5)), E(38, 76, 10, 5, fill("#66bb6a"), -30),
               E(62, 70, 10, 5, fill("#66bb6a"), 30)};
    for (int i = 0; i < 5; ++i) {
        const double a = (-90 + 72 * i) * std::numbers::pi / 180;
        out << C(50 + 16 * std::cos(a), 38 + 16 * std::sin(a), 12, fill("#f06292"));
    }
    out << C(50, 38, 9, fill("#ffd54f"));
    return out;
}

Shapes fish() {
    return {E(46, 50, 30, 18, fill("#4fc3f7")),
            P("M72 50 L92 33 L88 50 L92 67 Z", fill("#4fc3f7")),
            P("M38 34 Q50 20 60 35 Z", fill("#4fc3f7")),
            P("M48 40 Q54 50 48 60 M58 40 Q64 50 58 60", pen("#0288d1", 2)),
            C(28, 46, 5, fill("#ffffff")),
            C(29, 46, 2.5, flat("#263238")),
            P("M17 54 Q21 56 24 54", pen(2)),
            C(10, 28, 3.5, pen("#4fc3f7", 2)),
            C(16, 16, 2.5, pen("#4fc3f7", 2))};
}

Shapes bird() {
    return {P("M26 58 L6 48 L10 66 Z", fill("#1e88e5")),
            E(46, 58, 26, 19, fill("#64b5f6")),
            C(66, 40, 14, fill("#64b5f6")),
            P("M79 38 L92 43 L79 48 Z", fill("#ffa726")),
            C(68, 37, 2.5, flat("#263238")),
            P("M30 56 Q44 44 58 58 Q44 70 30 56 Z", fill("#1e88e5")),
            P("M42 76 L40 88 M54 76 L56 88", pen("#ff8f00", 3)),
            P("M18 90 L88 90", pen("#6d4c41", 5))};
}

Shapes sheep() {
    return Shapes{R(34, 62, 7, 24, 3, fill("#5d4037")), R(58, 62, 7, 24, 3, fill("#5d4037"))} +
           cloudy({{30, 50, 15}, {46, 40, 16}, {62, 44, 15}, {68, 58, 13}, {48, 60, 16}, {30, 62, 12}},
                  "#fafafa") +
           Shapes{E(80, 40, 10, 13, fill("#6d4c41"), -20), C(83, 37, 2, flat("#ffffff")),
                  E(72, 32, 7, 3.5, fill("#6d4c41"), -30)};
}

Shapes pencil() {
    return {P("M22 72 L66 28 L78 40 L34 84 Z", fill("#ffca28")),
            P("M44 50 L70 24", pen("#ffa000", 2)),
            P("M22 72 L34 84 L12 94 Z", fill("#ffe0b2")),
            P("M15 87 L19 91 L12 94 Z", flat("#37474f")),
            P("M66 28 L72 22 Q76 18 80 22 L84 26 Q88 30 84 34 L78 40 Z", fill("#f48fb1")),
            P("M62 32 L70 24 L82 36 L74 44 Z", fill("#b0bec5"))};
}

Shapes house() {
    return {R(64, 16, 10, 22, 0, fill("#8d6e63")),
            R(20, 46, 60, 46, 0, fill("#fff3e0")),
            P("M8 50 L50 14 L92 50 Z", fill("#ef5350")),
            R(42, 64, 16, 28, 2, fill("#a1887f")),
            C(54, 79, 1.8, flat("#4e342e")),
            R(26, 56, 12, 12, 1, fill("#81d4fa")),
            R(62, 56, 12, 12, 1, fill("#81d4fa")),
            P("M32 56 L32 68 M26 62 L38 62 M68 56 L68 68 M62 62 L74 62", pen(1.5))};
}

Shapes cloud(const char* colour, const char* outline) {
    return cloudy({{28, 58, 16}, {46, 46, 20}, {66, 50, 17}, {80, 62, 12}, {50, 64, 16}, {22, 68, 10}},
                  colour, outline);
}

QHash<QString, Picture> makePictures() {
    QHash<QString, Picture> p;
    const auto add = [&p](const char* name, const Shapes& shapes) {
        p.insert(QString::fromLatin1(name), shapes);
    };

    add("dots2", dots(2));
    add("dots4", dots(4));
    add("dots5", dots(5));
    add("dots7", dots(7));
    add("dots8", dots(8));
    add("flower", flower());
    add("fish", fish());
    add("goldfish", recoloured(fish(), {{"#4fc3f7", "#ffa726"}, {"#0288d1", "#ef6c00"}}));
    add("bird", bird());
    add("crow", recoloured(bird(), {{"#64b5f6", "#546e7a"}, {"#1e88e5", "#37474f"}, {"#ffa726", "#90a4ae"}}));
    add("flock", placed(sheep(), 40, 6, 0.55) + placed(sheep(), 2, 36, 0.55) + placed(sheep(), 46, 44, 0.55));
    add("pencil", pencil());
    add("house", house());
    add("cloud", Shapes{C(70, 34, 15, fill("#ffd54f")),
                        P("M70 10 L70 4 M90 20 L95 16 M94 36 L99 36", pen("#ffa000", 3))} +
                     cloud("#ffffff", "#64b5f6"));
    add("overcast",
        placed(cloud("#b0bec5", "#607d8b"), 22, -6, 0.75) + placed(cloud("#90a4ae", "#546e7a"), 0, 16, 0.9));
    add("rain", placed(cloud("#90a4ae", "#546e7a"), 6, -12, 0.9) +
                    Shapes{P("M28 70 Q24 78 28 80 Q32 78 28 70 Z", fill("#4fc3f7")),
                           P("M50 76 Q46 84 50 86 Q54 84 50 76 Z", fill("#4fc3f7")),
                           P("M72 70 Q68 78 72 80 Q76 78 72 70 Z", fill("#4fc3f7")),
                           P("M39 86 Q35 94 39 96 Q43 94 39 86 Z", fill("#4fc3f7")),
                           P("M61 88 Q57 96 61 98 Q65 96 61 88 Z", fill("#4fc3f7"))});

    add("mushroom",
        {R(38, 52, 24, 36, 8, fill("#fff3e0")), P("M12 56 Q12 16 50 14 Q88 16 88 56 Z", fill("#ef5350")),
         C(34, 34, 6, flat("#ffffff")), C(58, 26, 5, flat("#ffffff")), C(70, 44, 6, flat("#ffffff")),
         C(46, 46, 4, flat("#ffffff")), C(44, 70, 2, flat("#4e342e")), C(56, 70, 2, flat("#4e342e")),
         P("M45 78 Q50 82 55 78", pen(2))});
    add("pineapple", {P("M50 38 L36 8 L48 22 L54 2 L58 22 L72 10 L62 38 Z", fill("#66bb6a")),
                      E(50, 64, 24, 30, fill("#ffca28")),
                      P("M34 50 L58 90 M42 40 L68 82 M30 66 L44 90 M56 37 L72 62 M66 40 L36 88 M58 36 L30 76 "
                        "M72 56 L50 92 M44 38 L28 62",
                        pen("#f57c00", 2))});
    add("goose", {P("M40 84 L36 94 L48 94 Z", fill("#ff9800")), P("M56 84 L54 94 L64 94 Z", fill("#ff9800")),
                  P("M18 66 Q18 46 44 48 L58 50 Q64 32 60 24 Q58 10 68 10 Q78 10 77 22 L72 26 Q70 42 76 58 "
                    "Q80 84 54 84 L34 84 Q16 82 18 66 Z",
                    fill("#ffffff")),
                  P("M76 14 L90 19 L76 24 Z", fill("#ff9800")), C(75, 13, 3.5, fill("#ff7043")),
                  C(69, 17, 2.3, flat("#263238")), P("M32 62 Q48 52 62 64 Q50 74 32 66 Z", fill("#eceff1")),
                  P("M4 90 Q12 86 20 90 T36 90 M64 90 Q72 86 80 90 T96 90", pen("#4fc3f7", 2.5))});
    add("giftbox", {R(20, 44, 60, 46, 3, fill("#ef5350")), R(14, 32, 72, 15, 3, fill("#e53935")),
                    R(44, 32, 12, 58, 0, fill("#ffd54f")), E(39, 24, 12, 8, fill("#ffd54f"), -20),
                    E(61, 24, 12, 8, fill("#ffd54f"), 20), C(50, 28, 5, fill("#ffca28"))});
    add("pear", {P("M50 14 L53 4", pen("#6d4c41", 3)), E(62, 9, 8, 4, fill("#66bb6a"), -20),
                 P("M50 14 Q61 14 61 30 Q61 40 71 52 Q86 70 71 86 Q50 97 29 86 Q14 70 29 52 Q39 40 39 30 "
                   "Q39 14 50 14 Z",
                   fill("#d4e157")),
                 E(36, 66, 5, 9, flat("#f0f4c3"), 20)});
    add("flag", {R(18, 8, 6, 88, 3, fill("#8d6e63")),
                 P("M24 14 Q42 4 58 14 Q74 24 90 14 L90 54 Q74 64 58 54 Q42 44 24 54 Z", fill("#ef5350")),
                 star(42, 30, 9, 3.8, flat("#ffeb3b"))});
    add("rabbit", {E(50, 82, 22, 14, fill("#ffffff")), E(39, 26, 7, 20, fill("#ffffff"), -10),
                   E(61, 26, 7, 20, fill("#ffffff"), 10), E(39, 28, 3, 13, flat("#f8bbd0"), -10),
                   E(61, 28, 3, 13, flat("#f8bbd0"), 10), C(50, 54, 21, fill("#ffffff")),
                   C(42, 51, 2.6, flat("#263238")), C(58, 51, 2.6, flat("#263238")),
                   E(50, 58, 3, 2.2, flat("#f06292")), P("M50 60 Q47 65 43 63 M50 60 Q53 65 57 63", pen(1.8)),
                   C(36, 59, 4, flat("#fce4ec")), C(64, 59, 4, flat("#fce4ec"))});
    add("drum", {P("M62 28 L82 6 M38 28 L18 6", pen("#8d6e63", 4)), C(83, 5, 4, fill("#ffcc80")),
                 C(17, 5, 4, fill("#ffcc80")), P("M16 42 L16 74 Q50 90 84 74 L84 42 Z", fill("#ef5350")),
                 P("M16 54 L27 72 L38 56 L50 76 L62 56 L73 72 L84 54", pen("#ffd54f", 3)),
                 E(50, 42, 34, 11, fill("#fff8e1"))});
    add("leaf",
        {P("M22 80 L10 92", pen("#558b2f", 3)), P("M22 80 Q18 28 84 16 Q84 72 22 80 Z", fill("#7cb342")),
         P("M22 80 L74 26 M36 66 L36 48 M46 56 L50 38 M56 46 L64 32 M36 66 L54 66 M46 56 L64 56 "
           "M56 46 L72 44",
           pen("#558b2f", 2))});
    add("duck", {P("M20 62 L8 52 L12 66 Z", fill("#ffeb3b")), E(48, 66, 32, 19, fill("#ffeb3b")),
                 C(62, 38, 15, fill("#ffeb3b")), P("M74 37 Q90 38 78 47 Z", fill("#ff9800")),
                 C(64, 34, 2.4, flat("#263238")), P("M32 62 Q46 50 60 64 Q46 74 32 62 Z", fill("#fdd835")),
                 P("M6 92 Q16 86 26 92 T46 92 T66 92 T86 92", pen("#4fc3f7", 3))});
    add("glasses", {P("M17 46 L5 38 M83 46 L95 38", pen(4)), C(32, 52, 16, fill("#e1f5fe", "#4e342e", 4.5)),
                    C(68, 52, 16, fill("#e1f5fe", "#4e342e", 4.5)), P("M47 48 Q50 43 53 48", pen(4)),
                    P("M24 46 Q28 41 33 41 M60 46 Q64 41 69 41", pen("#ffffff", 3))});
    add("frog",
        {E(34, 88, 9, 4.5, fill("#43a047")), E(66, 88, 9, 4.5, fill("#43a047")),
         E(50, 64, 32, 24, fill("#66bb6a")), C(35, 40, 11, fill("#66bb6a")), C(65, 40, 11, fill("#66bb6a")),
         C(35, 40, 6.5, fill("#ffffff")), C(65, 40, 6.5, fill("#ffffff")), C(36, 41, 3.2, flat("#263238")),
         C(64, 41, 3.2, flat("#263238")), P("M34 64 Q50 78 66 64", pen(2.5)), C(28, 62, 4, flat("#f48fb1")),
         C(72, 62, 4, flat("#f48fb1"))});
    add("sock", {P("M36 12 L60 12 L60 54 Q60 62 68 66 L82 74 Q94 82 86 90 Q80 96 68 90 L44 78 Q34 72 36 62 Z",
                   fill("#42a5f5")),
                 P("M38 32 L58 32 M38 44 L58 44", pen("#ffffff", 4)),
                 P("M72 68 L82 74 Q94 82 86 90 Q82 93 76 91 Q84 82 72 68 Z", fill("#ef5350")),
                 R(33, 8, 30, 12, 3, fill("#ffffff"))});
    add("bun", {E(50, 82, 42, 8, fill("#b3e5fc")),
                P("M14 74 Q14 36 50 30 Q86 36 86 74 Q86 82 50 82 Q14 82 14 74 Z", fill("#fffde7")),
                P("M50 32 Q42 44 32 50 M50 32 Q48 46 46 54 M50 32 Q56 44 66 50 M50 32 Q54 46 56 54",
                  pen("#bcaaa4", 2)),
                C(50, 32, 4, fill("#fffde7")),
                P("M34 22 Q30 16 34 10 M50 20 Q46 14 50 8 M66 22 Q62 16 66 10", pen("#b0bec5", 2.5))});
    add("grapes",
        {P("M50 32 Q50 20 56 12", pen("#6d4c41", 3)), E(66, 18, 12, 6, fill("#66bb6a"), -20),
         C(40, 38, 10, fill("#8e24aa")), C(60, 38, 10, fill("#8e24aa")), C(30, 54, 10, fill("#8e24aa")),
         C(50, 54, 10, fill("#8e24aa")), C(70, 54, 10, fill("#8e24aa")), C(40, 70, 10, fill("#8e24aa")),
         C(60, 70, 10, fill("#8e24aa")), C(50, 85, 10, fill("#8e24aa")), C(37, 35, 3, flat("#ce93d8")),
         C(47, 51, 3, flat("#ce93d8")), C(37, 67, 3, flat("#ce93d8")), C(57, 35, 3, flat("#ce93d8"))});
    add("apple",
        {P("M50 30 Q66 16 80 32 Q94 58 74 82 Q62 96 50 86 Q38 96 26 82 Q6 58 20 32 Q34 16 50 30 Z",
           fill("#ef5350")),
         P("M50 30 Q50 20 55 11", pen("#6d4c41", 3.5)),
         P("M55 20 Q66 6 78 14 Q68 26 55 20 Z", fill("#66bb6a")), E(31, 48, 5, 10, flat("#ff8a80"), 15)});
    add("horse", {P("M22 50 Q6 58 10 78 Q18 66 26 58 Z", fill("#5d4037")),
                  R(26, 58, 7, 32, 3, fill("#a1887f")), R(38, 60, 7, 30, 3, fill("#a1887f")),
                  R(54, 60, 7, 30, 3, fill("#a1887f")), R(64, 58, 7, 32, 3, fill("#a1887f")),
                  R(26, 86, 7, 5, 1, fill("#4e342e")), R(38, 86, 7, 5, 1, fill("#4e342e")),
                  R(54, 86, 7, 5, 1, fill("#4e342e")), R(64, 86, 7, 5, 1, fill("#4e342e")),
                  E(46, 54, 27, 15, fill("#bcaaa4")), P("M60 50 L68 24 L80 28 L74 56 Z", fill("#bcaaa4")),
                  E(82, 30, 13, 8, fill("#bcaaa4"), 35), P("M70 20 L72 9 L78 19 Z", fill("#bcaaa4")),
                  P("M67 20 Q58 34 60 52 L66 48 Q66 34 72 24 Z", fill("#5d4037")),
                  C(81, 26, 2, flat("#263238")), C(90, 37, 1.5, flat("#4e342e"))});
    add("rice", {P("M16 50 Q18 24 50 22 Q82 24 84 50 Z", fill("#ffffff")),
                 P("M30 36 L34 34 M44 30 L48 31 M58 34 L62 32 M40 42 L44 40 M54 44 L58 43 M68 42 L72 44 "
                   "M26 46 L30 45",
                   pen("#cfd8dc", 2)),
                 R(38, 82, 24, 8, 3, fill("#4fc3f7")),
                 P("M12 50 L88 50 Q86 84 50 86 Q14 84 12 50 Z", fill("#4fc3f7")),
                 P("M22 62 Q50 70 78 62", pen("#ffffff", 3))});
    add("plane",
        {P("M46 46 L34 18 L46 18 L64 46 Z", fill("#1e88e5")),
         P("M8 52 Q8 44 20 44 L80 44 Q95 46 95 52 Q95 58 80 60 L20 60 Q8 60 8 52 Z", fill("#e3f2fd")),
         P("M14 46 L8 26 L18 26 L30 46 Z", fill("#ef5350")),
         P("M46 56 L32 86 L44 86 L64 56 Z", fill("#1e88e5")), C(56, 51, 2.8, fill("#81d4fa")),
         C(65, 51, 2.8, fill("#81d4fa")), C(74, 51, 2.8, fill("#81d4fa")),
         P("M84 46 Q91 47 93 51 L84 51 Z", fill("#81d4fa"))});
    add("bee", {E(40, 32, 10, 15, fill("#e1f5fe"), -25), E(56, 30, 10, 15, fill("#e1f5fe"), 20),
                P("M22 58 L10 56 L20 64 Z", fill("#37474f")), E(46, 60, 26, 18, fill("#ffeb3b")),
                P("M38 43 Q33 60 38 77 L46 78 Q41 60 46 42 Z", flat("#37474f")),
                P("M54 43 Q49 60 54 77 L60 76 Q56 60 60 44 Z", flat("#37474f")), E(46, 60, 26, 18, pen(2.5)),
                C(76, 56, 12, fill("#37474f")), C(80, 53, 2.6, flat("#ffffff")),
                P("M78 45 Q80 34 88 30 M72 45 Q70 34 74 28", pen(2))});
    add("lantern",
        {P("M50 16 L50 4", pen(2.5)), R(38, 14, 24, 8, 2, fill("#ffca28")),
         E(50, 49, 33, 27, fill("#ef5350")),
         P("M50 22 L50 76 M34 26 Q24 49 34 72 M66 26 Q76 49 66 72", pen("#b71c1c", 2)),
         R(38, 72, 24, 8, 2, fill("#ffca28")), P("M50 80 L50 96 M45 90 L50 96 L55 90", pen("#ef5350", 3))});
    add("egg", {E(50, 92, 24, 4, flat("#d7ccc8")), E(50, 54, 27, 35, fill("#fff3e0")),
                E(39, 40, 5, 9, flat("#ffffff"), 20)});
    add("peach", {P("M50 24 Q40 8 26 12 Q34 26 50 24 Z", fill("#66bb6a")),
                  P("M50 24 Q62 6 76 12 Q66 26 50 24 Z", fill("#66bb6a")),
                  P("M50 24 Q80 18 84 52 Q86 84 50 90 Q14 84 16 52 Q20 18 50 24 Z", fill("#ffab91")),
                  E(66, 52, 10, 17, flat("#ff8a65")), P("M50 26 Q40 52 46 86", pen("#ff7043", 2))});
    add("sun", {shape(raysPath(50, 50, 32, 44, 12), pen("#ffa000", 5)),
                C(50, 50, 25, fill("#ffd54f", "#ffa000", 3)), C(41, 46, 3, flat("#5d4037")),
                C(59, 46, 3, flat("#5d4037")), P("M40 56 Q50 66 60 56", pen("#5d4037", 2.5)),
                C(35, 56, 4, flat("#ffab91")), C(65, 56, 4, flat("#ffab91"))});
    add("pumpkin", {R(45, 18, 10, 16, 3, fill("#558b2f")), P("M55 24 Q68 14 74 24", pen("#558b2f", 2.5)),
                    E(32, 60, 20, 27, fill("#fb8c00")), E(68, 60, 20, 27, fill("#fb8c00")),
                    E(50, 60, 18, 29, fill("#ffa726"))});
    add("bell", {C(50, 11, 5, pen("#ffb300", 3)),
                 P("M50 16 Q74 16 76 46 Q76 64 86 72 L14 72 Q24 64 24 46 Q26 16 50 16 Z", fill("#ffd54f")),
                 C(50, 84, 8, fill("#ffca28")), R(10, 70, 80, 9, 4, fill("#ffb300")),
                 E(38, 38, 4, 11, flat("#fff59d"), 15)});
    add("chili",
        {P("M70 20 Q80 28 74 44 Q64 76 24 88 Q12 90 18 82 Q48 70 58 38 Q60 22 70 20 Z", fill("#e53935")),
         P("M60 26 Q66 12 80 18 Q78 30 66 30 Z", fill("#66bb6a")), P("M73 17 Q76 8 86 6", pen("#558b2f", 3)),
         P("M64 34 Q60 54 46 68", pen("#ef9a9a", 3))});
    add("dog", {C(50, 50, 27, fill("#e0b07a")), E(25, 50, 9, 19, fill("#8d6e63"), 15),
                E(75, 50, 9, 19, fill("#8d6e63"), -15), E(62, 36, 7, 6, flat("#c48a52")),
                C(41, 46, 3.2, flat("#263238")), C(59, 46, 3.2, flat("#263238")),
                E(50, 63, 13, 10, fill("#fff3e0")), P("M50 65 Q50 72 55 72 Q58 70 56 66", fill("#f06292")),
                E(50, 57, 5, 3.5, flat("#263238")), P("M50 60 Q46 67 41 65 M50 60 Q54 67 59 65", pen(2))});
    add("pot",
        {P("M18 40 Q50 14 82 40 Z", fill("#b0bec5")), C(50, 22, 5, fill("#5d4037")),
         R(2, 46, 16, 7, 3, fill("#5d4037")), R(82, 46, 16, 7, 3, fill("#5d4037")),
         P("M16 44 L84 44 Q84 82 50 84 Q16 82 16 44 Z", fill("#78909c")),
         R(12, 39, 76, 8, 4, fill("#90a4ae")), P("M40 10 Q36 4 40 0 M60 10 Q56 4 60 0", pen("#b0bec5", 2))});
    add("trousers", {P("M26 16 L74 16 L84 90 L58 90 L50 42 L42 90 L16 90 Z", fill("#42a5f5")),
                     R(25, 10, 50, 10, 2, fill("#1e88e5")),
                     P("M30 22 Q36 34 44 24 M70 22 Q64 34 56 24", pen(1.8)), P("M50 20 L50 42", pen(1.8))});
    add("truck",
        {R(6, 28, 56, 42, 3, fill("#ffa726")), P("M62 40 L80 40 L93 56 L93 72 L62 72 Z", fill("#ef5350")),
         P("M66 44 L78 44 L87 56 L66 56 Z", fill("#b3e5fc")), R(6, 68, 88, 8, 2, fill("#546e7a")),
         C(26, 79, 10, fill("#37474f")), C(26, 79, 3.5, flat("#cfd8dc")), C(76, 79, 10, fill("#37474f")),
         C(76, 79, 3.5, flat("#cfd8dc")), R(90, 60, 5, 5, 1, flat("#fff59d"))});
    add("fire",
        {P("M22 94 L78 82 M22 82 L78 94", pen("#5d4037", 8)),
         P("M50 8 Q62 30 74 40 Q90 56 80 74 Q72 90 50 90 Q28 90 20 74 Q12 56 28 42 Q30 56 38 58 Q34 36 "
           "50 8 Z",
           fill("#ff7043")),
         P("M50 40 Q58 56 64 64 Q70 78 62 86 Q56 90 50 90 Q40 90 36 84 Q32 72 42 62 Q44 70 48 70 Q46 56 "
           "50 40 Z",
           fill("#ffca28"))});
    add("lotus", {E(50, 86, 40, 8, fill("#81c784")), P("M50 72 L50 84", pen("#43a047", 4)),
                  P("M50 74 Q24 76 12 60 Q36 54 50 74 Z", fill("#f48fb1")),
                  P("M50 74 Q76 76 88 60 Q64 54 50 74 Z", fill("#f48fb1")),
                  P("M50 72 Q22 62 22 34 Q42 40 50 72 Z", fill("#f06292")),
                  P("M50 72 Q78 62 78 34 Q58 40 50 72 Z", fill("#f06292")),
                  P("M50 18 Q66 40 50 72 Q34 40 50 18 Z", fill("#f8bbd0"))});
    add("chick", {P("M42 82 L40 92 M56 82 L58 92", pen("#ff8f00", 3)), E(50, 62, 27, 22, fill("#ffeb3b")),
                  C(56, 36, 15, fill("#ffeb3b")), P("M68 35 L79 39 L68 43 Z", fill("#ff9800")),
                  C(60, 32, 2.4, flat("#263238")), P("M32 60 Q40 50 52 62 Q40 70 32 60 Z", fill("#fdd835")),
                  P("M54 22 Q50 12 58 14 M56 22 Q60 14 64 18", pen(2)), C(64, 42, 3, flat("#ffab91"))});
    add("tangerine",
        {C(50, 57, 33, fill("#ffa726")), C(50, 25, 3, fill("#558b2f")),
         P("M50 25 Q60 10 76 14 Q68 28 50 25 Z", fill("#66bb6a")), E(37, 45, 5, 9, flat("#ffcc80"), 20),
         C(62, 66, 1.5, flat("#fb8c00")), C(70, 56, 1.5, flat("#fb8c00")), C(56, 78, 1.5, flat("#fb8c00"))});
    add("balloon", {P("M24 64 Q18 78 26 96", pen(1.8)), E(24, 48, 14, 17, fill("#42a5f5")),
                    P("M50 66 Q44 78 52 86 Q58 92 50 98", pen(1.8)), E(52, 36, 24, 28, fill("#ef5350")),
                    P("M48 70 L56 70 L52 63 Z", fill("#ef5350")), E(42, 26, 4, 9, flat("#ef9a9a"), 20),
                    E(19, 42, 2.5, 5, flat("#90caf9"), 20)});
    add("watermelon",
        {P("M6 38 Q50 110 94 38 Z", fill("#43a047")), P("M12 39 Q50 100 88 39 Z", flat("#f1f8e9")),
         P("M16 39 Q50 92 84 39 Z", flat("#ef5350")), P("M6 38 L94 38", pen(2.5)),
         E(34, 48, 2, 3.2, flat("#263238"), -20), E(50, 54, 2, 3.2, flat("#263238")),
         E(66, 48, 2, 3.2, flat("#263238"), 20), E(42, 62, 2, 3.2, flat("#263238")),
         E(58, 62, 2, 3.2, flat("#263238"))});
    add("star", {star(50, 54, 40, 17, fill("#ffd54f", "#ffa000", 3)), C(43, 52, 2.6, flat("#5d4037")),
                 C(57, 52, 2.6, flat("#5d4037")), P("M45 60 Q50 65 55 60", pen("#5d4037", 2)),
                 star(85, 14, 9, 4, flat("#fff176")), star(14, 20, 6, 2.6, flat("#fff176"))});
    {
        Shapes ball{C(50, 50, 38, fill("#ffffff"))};
        ball << polygon(50, 50, 12, 5, 0, flat("#37474f"));
        QString seams;
        for (int i = 0; i < 5; ++i) {
            const double a = (-90 + 72 * i) * std::numbers::pi / 180;
            ball << polygon(50 + 31 * std::cos(a), 50 + 31 * std::sin(a), 7, 5, 36 + 72 * i, flat("#37474f"));
            seams += QStringLiteral("M %1 %2 L %3 %4 ")
                         .arg(num(50 + 12 * std::cos(a)), num(50 + 12 * std::sin(a)),
                              num(50 + 24 * std::cos(a)), num(50 + 24 * std::sin(a)));
        }
        ball << shape(seams.trimmed(), pen("#37474f", 2.5)) << C(50, 50, 38, pen(2.5));
        add("football", ball);
    }
    add("jujube", {E(38, 58, 18, 25, fill("#c62828"), -15), E(66, 62, 16, 22, fill("#d84315"), 20),
                   P("M42 33 L46 24 M62 40 L60 32", pen("#6d4c41", 2.5)),
                   E(32, 50, 3, 7, flat("#ef9a9a"), -15), E(61, 55, 3, 6, flat("#ffab91"), 20)});
    add("grass", {E(50, 92, 44, 6, fill("#8d6e63")), P("M16 90 Q14 66 6 52 Q24 64 26 90 Z", fill("#7cb342")),
                  P("M28 90 Q28 50 20 30 Q40 52 40 90 Z", fill("#8bc34a")),
                  P("M42 90 Q46 46 58 22 Q56 56 54 90 Z", fill("#7cb342")),
                  P("M56 90 Q62 58 80 42 Q70 64 68 90 Z", fill("#8bc34a")),
                  P("M70 90 Q78 70 94 62 Q84 76 82 90 Z", fill("#7cb342")), C(30, 30, 2.5, flat("#ffffff"))});
    {
        Shapes rainbow;
        const char* colours[] = {"#ef5350", "#ffa726", "#ffee58", "#66bb6a", "#42a5f5", "#7e57c2"};
        for (int i = 0; i < 6; ++i) {
            const double r = 42 - 6 * i;
            rainbow << shape(
                QStringLiteral("M %1 76 A %2 %2 0 0 1 %3 76").arg(num(50 - r), num(r), num(50 + r)),
                pen(colours[i], 6.5));
        }
        add("rainbow", rainbow + cloudy({{10, 78, 9}, {20, 74, 10}, {28, 80, 8}}, "#ffffff", "#90caf9") +
                           cloudy({{72, 80, 8}, {80, 74, 10}, {90, 78, 9}}, "#ffffff", "#90caf9"));
    }
    add("umbrella", {P("M50 14 L50 82 Q50 92 42 92 Q35 92 35 85", pen("#5d4037", 4)),
                     P("M8 50 Q10 14 50 12 Q90 14 92 50 Q81 43 71 50 Q61 43 50 50 Q39 43 29 50 Q19 43 8 50 Z",
                       fill("#ab47bc")),
                     P("M50 12 Q40 30 29 50 M50 12 Q60 30 71 50 M50 12 L50 50", pen("#7b1fa2", 2)),
                     P("M50 12 L50 6", pen(3))});
    add("pine", {R(44, 74, 12, 20, 2, fill("#8d6e63")), P("M50 40 L86 76 L14 76 Z", fill("#2e7d32")),
                 P("M50 22 L78 54 L22 54 Z", fill("#388e3c")), P("M50 6 L70 34 L30 34 Z", fill("#43a047")),
                 star(50, 7, 6, 2.6, fill("#ffd54f"))});
    add("pig", {P("M28 32 L22 12 L44 24 Z", fill("#f48fb1")), P("M72 32 L78 12 L56 24 Z", fill("#f48fb1")),
                C(50, 54, 31, fill("#f8bbd0")), E(50, 62, 15, 11, fill("#f48fb1")),
                E(45, 62, 2.5, 3.8, flat("#ad1457")), E(55, 62, 2.5, 3.8, flat("#ad1457")),
                C(37, 46, 3.2, flat("#263238")), C(63, 46, 3.2, flat("#263238")),
                C(28, 62, 5, flat("#f06292")), C(72, 62, 5, flat("#f06292"))});
    add("clock",
        {P("M30 82 L22 94 M70 82 L78 94", pen(4.5)), C(24, 20, 11, fill("#ef5350")),
         C(76, 20, 11, fill("#ef5350")), C(50, 54, 33, fill("#ef5350")), C(50, 54, 25, fill("#ffffff")),
         P("M50 33 L50 37 M50 71 L50 75 M29 54 L33 54 M67 54 L71 54", pen(2.5)),
         P("M50 54 L50 39 M50 54 L61 60", pen("#37474f", 3.5)), C(50, 54, 3, flat("#37474f"))});
    add("car",
        {P("M8 66 L8 52 Q10 46 18 46 L28 46 L38 30 Q40 28 44 28 L66 28 Q70 28 72 32 L80 46 L86 46 Q93 48 93 "
           "56 L93 66 Z",
           fill("#42a5f5")),
         P("M32 46 L42 33 L54 33 L54 46 Z", fill("#e1f5fe")),
         P("M58 33 L68 33 L76 46 L58 46 Z", fill("#e1f5fe")), C(28, 68, 11, fill("#37474f")),
         C(28, 68, 4, flat("#cfd8dc")), C(72, 68, 11, fill("#37474f")), C(72, 68, 4, flat("#cfd8dc")),
         R(86, 52, 6, 5, 1, flat("#fff59d"))});
    add("bed", {R(8, 28, 13, 66, 4, fill("#8d6e63")), R(81, 48, 12, 46, 4, fill("#8d6e63")),
                R(18, 58, 66, 16, 4, fill("#90caf9")),
                P("M42 52 L82 52 L82 76 L38 76 Q36 62 42 52 Z", fill("#ffcc80")),
                P("M50 60 L74 60 M50 68 L74 68", pen("#fb8c00", 2)), E(30, 54, 11, 6, fill("#ffffff"))});
    add("mountain", {C(82, 22, 9, fill("#ffd54f")), P("M40 84 L66 32 L96 84 Z", fill("#81c784")),
                     P("M4 86 L38 18 L76 86 Z", fill("#43a047")),
                     P("M38 18 L48 38 L43 35 L38 42 L33 35 L28 38 Z", fill("#ffffff")),
                     P("M2 88 L98 88", pen("#689f38", 3))});
    add("tree",
        Shapes{P("M44 94 L46 56 L54 56 L56 94 Z", fill("#8d6e63"))} +
            cloudy({{50, 30, 20}, {30, 44, 16}, {70, 44, 16}, {50, 54, 18}, {36, 60, 12}, {64, 60, 12}},
                   "#66bb6a") +
            Shapes{C(36, 42, 4, fill("#ef5350")), C(62, 34, 4, fill("#ef5350")),
                   C(58, 58, 4, fill("#ef5350"))});
    add("person",
        limb("M36 48 L22 64", "#ffcc80", 6) + limb("M64 48 L78 64", "#ffcc80", 6) +
            limb("M43 72 L41 90", "#ffcc80", 7) + limb("M57 72 L59 90", "#ffcc80", 7) +
            Shapes{E(39, 92, 7, 4, fill("#5d4037")), E(61, 92, 7, 4, fill("#5d4037")),
                   P("M36 42 L64 42 L70 74 L30 74 Z", fill("#ef5350")), C(50, 25, 14, fill("#ffcc80")),
                   P("M36 24 Q36 8 50 9 Q64 8 64 24 Q58 15 50 17 Q42 15 36 24 Z", fill("#4e342e")),
                   C(45, 26, 2, flat("#263238")), C(55, 26, 2, flat("#263238")),
                   P("M45 31 Q50 35 55 31", pen(2)), C(41, 31, 2.5, flat("#ffab91")),
                   C(59, 31, 2.5, flat("#ffab91"))});
    add("meat", limb("M60 60 L80 80", "#ffffff", 9) +
                    Shapes{C(84, 78, 6, fill("#ffffff")), C(78, 86, 6, fill("#ffffff")),
                           P("M28 30 Q50 10 72 28 Q88 46 70 64 Q56 78 38 70 Q18 60 20 44 Q22 34 28 30 Z",
                             fill("#d84315")),
                           P("M34 40 Q48 26 62 34", pen("#ff8a65", 4))});
    add("cabbage",
        {P("M36 92 Q28 60 34 34 L66 34 Q72 60 64 92 Z", fill("#f1f8e9")),
         P("M50 44 L50 88 M42 46 L40 86 M58 46 L60 86", pen("#c5e1a5", 2)),
         P("M30 42 Q18 20 38 10 Q50 4 62 10 Q82 20 70 42 Q60 50 50 44 Q40 50 30 42 Z", fill("#8bc34a")),
         P("M50 14 L50 40 M40 20 L46 38 M60 20 L54 38", pen("#689f38", 2))});
    add("milk", {R(30, 30, 40, 62, 2, fill("#ffffff")), P("M30 30 L40 12 L60 12 L70 30 Z", fill("#42a5f5")),
                 R(44, 5, 12, 8, 2, fill("#1e88e5")), R(30, 48, 40, 24, 0, fill("#bbdefb")),
                 P("M50 52 Q58 62 50 68 Q42 62 50 52 Z", fill("#ffffff"))});
    add("cup", limb("M70 38 Q90 38 88 56 Q86 72 67 70", "#ff8a65", 5) +
                   Shapes{P("M24 24 L74 24 L67 88 L31 88 Z", fill("#ff8a65")),
                          E(49, 24, 25, 5, fill("#ffccbc")), P("M38 52 L60 52", pen("#ffffff", 4)),
                          P("M40 16 Q36 10 40 4 M56 16 Q52 10 56 4", pen("#b0bec5", 2.5))});
    add("shell",
        {P("M42 86 L58 86 L55 94 L45 94 Z", fill("#ffab91")),
         P("M50 88 L12 44 Q18 12 50 10 Q82 12 88 44 Z", fill("#ffccbc")),
         P("M50 86 L22 30 M50 86 L36 16 M50 86 L50 11 M50 86 L64 16 M50 86 L78 30", pen("#ff8a65", 2.2))});
    add("tortoise",
        {E(28, 70, 7, 9, fill("#aed581")), E(72, 70, 7, 9, fill("#aed581")),
         P("M14 62 L4 66 L14 68 Z", fill("#aed581")), C(86, 56, 10, fill("#aed581")),
         C(89, 53, 2, flat("#263238")), P("M14 64 Q16 26 50 24 Q84 26 86 64 Z", fill("#689f38")),
         R(12, 60, 76, 8, 4, fill("#558b2f")),
         P("M38 34 L62 34 L68 48 L62 60 L38 60 L32 48 Z M38 34 L30 28 M62 34 L70 28 M32 48 L16 50 M68 48 "
           "L84 50",
           pen("#33691e", 2))});
    add("water", {P("M50 8 Q70 38 74 58 Q76 86 50 88 Q24 86 26 58 Q30 38 50 8 Z", fill("#4fc3f7")),
                  E(38, 58, 4, 10, flat("#b3e5fc"), 15), C(44, 62, 2.5, flat("#01579b")),
                  C(58, 62, 2.5, flat("#01579b")), P("M45 70 Q51 75 57 70", pen("#01579b", 2)),
                  P("M82 80 Q86 86 82 90 Q78 86 82 80 Z", fill("#4fc3f7")),
                  P("M16 74 Q19 79 16 82 Q13 79 16 74 Z", fill("#4fc3f7"))});
    add("cat",
        {P("M22 42 L18 10 L42 26 Q50 23 58 26 L82 10 L78 42 Q86 72 50 78 Q14 72 22 42 Z", fill("#ffb74d")),
         P("M24 34 L23 18 L36 27 Z M76 34 L77 18 L64 27 Z", flat("#f8bbd0")),
         E(38, 48, 4, 5.5, flat("#263238")), E(62, 48, 4, 5.5, flat("#263238")),
         P("M46 56 L54 56 L50 61 Z", fill("#f48fb1")), P("M50 61 Q46 67 42 65 M50 61 Q54 67 58 65", pen(2)),
         P("M30 58 L10 54 M30 62 L10 64 M70 58 L90 54 M70 62 L90 64", pen(1.5)),
         P("M44 30 L46 38 M50 29 L50 37 M56 30 L54 38", pen("#fb8c00", 2.5))});
    add("hat", {E(50, 72, 44, 11, fill("#ffd54f")), P("M26 72 Q26 28 50 28 Q74 28 74 72 Z", fill("#ffca28")),
                P("M26 58 Q50 66 74 58 L75 68 Q50 76 25 68 Z", fill("#ef5350")),
                C(66, 62, 5, fill("#ffffff")), C(66, 62, 2, flat("#ffd54f"))});
    add("monkey",
        {C(22, 48, 11, fill("#8d6e63")), C(78, 48, 11, fill("#8d6e63")), C(22, 48, 6, flat("#ffcc80")),
         C(78, 48, 6, flat("#ffcc80")), C(50, 48, 27, fill("#8d6e63")),
         P("M50 40 Q40 26 31 37 Q25 48 33 61 Q40 74 50 74 Q60 74 67 61 Q75 48 69 37 Q60 26 50 40 Z",
           fill("#ffcc80")),
         C(42, 46, 3, flat("#263238")), C(58, 46, 3, flat("#263238")), C(47, 56, 1.5, flat("#5d4037")),
         C(53, 56, 1.5, flat("#5d4037")), P("M41 62 Q50 70 59 62", pen(2.2))});
    add("hand",
        {P("M30 92 L30 58 Q22 50 17 42 Q14 34 21 34 Q28 36 34 46 L34 20 Q34 13 39 13 Q44 13 44 20 L44 42 L44 "
           "11 Q44 5 50 5 Q56 5 56 11 L56 42 L56 15 Q56 9 61 9 Q66 9 66 15 L66 44 L66 26 Q66 20 71 20 Q76 20 "
           "76 26 L76 62 Q76 80 66 92 Z",
           fill("#ffcc80")),
         P("M44 42 L44 30 M56 42 L56 28 M66 44 L66 34", pen("#e0a060", 1.5))});
    add("cow",
        {P("M28 26 Q14 18 16 5 Q24 16 34 20 Z", fill("#fff8e1")),
         P("M72 26 Q86 18 84 5 Q76 16 66 20 Z", fill("#fff8e1")), E(15, 38, 11, 6, fill("#ffffff"), 20),
         E(85, 38, 11, 6, fill("#ffffff"), -20),
         P("M28 22 Q50 14 72 22 Q80 50 70 68 L30 68 Q20 50 28 22 Z", fill("#ffffff")),
         E(38, 30, 8, 6, flat("#37474f"), 20), E(66, 50, 5, 7, flat("#37474f")),
         C(40, 44, 3.2, flat("#263238")), C(60, 44, 3.2, flat("#263238")), E(50, 72, 21, 14, fill("#f8bbd0")),
         E(43, 72, 3, 4, flat("#ad1457")), E(57, 72, 3, 4, flat("#ad1457"))});
    add("ball", {C(50, 52, 38, fill("#ef5350")), P("M13 46 Q50 66 87 46", pen("#ffffff", 8)),
                 P("M13 46 Q50 66 87 46", pen("#ffeb3b", 3)), E(34, 32, 6, 10, flat("#ef9a9a"), 40),
                 C(50, 52, 38, pen(2.5))});
    add("shoe", {P("M10 72 L10 50 Q12 40 24 42 L40 46 Q48 30 62 34 L66 36 Q76 50 92 58 Q97 62 95 72 Z",
                   fill("#ef5350")),
                 R(7, 70, 90, 10, 5, fill("#ffffff")),
                 P("M46 42 L56 48 M50 38 L60 44 M54 35 L63 40", pen("#ffffff", 3)),
                 P("M20 56 L36 56", pen("#ffffff", 3))});
    add("butterfly",
        {P("M50 50 Q30 12 14 24 Q4 42 50 50 Z", fill("#ba68c8")),
         P("M50 50 Q70 12 86 24 Q96 42 50 50 Z", fill("#ba68c8")),
         P("M50 53 Q24 58 24 76 Q36 90 50 56 Z", fill("#f48fb1")),
         P("M50 53 Q76 58 76 76 Q64 90 50 56 Z", fill("#f48fb1")), C(28, 32, 5, flat("#f3e5f5")),
         C(72, 32, 5, flat("#f3e5f5")), C(34, 70, 3.5, flat("#fce4ec")), C(66, 70, 3.5, flat("#fce4ec")),
         E(50, 55, 4.5, 20, fill("#5d4037")), P("M48 37 Q42 22 34 18 M52 37 Q58 22 66 18", pen(2))});
    {
        QString arms = raysPath(50, 50, 0, 40, 6, -90, 270);
        for (int i = 0; i < 6; ++i) {
            const double a = (-90 + 60 * i) * std::numbers::pi / 180;
            const double bx = 50 + 24 * std::cos(a);
            const double by = 50 + 24 * std::sin(a);
            for (const double side : {-0.7, 0.7}) {
                arms += QStringLiteral(" M %1 %2 L %3 %4")
                            .arg(num(bx), num(by), num(bx + 12 * std::cos(a + side)),
                                 num(by + 12 * std::sin(a + side)));
            }
        }
        add("snowflake", {shape(arms, pen("#1e88e5", 7)), shape(arms, pen("#b3e5fc", 3.5)),
                          polygon(50, 50, 9, 6, 0, fill("#e1f5fe"))});
    }
    add("boot", {P("M34 10 L62 10 L62 62 L84 70 Q95 74 93 86 L93 90 L30 90 Q26 60 34 10 Z", fill("#ffca28")),
                 R(27, 86, 68, 8, 3, fill("#6d4c41")), R(31, 7, 34, 11, 3, fill("#ffb300")),
                 P("M44 30 L52 30 M44 42 L52 42", pen("#ff8f00", 3))});
    add("ear", {P("M38 16 Q76 6 80 40 Q82 62 62 72 Q54 78 52 88 Q48 96 38 90 Q30 84 36 70 Q30 50 28 36 Q26 "
                  "20 38 16 Z",
                  fill("#ffcc80")),
                P("M44 30 Q66 22 67 42 Q67 55 55 59 Q48 61 48 52 Q48 44 56 44", pen("#d89a5a", 3.5))});
    add("sailboat",
        {P("M50 66 L50 8", pen(3)), P("M53 12 L53 60 L86 60 Z", fill("#ffffff")),
         P("M47 20 L47 60 L20 60 Z", fill("#fff59d")), P("M50 8 L62 12 L50 16 Z", fill("#ef5350")),
         P("M10 64 L90 64 L77 84 L23 84 Z", fill("#e53935")),
         P("M4 92 Q12 86 20 92 T36 92 T52 92 T68 92 T84 92 T100 92", pen("#29b6f6", 3))});
    add("plate", {E(50, 62, 45, 22, fill("#e3f2fd")), E(50, 60, 33, 14, fill("#ffffff")),
                  E(50, 62, 40, 18.5, pen("#64b5f6", 2)), C(40, 56, 7, fill("#ef5350")),
                  C(56, 56, 7, fill("#ffa726")), E(50, 62, 10, 4, flat("#a5d6a7"))});
    add("door", {R(20, 6, 60, 90, 4, fill("#8d6e63")), R(27, 13, 46, 83, 2, fill("#bcaaa4")),
                 R(34, 21, 32, 26, 3, pen(2)), R(34, 55, 32, 32, 3, pen(2)), C(64, 52, 4, fill("#ffd54f")),
                 R(10, 94, 80, 4, 1, flat("#6d4c41"))});
    {
        Shapes book{R(24, 10, 58, 82, 4, fill("#66bb6a")), R(38, 24, 34, 16, 2, fill("#ffffff")),
                    P("M42 30 L68 30 M42 35 L60 35", pen("#9e9e9e", 1.5)),
                    P("M38 56 L72 56 M38 66 L72 66 M38 76 L64 76", pen("#c8e6c9", 3))};
        for (int i = 0; i < 7; ++i) {
            book << C(24, 18 + 11.5 * i, 3.5, pen("#455a64", 2.5));
        }
        add("notebook", book);
    }
    add("envelope",
        {R(10, 26, 80, 52, 4, fill("#fff8e1")), P("M12 76 L40 52 M88 76 L60 52", pen("#ffcc80", 2.5)),
         P("M12 28 L50 58 L88 28 Z", fill("#ffe0b2")),
         P("M50 62 Q42 54 46 50 Q50 48 50 53 Q50 48 54 50 "
           "Q58 54 50 62 Z",
           fill("#ef5350"))});
    add("wheel", {C(50, 50, 40, fill("#37474f")), C(50, 50, 28, fill("#cfd8dc")),
                  shape(raysPath(50, 50, 6, 27, 6, 0, 360), pen("#546e7a", 3.5)),
                  C(50, 50, 8, fill("#78909c")), P("M22 30 Q26 22 34 17", pen("#78909c", 3))});
    add("shoot",
        {E(50, 90, 34, 5, fill("#8d6e63")), P("M50 6 Q64 40 70 88 L30 88 Q36 40 50 6 Z", fill("#d7b56d")),
         P("M50 88 L30 88 Q32 62 46 40 Q44 66 50 88 Z", fill("#a1887f")),
         P("M50 88 L70 88 Q68 62 56 44 Q56 68 50 88 Z", fill("#8d6e63")),
         P("M50 6 Q56 14 56 24 Q50 20 44 24 Q44 14 50 6 Z", fill("#9ccc65"))});
    add("skirt",
        {P("M34 20 L66 20 L88 84 Q50 94 12 84 Z", fill("#f06292")), R(31, 13, 38, 10, 3, fill("#ec407a")),
         P("M43 24 L35 86 M50 24 L50 89 M57 24 L65 86", pen("#d81b60", 2)), C(30, 70, 3, flat("#ffffff")),
         C(70, 70, 3, flat("#ffffff")), C(44, 50, 3, flat("#ffffff")), C(58, 62, 3, flat("#ffffff"))});
    add("candy", {P("M30 50 L8 34 L13 50 L8 66 Z", fill("#4fc3f7")),
                  P("M70 50 L92 34 L87 50 L92 66 Z", fill("#4fc3f7")), E(50, 50, 24, 17, fill("#f06292")),
                  P("M40 37 Q47 50 40 63 M53 34 Q60 50 53 66", pen("#ffffff", 3.5))});
    add("kite",
        {P("M50 76 Q62 84 52 90 Q42 95 52 99", pen(2)), P("M50 8 L80 40 L50 76 L20 40 Z", fill("#ffca28")),
         P("M50 8 L80 40 L50 40 Z", fill("#ef5350")), P("M50 40 L50 76 L20 40 Z", fill("#ef5350")),
         P("M50 8 L50 76 M20 40 L80 40", pen(2)), P("M55 84 L62 80 L62 88 Z", fill("#42a5f5")),
         P("M48 93 L41 89 L41 97 Z", fill("#66bb6a"))});
    add("lamp", {E(50, 90, 24, 6, fill("#5c6bc0")), R(47, 42, 6, 46, 2, fill("#7986cb")),
                 P("M28 46 L72 46 L62 12 L38 12 Z", fill("#ffca28")),
                 P("M34 56 L26 68 M50 58 L50 70 M66 56 L74 68", pen("#ffd54f", 3))});
    add("bottle",
        {P("M40 8 L60 8 L60 24 Q76 32 76 50 L76 86 Q76 94 68 94 L32 94 Q24 94 24 86 L24 50 Q24 32 40 24 Z",
           fill("#80deea")),
         R(37, 4, 26, 10, 3, fill("#ef5350")), R(24, 56, 52, 22, 0, fill("#ffffff")),
         P("M34 62 L66 62 M34 70 L58 70", pen("#4fc3f7", 3)), E(32, 42, 3, 8, flat("#e0f7fa"), 10)});
    add("cookie",
        {C(50, 52, 38, fill("#d7a86e")), C(50, 52, 31, pen("#c08a50", 2)), C(36, 40, 4.5, flat("#5d4037")),
         C(60, 36, 4, flat("#5d4037")), C(66, 58, 4.5, flat("#5d4037")), C(44, 66, 4, flat("#5d4037")),
         C(50, 50, 3.5, flat("#5d4037")), C(30, 58, 3, flat("#5d4037"))});
    add("caterpillar",
        {P("M16 74 L14 82 M30 72 L30 80 M44 74 L44 82 M58 72 L58 80", pen(3)), C(16, 64, 11, fill("#9ccc65")),
         C(30, 60, 12, fill("#7cb342")), C(44, 64, 12, fill("#9ccc65")), C(58, 60, 12, fill("#7cb342")),
         C(75, 48, 16, fill("#9ccc65")), P("M70 34 Q66 22 60 20 M80 33 Q84 22 90 20", pen(2.2)),
         C(69, 46, 2.6, flat("#263238")), C(81, 46, 2.6, flat("#263238")), P("M69 55 Q75 60 81 55", pen(2)),
         C(88, 53, 3, flat("#f48fb1"))});
    add("bucket", {P("M20 38 Q50 -2 80 38", pen(3)), P("M22 36 L78 36 L70 90 L30 90 Z", fill("#42a5f5")),
                   E(50, 36, 28, 7, fill("#b3e5fc")), P("M24 54 L76 54 M27 74 L73 74", pen("#1e88e5", 3))});
    add("spider",
        {P("M50 30 L50 0", pen("#90a4ae", 1.5)),
         P("M40 52 L24 40 L14 52 M38 58 L20 54 L10 66 M40 64 L24 70 L18 84 M44 68 L34 80 L32 94 M60 52 L76 "
           "40 L86 52 M62 58 L80 54 L90 66 M60 64 L76 70 L82 84 M56 68 L66 80 L68 94",
           pen("#455a64", 3)),
         C(50, 60, 16, fill("#546e7a")), C(50, 38, 11, fill("#546e7a")), C(46, 36, 3, flat("#ffffff")),
         C(54, 36, 3, flat("#ffffff")), C(46, 36, 1.4, flat("#263238")), C(54, 36, 1.4, flat("#263238"))});
    add("branch", {P("M6 82 Q40 64 94 30", pen("#6d4c41", 6)),
                   P("M40 66 Q50 48 48 34 M66 50 Q78 54 88 62", pen("#6d4c41", 4)),
                   E(48, 28, 5, 9, fill("#81c784"), 10), E(90, 64, 5, 9, fill("#81c784"), 60),
                   E(96, 26, 5, 8, fill("#81c784"), 50), E(22, 70, 5, 8, fill("#81c784"), -30)});
    {
        QString ticks;
        for (int i = 0; i <= 16; ++i) {
            const double x = 13 + 4.625 * i;
            ticks += QStringLiteral("M %1 38 L %1 %2 ").arg(num(x), num(i % 4 == 0 ? 52 : 46));
        }
        add("ruler", {R(8, 36, 84, 28, 3, fill("#ffe082")), shape(ticks.trimmed(), pen("#5d4037", 1.6))});
    }
    add("pond", {E(48, 66, 44, 24, fill("#4fc3f7")),
                 P("M24 66 Q30 62 36 66 M58 78 Q64 74 70 78", pen("#e1f5fe", 2.5)),
                 P("M32 56 A 12 7 0 1 0 44 56 L36 55 Z", fill("#66bb6a")), C(60, 62, 5, fill("#f48fb1")),
                 P("M84 82 L82 34 M90 84 L92 40", pen("#558b2f", 3)), E(82, 34, 3, 8, fill("#8d6e63")),
                 E(92, 40, 3, 8, fill("#8d6e63"))});
    {
        QList<std::array<double, 3>> mane;
        for (int i = 0; i < 12; ++i) {
            const double a = 2 * std::numbers::pi * i / 12;
            mane.append({50 + 30 * std::cos(a), 52 + 30 * std::sin(a), 13});
        }
        mane.append({50, 52, 30});
        add("lion", cloudy(mane, "#ff8f00") +
                        Shapes{C(34, 32, 7, fill("#ffca28")), C(66, 32, 7, fill("#ffca28")),
                               C(50, 54, 25, fill("#ffca28")), C(42, 48, 3, flat("#263238")),
                               C(58, 48, 3, flat("#263238")), P("M45 57 L55 57 L50 63 Z", fill("#6d4c41")),
                               P("M50 63 Q45 69 41 66 M50 63 Q55 69 59 66", pen(2))});
    }
    add("stone", {P("M12 82 Q8 58 28 46 Q36 28 58 32 Q80 34 88 56 Q94 80 78 88 L22 90 Q12 90 12 82 Z",
                    fill("#b0bec5")),
                  P("M36 52 Q44 48 50 52 M60 66 Q68 62 74 66 M30 74 L38 72", pen("#78909c", 2.5)),
                  E(36, 42, 6, 3, flat("#cfd8dc"), -20)});
    add("sunrise", {shape(raysPath(50, 66, 32, 44, 7, 200, 340), pen("#ffa000", 5)),
                    C(50, 66, 26, fill("#ffb74d", "#f57c00", 3)), R(2, 66, 96, 30, 0, fill("#4fc3f7")),
                    P("M12 76 Q20 72 28 76 M44 84 Q52 80 60 84 M70 76 Q78 72 86 76", pen("#e1f5fe", 3))});
    {
        Shapes page{R(14, 18, 72, 74, 6, fill("#ffffff")),
                    P("M14 40 L14 24 Q14 18 20 18 L80 18 Q86 18 86 24 L86 40 Z", fill("#ef5350"))};
        for (int row = 0; row < 3; ++row) {
            for (int col = 0; col < 5; ++col) {
                page << R(20 + 13 * col, 48 + 13 * row, 8, 8, 1.5,
                          flat(row == 1 && col == 2 ? "#ef5350" : "#cfd8dc"));
            }
        }
        page << R(28, 10, 7, 16, 3.5, fill("#90a4ae")) << R(65, 10, 7, 16, 3.5, fill("#90a4ae"));
        add("calendar", page);
    }
    add("bicycle", {C(24, 66, 18, pen("#37474f", 4.5)), C(76, 66, 18, pen("#37474f", 4.5)),
                    P("M24 66 L42 40 L68 40 L76 66 M42 40 L50 66 L24 66 M50 66 L68 40", pen("#ef5350", 4.5)),
                    P("M36 33 L50 33", pen("#37474f", 5)), P("M42 40 L42 33", pen("#37474f", 3.5)),
                    P("M68 40 L64 28 L74 26", pen("#37474f", 4)), C(50, 66, 4, fill("#90a4ae")),
                    C(24, 66, 3, flat("#90a4ae")), C(76, 66, 3, flat("#90a4ae"))});
    add("writing", Shapes{R(8, 16, 62, 74, 3, fill("#ffffff")), R(16, 26, 44, 44, 0, pen("#ef9a9a", 2)),
                          P("M38 26 L38 70 M16 48 L60 48", pen("#ef9a9a", 1.2)),
                          P("M26 38 Q38 34 48 36 M38 32 L36 62 M28 52 Q38 50 50 54", pen("#37474f", 3.5))} +
                       placed(pencil(), 40, 6, 0.62));
    {
        // Spines along the top of the body, as one zigzag.
        QString spines = QStringLiteral("M 16 70");
        for (int i = 0; i <= 10; ++i) {
            const double a = std::numbers::pi * (1 - i / 10.0);
            const double ox = 44 + 34 * std::cos(a);
            const double oy = 66 - 30 * std::sin(a);
            const double ix = 44 + 24 * std::cos(a + 0.15);
            const double iy = 66 - 20 * std::sin(a + 0.15);
            spines += QStringLiteral(" L %1 %2 L %3 %4").arg(num(ix), num(iy), num(ox), num(oy));
        }
        spines += QStringLiteral(" L 72 70 Z");
        add("hedgehog", {shape(spines, fill("#6d4c41")), E(46, 70, 28, 16, fill("#8d6e63")),
                         P("M62 56 Q84 58 94 70 Q86 80 62 80 Z", fill("#ffe0b2")),
                         C(94, 70, 3, fill("#37474f")), C(78, 65, 2.2, flat("#263238")),
                         E(36, 86, 5, 3, fill("#ffe0b2")), E(60, 86, 5, 3, fill("#ffe0b2"))});
    }
    add("magnet", {P("M30 22 L30 56 Q30 82 50 82 Q70 82 70 56 L70 22", pen(24)),
                   P("M30 22 L30 56 Q30 82 50 82 Q70 82 70 56 L70 22", pen("#ef5350", 19)),
                   R(18, 10, 24, 16, 1, fill("#cfd8dc")), R(58, 10, 24, 16, 1, fill("#cfd8dc")),
                   P("M10 4 L4 -2 M90 4 L96 -2 M50 10 L50 2", pen("#ffb300", 2.5))});
    add("ribbon", {P("M47 54 L32 88 L41 84 L45 92 L53 56 Z", fill("#ec407a")),
                   P("M53 54 L68 88 L59 84 L55 92 L47 56 Z", fill("#ec407a")),
                   P("M50 50 Q18 18 12 40 Q8 64 50 50 Z", fill("#f06292")),
                   P("M50 50 Q82 18 88 40 Q92 64 50 50 Z", fill("#f06292")), C(50, 50, 8, fill("#ec407a"))});
    add("shirt", {P("M36 14 L22 18 L8 36 L20 47 L28 40 L28 90 L72 90 L72 40 L80 47 L92 36 L78 18 L64 14 Q50 "
                    "28 36 14 Z",
                    fill("#4fc3f7")),
                  P("M36 14 Q50 28 64 14", pen(2.5)), star(50, 56, 11, 4.6, fill("#ffeb3b"))});
    add("chair", {R(28, 8, 44, 42, 6, fill("#ffb74d")),
                  P("M40 14 L40 46 M50 14 L50 46 M60 14 L60 46", pen("#fb8c00", 3)),
                  R(25, 60, 8, 34, 2, fill("#8d6e63")), R(67, 60, 8, 34, 2, fill("#8d6e63")),
                  R(20, 50, 60, 12, 4, fill("#fb8c00"))});
    add("corn",
        {E(50, 46, 18, 34, fill("#fdd835")),
         P("M42 18 Q40 46 42 76 M50 13 L50 80 M58 18 Q60 46 58 76 M36 28 L64 28 M33 38 L67 38 M32 48 L68 48 "
           "M33 58 L67 58 M36 68 L64 68",
           pen("#f9a825", 1.8)),
         P("M50 94 Q20 84 26 40 Q36 70 52 80 Z", fill("#7cb342")),
         P("M50 94 Q80 84 74 40 Q64 70 48 80 Z", fill("#8bc34a"))});
    add("coconut", {P("M38 98 Q42 62 54 30", pen("#5d4037", 10)), P("M38 98 Q42 62 54 30", pen("#8d6e63", 6)),
                    P("M54 30 Q34 4 6 20 Q30 26 54 32 Z", fill("#43a047")),
                    P("M54 30 Q74 4 96 18 Q74 26 54 32 Z", fill("#43a047")),
                    P("M54 30 Q34 30 24 58 Q40 40 56 34 Z", fill("#66bb6a")),
                    P("M54 30 Q76 32 86 58 Q70 40 52 34 Z", fill("#66bb6a")),
                    P("M54 30 Q50 12 60 2 Q64 16 56 30 Z", fill("#66bb6a")), C(48, 38, 7.5, fill("#795548")),
                    C(61, 39, 7.5, fill("#795548")), C(55, 46, 7, fill("#6d4c41"))});
    add("twig", {P("M10 90 Q44 62 90 18", pen("#6d4c41", 4)), E(28, 64, 7, 13, fill("#7cb342"), -30),
                 E(50, 56, 7, 13, fill("#8bc34a"), 40), E(56, 34, 7, 13, fill("#7cb342"), -20),
                 E(78, 40, 7, 13, fill("#ffb300"), 50), E(86, 12, 6, 10, fill("#8bc34a"), 30)});
    add("moon", {P("M66 10 A 40 40 0 1 0 66 90 A 48 48 0 0 1 66 10 Z", fill("#fff176")),
                 C(35, 44, 2.5, flat("#5d4037")), P("M30 57 Q35 61 40 57", pen("#5d4037", 2)),
                 star(78, 30, 8, 3.4, flat("#ffd54f")), star(86, 64, 6, 2.6, flat("#ffd54f"))});
    add("music",
        {E(32, 76, 11, 8, fill("#7e57c2"), -20), E(70, 68, 11, 8, fill("#7e57c2"), -20),
         P("M42 73 L42 22 M80 65 L80 14", pen(4)), P("M42 22 L80 14 L80 26 L42 34 Z", fill("#7e57c2")),
         star(16, 24, 6, 2.6, flat("#ffd54f")), star(90, 86, 5, 2.2, flat("#ffd54f"))});
    add("dumplings",
        {P("M28 18 Q24 12 28 6 M50 16 Q46 10 50 4 M72 18 Q68 12 72 6", pen("#b0bec5", 2.5)),
         C(35, 44, 12, fill("#ffffff")), C(63, 44, 12, fill("#ffffff")), C(49, 34, 12, fill("#ffffff")),
         P("M10 50 L90 50 Q88 86 50 88 Q12 86 10 50 Z", fill("#ef9a9a")),
         P("M22 62 Q50 72 78 62", pen("#ffffff", 3)), R(36, 86, 28, 6, 3, fill("#ef9a9a"))});
    {
        Shapes fence;
        for (int i = 0; i < 6; ++i) {
            const double x = 6 + 16 * i;
            fence << shape(QStringLiteral("M %1 88 L %1 54 L %2 46 L %3 54 L %3 88 Z")
                               .arg(num(x), num(x + 6), num(x + 12)),
                           fill("#ffe0b2"));
        }
        fence << R(2, 60, 96, 6, 2, fill("#ffcc80"));
        add("garden",
            fence + placed(flower(), 0, 40, 0.55) +
                placed(recoloured(flower(), {{"#f06292", "#ffca28"}, {"#ffd54f", "#ff7043"}}), 28, 28, 0.6) +
                placed(recoloured(flower(), {{"#f06292", "#ba68c8"}}), 60, 42, 0.52) +
                Shapes{R(0, 90, 100, 8, 3, flat("#81c784"))});
    }
    add("drink",
        {P("M58 26 L64 4 L76 4", pen("#ef5350", 4)), P("M30 30 L70 30 L64 92 L36 92 Z", fill("#ffb74d")),
         R(26, 24, 48, 9, 3, fill("#ffffff")), C(28, 30, 10, fill("#ffa726")),
         shape(raysPath(28, 30, 0, 8, 6), pen("#ffe0b2", 1.5)), P("M40 50 L60 50", pen("#ffe0b2", 3))});
    add("iron", limb("M44 40 Q46 18 66 18 L82 18 Q88 18 88 24 L88 40", "#1e88e5", 6) +
                    Shapes{P("M8 74 Q20 44 50 40 L88 40 Q93 40 93 46 L93 74 Z", fill("#4fc3f7")),
                           R(5, 72, 90, 8, 3, fill("#cfd8dc")), C(72, 56, 3.5, fill("#ef5350")),
                           P("M24 92 Q20 86 24 82 M40 94 Q36 88 40 84", pen("#b0bec5", 2.5))});
    add("cherries", {P("M34 58 Q44 30 62 14 M66 54 Q62 34 62 14", pen("#558b2f", 3)),
                     P("M62 14 Q76 4 88 12 Q76 22 62 14 Z", fill("#66bb6a")), C(32, 70, 15, fill("#e53935")),
                     C(68, 66, 15, fill("#d32f2f")), E(26, 64, 3, 5, flat("#ef9a9a"), 20),
                     E(62, 60, 3, 5, flat("#ef9a9a"), 20)});
    add("firefly",
        {C(50, 50, 47, flat("#283593")), C(38, 68, 24, flat("#5c6bc0")), C(38, 68, 16, flat("#fff59d")),
         star(16, 20, 4, 1.8, flat("#fff9c4")), star(84, 80, 3.5, 1.5, flat("#fff9c4")),
         star(80, 18, 3, 1.3, flat("#fff9c4")), E(56, 38, 14, 7, fill("#e1f5fe"), -35),
         E(46, 44, 14, 7, fill("#e1f5fe"), -70), E(38, 66, 12, 10, fill("#ffee58"), -30),
         E(56, 54, 11, 9, fill("#546e7a"), -30), C(70, 44, 8, fill("#546e7a")), C(72, 42, 2, flat("#ffffff")),
         P("M74 38 Q78 28 86 26 M70 37 Q70 28 74 22", pen("#b0bec5", 1.8))});
    return p;
}

} // namespace

const QHash<QString, Picture>& pinyinPictures() {
    static const QHash<QString, Picture> pictures = makePictures();
    return pictures;
}

QJsonArray pictureJson(const Picture& picture) {
    QJsonArray out;
    for (const PictureShape& s : picture) {
        QJsonObject o{{QStringLiteral("d"), s.d}};
        if (!s.fill.isEmpty()) {
            o.insert(QStringLiteral("f"), s.fill);
        }
        if (!s.stroke.isEmpty()) {
            o.insert(QStringLiteral("s"), s.stroke);
            o.insert(QStringLiteral("w"), s.width);
        }
        if (s.x != 0) {
            o.insert(QStringLiteral("x"), std::round(s.x * 100) / 100);
        }
        if (s.y != 0) {
            o.insert(QStringLiteral("y"), std::round(s.y * 100) / 100);
        }
        if (s.k != 1) {
            o.insert(QStringLiteral("k"), std::round(s.k * 1000) / 1000);
        }
        out.append(o);
    }
    return out;
}

} // namespace qinghe::edition
