#include "strokes/stroke_movie.h"

#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace qinghe::edition {

namespace {

// One template for every character; the generator fills in the @NAMES@. Glyph coordinates are
// 1024-unit integers and the layer holding them is scaled down, which keeps the files small.
constexpr char kTemplate[] =
    R"QML(// Stroke order of @CHARACTER@: each stroke is written along its centre line, then filled.
// Outlines from hanzi-writer-data 2.0.1 (Make Me a Hanzi, from fonts by Arphic Technology),
// under the Arphic Public License: see ARPHICPL.TXT in this folder. Made by qinghe-edition.
import QtQuick
import QtQuick.Shapes

Rectangle {
    id: hz
    width: @STAGE@
    height: @STAGE@
    color: "#fff8ec"

    // Outlines and centre lines (x, y, x, y ...) in a 1024 square, y down; brush widths in the
    // same units; when each stroke starts and how long it takes (ms).
    readonly property var outlines: [@OUTLINES@]
    readonly property var medians: [@MEDIANS@]
    readonly property var widths: [@WIDTHS@]
    readonly property var starts: [@STARTS@]
    readonly property var spans: [@SPANS@]
    readonly property int total: @TOTAL@
    property real clock: 0
    readonly property int done: finished(clock)
    readonly property real share: done < starts.length ? (clock - starts[done]) / spans[done] : 0

    function finished(t) {
        var n = 0
        while (n < starts.length && starts[n] + spans[n] <= t)
            ++n
        return n
    }
    // Frame n is the character with its first n strokes written; frame 0 starts from nothing.
    function seek(frame) {
        var n = Math.max(0, Math.min(frame, starts.length))
        clock = n === 0 ? 0 : starts[n - 1] + spans[n - 1]
    }
    // The part of a centre line the brush has covered.
    function brushLine(stroke, part) {
        var m = medians[stroke], length = 0, i
        for (i = 2; i < m.length; i += 2)
            length += Math.hypot(m[i] - m[i - 2], m[i + 1] - m[i - 1])
        var left = length * Math.min(1, part), line = [Qt.point(m[0], m[1])]
        for (i = 2; i < m.length; i += 2) {
            var step = Math.hypot(m[i] - m[i - 2], m[i + 1] - m[i - 1])
            var f = step > left ? left / step : 1
            line.push(Qt.point(m[i - 2] + (m[i] - m[i - 2]) * f, m[i - 1] + (m[i + 1] - m[i - 1]) * f))
            if (step > left)
                break
            left -= step
        }
        return line
    }

    Connections {
        target: movie
        function onFrameChanged() { hz.seek(movie.frame) }
    }
    // Stop holds the clock where it is; the movie stops itself when the character is complete.
    Timer {
        property double last: Date.now()
        interval: 16
        repeat: true
        running: movie.playing && hz.clock < hz.total
        onRunningChanged: last = Date.now()
        onTriggered: {
            var now = Date.now()
            hz.clock = Math.min(hz.total, hz.clock + Math.min(100, now - last))
            last = now
            if (hz.clock >= hz.total)
                movie.playing = false
        }
    }

    // The field grid: a frame with dashed middle lines.
    Rectangle {
        x: 3; y: 3; width: @STAGE@ - 6; height: width
        color: "transparent"
        border.color: "#e2ad97"
        border.width: 1.5
    }
    Shape {
        anchors.fill: parent
        ShapePath {
            strokeColor: "#edc7b6"
            strokeWidth: 1
            fillColor: "transparent"
            strokeStyle: ShapePath.DashLine
            dashPattern: [4, 3]
            PathMove { x: 4; y: @STAGE@ / 2 }
            PathLine { x: @STAGE@ - 4; y: @STAGE@ / 2 }
            PathMove { x: @STAGE@ / 2; y: 4 }
            PathLine { x: @STAGE@ / 2; y: @STAGE@ - 4 }
        }
    }
    Item {
        x: @LEFT@; y: @LEFT@; width: 1024; height: 1024
        scale: @SIZE@ / 1024
        transformOrigin: Item.TopLeft
        Repeater {
            model: hz.outlines.length
            Shape {
                anchors.fill: parent
                antialiasing: true
                ShapePath {
                    strokeColor: "transparent"
                    fillColor: index < hz.done ? "#c3281e" : "#e6ded3"
                    PathSvg { path: hz.outlines[index] }
                }
            }
        }
        Shape {
            anchors.fill: parent
            antialiasing: true
            visible: hz.share > 0 && hz.done < hz.starts.length
            ShapePath {
                strokeColor: "#c3281e"
                strokeWidth: hz.widths[Math.min(hz.done, hz.widths.length - 1)]
                fillColor: "transparent"
                capStyle: ShapePath.RoundCap
                joinStyle: ShapePath.RoundJoin
                PathPolyline { path: hz.share > 0 && hz.done < hz.starts.length ? hz.brushLine(hz.done, hz.share) : [] }
            }
        }
    }
    Text {
        objectName: "banquan"
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.margins: 1
        font.pixelSize: 7
        color: "#a89888"
        text: movie.vars.str_banquan || ""
    }
}
)QML";

// The character itself when it is safe inside a comment line, and its code points.
QString characterLabel(const QString& character) {
    QStringList codes;
    bool printable = !character.isEmpty();
    for (const char32_t c : character.toUcs4()) {
        codes << QStringLiteral("U+") + QString::number(uint(c), 16).toUpper().rightJustified(4, u'0');
        printable = printable && QChar::isPrint(c) && !QChar::isSpace(c);
    }
    const QString joined = codes.join(u' ');
    return printable ? character + QStringLiteral(" (") + joined + u')' : joined;
}

double outlineArea(const QPainterPath& path) {
    double area = 0;
    for (const QPolygonF& polygon : path.toSubpathPolygons()) {
        double twice = 0;
        for (qsizetype i = 0; i < polygon.size(); ++i) {
            const QPointF& a = polygon[i];
            const QPointF& b = polygon[(i + 1) % polygon.size()];
            twice += a.x() * b.y() - b.x() * a.y();
        }
        area += std::abs(twice) / 2;
    }
    return area;
}

QByteArray numbers(const QList<int>& values) {
    QByteArray out;
    for (qsizetype i = 0; i < values.size(); ++i) {
        if (i > 0) {
            out += ',';
        }
        out += QByteArray::number(values[i]);
    }
    return out;
}

} // namespace

QList<StrokeTiming> strokeTimings(const StrokeCharacter& character) {
    QList<StrokeTiming> timings;
    int at = kStrokeLeadIn;
    for (const StrokeShape& stroke : character.strokes) {
        // Most strokes are 150 to 900 units long; hooks and bends reach the longest time.
        const double share = std::min(1.0, medianLength(stroke.median) / 900.0);
        const int duration = kStrokeShortest + int(std::lround(share * (kStrokeLongest - kStrokeShortest)));
        timings.append({at, duration});
        at += duration + kStrokeRest;
    }
    return timings;
}

int strokeMovieLength(const QList<StrokeTiming>& timings) {
    return timings.isEmpty() ? 0 : timings.last().start + timings.last().duration;
}

int brushWidth(const StrokeShape& stroke) {
    const double area = outlineArea(stroke.path);
    const double length = std::max(1.0, medianLength(stroke.median));
    // A dot's centre line is short: its thickness is about the square root of its area.
    const double thickness = std::min(area / length, std::sqrt(area));
    return std::clamp(int(std::lround(thickness * 0.85)), 20, 110);
}

QByteArray strokeMovie(const QString& character, const StrokeCharacter& strokes) {
    QByteArray outlines;
    QByteArray medians;
    QList<int> widths;
    for (const StrokeShape& stroke : strokes.strokes) {
        if (!outlines.isEmpty()) {
            outlines += ',';
            medians += ',';
        }
        outlines += '"' + stroke.outline.toLatin1() + '"';
        QList<int> points;
        for (const QPoint& p : stroke.median) {
            points << p.x() << p.y();
        }
        medians += '[' + numbers(points) + ']';
        widths << brushWidth(stroke);
    }
    const QList<StrokeTiming> timings = strokeTimings(strokes);
    QList<int> starts;
    QList<int> spans;
    for (const StrokeTiming& timing : timings) {
        starts << timing.start;
        spans << timing.duration;
    }
    QByteArray movie(kTemplate);
    movie.replace("@CHARACTER@", characterLabel(character).toUtf8())
        .replace("@OUTLINES@", outlines)
        .replace("@MEDIANS@", medians)
        .replace("@WIDTHS@", numbers(widths))
        .replace("@STARTS@", numbers(starts))
        .replace("@SPANS@", numbers(spans))
        .replace("@TOTAL@", QByteArray::number(strokeMovieLength(timings)))
        .replace("@STAGE@", QByteArray::number(kStrokeStage))
        .replace("@LEFT@", QByteArray::number(kGlyphLeft))
        .replace("@SIZE@", QByteArray::number(kGlyphSize));
    return movie;
}

} // namespace qinghe::edition
