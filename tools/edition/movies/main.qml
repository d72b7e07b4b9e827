// The lesson movie: the lesson's title on a landscape whose season follows the school year, the text
// sentence by sentence with pinyin over every character, paged when it is long, and the buttons that
// start and stop the reading and open the lesson's other studies. Before any lesson is chosen it
// shows a welcome.
import QtQuick
import QtQuick.Shapes

Rectangle {
    id: root
    // No stage size: the lesson fills the study area, whatever its shape.
    color: "#fbf4e4"

    // What the program told us about the lesson.
    readonly property string lessonTitle: clean(movie.vars.lesson_title)
    readonly property string bookTitle: clean(movie.vars.lesson_book_title)
    readonly property string lessonNumber: clean(movie.vars.lesson_number)
    readonly property int book: firstNumber(movie.vars.book_number)
    readonly property bool hasReading: clean(movie.vars.has_reading) !== "0"
    readonly property var segments: parseSegments(movie.vars.lesson_segments)
    readonly property bool welcome: lessonTitle === "" && bookTitle === "" && lessonNumber === ""
                                    && segments.length === 0

    // Segment 0 is the title line; a classic's segment 1 names its author ("唐·李白"): it heads the
    // text, smaller and centred.
    readonly property var titleLine: segments.length > 0 && segments[0].zh !== "" ? segments[0] : null
    readonly property var authorLine: segments.length > 1 && isAuthorLine(segments[1].zh) ? segments[1] : null
    readonly property var body: segments.slice(1).filter(s => s.zh !== "")
    readonly property var titleCells: titleLine ? titleLine.cells : cellsOf(lessonTitle, "").cells
    readonly property string shownTitle: titleLine ? titleLine.zh : lessonTitle

    // The first term of a school year runs through autumn into winter, the second through spring into
    // summer: the picture follows the lesson through its term.
    readonly property int season: {
        const lesson = firstNumber(lessonNumber)
        if (book <= 0)
            return lesson % 4
        if (book % 2 === 1)
            return lesson <= 6 ? 2 : 3
        return lesson <= 8 ? 0 : 1
    }

    // The reading of the whole lesson: started and stopped by the toggle; the program shows frame 1,
    // playing, while it reads to the younger children.
    property bool reading: false
    readonly property bool singing: movie.frame === 1 && movie.playing
    property int selected: -1 // index of the sentence last clicked
    property int page: 0
    readonly property int shownPage: Math.max(0, Math.min(page, pages.length - 1))

    onSegmentsChanged: {
        reading = false
        selected = -1
        page = 0
    }

    // Sizes follow the host; text for the youngest is the largest.
    readonly property real u: Math.max(0.5, Math.min(width / 1100, height / 600))
    readonly property real bannerHeight: Math.round(122 * u)
    readonly property real sideWidth: Math.round(196 * u)
    readonly property real gap: Math.round(12 * u)
    readonly property real hanziSize: Math.round((book >= 9 ? 30 : book >= 5 ? 34 : 38) * u)
    readonly property real pinyinSize: Math.max(9, Math.round(hanziSize * 0.46))
    readonly property real cellWidth: Math.round(hanziSize * 1.3)
    readonly property real pinyinHeight: Math.round(pinyinSize * 1.3)
    readonly property real hanziHeight: Math.round(hanziSize * 1.22)
    readonly property real lineGap: Math.round(hanziSize * 0.14)
    readonly property real sentenceGap: Math.round(hanziSize * 0.3)
    readonly property real paperPadding: Math.round(14 * u)
    readonly property real footerHeight: Math.round(40 * u)
    readonly property real areaWidth: Math.max(cellWidth, width - sideWidth - 3 * gap - 2 * paperPadding)
    readonly property real areaHeight: Math.max(hanziHeight + pinyinHeight,
                                                height - bannerHeight - 2 * gap - 2 * paperPadding - footerHeight)
    // A classic whose every line fits is a poem: its lines are centred.
    readonly property bool poem: authorLine !== null && body.length > 0
                                 && body.every(s => widthOf(s.cells) * scaleOf(s) <= areaWidth)
    readonly property real authorScale: 0.66
    readonly property var pages: layoutPages(body, areaWidth, areaHeight)

    // Limits that keep a broken or enormous lesson text from freezing the program.
    readonly property int maxJsonLength: 1000000
    readonly property int maxSegments: 400
    readonly property int maxSegmentLength: 400

    function clean(value) {
        return value === undefined || value === null ? "" : String(value).trim()
    }
    function firstNumber(value) {
        const match = /[0-9]{1,6}/.exec(clean(value))
        return match ? parseInt(match[0], 10) : 0
    }
    // A byte offset: a whole number, not negative, exact in a double; -1 when it is none of these.
    function byteOffset(value) {
        if (typeof value === "string" && /^[0-9]{1,15}$/.test(value))
            value = parseInt(value, 10)
        if (typeof value !== "number" || !isFinite(value) || Math.floor(value) !== value || value < 0
                || value > 9007199254740991)
            return -1
        return value
    }
    function isHanzi(code) {
        return (code >= 0x3400 && code <= 0x4dbf) || (code >= 0x4e00 && code <= 0x9fff)
               || (code >= 0xf900 && code <= 0xfaff) || (code >= 0x20000 && code <= 0x3ffff) || code === 0x3007
    }
    // The syllables of a pinyin line, without the punctuation around them.
    function syllablesOf(py) {
        const out = []
        const tokens = py.split(/[\s'’\-]+/)
        for (let i = 0; i < tokens.length; ++i) {
            const syllable = tokens[i].replace(/^[^a-zA-Z\u00c0-\u024f\u0300-\u036f\u1e3f]+/, "")
                                      .replace(/[^a-zA-Z\u00c0-\u024f\u0300-\u036f\u1e3f]+$/, "")
            if (syllable !== "")
                out.push(syllable)
        }
        return out
    }
    // One cell per character; the pinyin goes over the characters when it has one syllable for each
    // of them, otherwise the line keeps its pinyin whole (aligned false).
    function cellsOf(zh, py) {
        const cells = []
        let hanzi = 0
        for (let i = 0; i < zh.length; ++i) {
            let code = zh.charCodeAt(i)
            let ch = zh[i]
            if (code >= 0xd800 && code <= 0xdbff && i + 1 < zh.length) {
                const low = zh.charCodeAt(i + 1)
                if (low >= 0xdc00 && low <= 0xdfff) {
                    code = (code - 0xd800) * 0x400 + (low - 0xdc00) + 0x10000
                    ch = zh.substr(i, 2)
                    ++i
                }
            }
            if (ch === " " || ch === "\t" || ch === "\r" || ch === "\n")
                continue
            const isChar = isHanzi(code)
            hanzi += isChar ? 1 : 0
            cells.push({ h: ch, p: "", hanzi: isChar, w: !isChar && isNarrow(code) ? 0.6 : 1 })
        }
        const syllables = syllablesOf(py)
        const aligned = syllables.length === hanzi
        if (aligned) {
            let next = 0
            for (let k = 0; k < cells.length; ++k) {
                if (cells[k].hanzi)
                    cells[k].p = syllables[next++]
            }
        }
        return { cells: cells, aligned: aligned || py === "" }
    }
    // Punctuation, Latin letters and digits take a narrower cell than a character.
    function isNarrow(code) {
        return code < 0x2e80 || (code >= 0x3000 && code <= 0x303f) || (code >= 0xff01 && code <= 0xff0f)
               || (code >= 0xff1a && code <= 0xff20) || (code >= 0xff3b && code <= 0xff40)
               || (code >= 0xff5b && code <= 0xff65)
    }
    function scaleOf(sentence) {
        return sentence === authorLine ? authorScale : 1
    }
    function widthOf(cells) {
        let sum = 0
        for (let i = 0; i < cells.length; ++i)
            sum += cells[i].w * cellWidth
        return sum
    }
    // Lines of at most `areaW`; as in print, no line starts with a closing mark or ends with an
    // opening one: the break moves back a character instead.
    function breakLines(cells, areaW) {
        const closing = "，。、；：？！”’）》」』〉】…,.;:?!)"
        const opening = "“‘（《「『〈【("
        const lines = []
        let start = 0
        while (start < cells.length) {
            let end = start
            let used = 0
            while (end < cells.length && (end === start || used + cells[end].w * cellWidth <= areaW + 0.01)) {
                used += cells[end].w * cellWidth
                ++end
            }
            if (end < cells.length) {
                let back = end
                while (back > start + 1 && closing.indexOf(cells[back].h) >= 0)
                    --back
                while (back > start + 1 && opening.indexOf(cells[back - 1].h) >= 0)
                    --back
                end = back
            }
            lines.push(cells.slice(start, end))
            start = end
        }
        return lines
    }
    function parseSegments(json) {
        const list = []
        if (typeof json !== "string" || json === "" || json.length > maxJsonLength)
            return list
        let data
        try {
            data = JSON.parse(json)
        } catch (error) {
            return list
        }
        if (!Array.isArray(data))
            return list
        const count = Math.min(data.length, maxSegments)
        for (let i = 0; i < count; ++i) {
            const item = data[i]
            const usable = item !== null && typeof item === "object"
            const zh = usable && typeof item.zh === "string" ? item.zh.trim().slice(0, maxSegmentLength) : ""
            const py = usable && typeof item.py === "string" ? item.py.trim().slice(0, maxSegmentLength * 8) : ""
            const start = usable ? byteOffset(item.start) : -1
            const end = usable ? byteOffset(item.end) : -1
            const split = cellsOf(zh, py)
            list.push({
                index: i, zh: zh, py: py, start: start, end: end,
                // end 0 reads on to the end of the recording
                playable: start >= 0 && end >= 0 && (end === 0 || end > start),
                cells: split.cells, aligned: split.aligned
            })
        }
        return list
    }
    function isAuthorLine(zh) {
        return zh.length > 0 && zh.length <= 16 && (zh.indexOf("·") >= 0 || zh.indexOf("•") >= 0)
               && !/[。，！？；：,.!?]/.test(zh)
    }
    // Pages of rows: a sentence starts on a new line and stays on one page unless it is longer than
    // a page; a sentence whose pinyin could not be set over its characters gets it as a line above.
    function layoutPages(sentences, areaW, areaH) {
        const pages = [[]]
        let bottom = 0
        for (let s = 0; s < sentences.length; ++s) {
            const sentence = sentences[s]
            const scale = scaleOf(sentence)
            const rows = []
            if (!sentence.aligned) {
                const lines = Math.max(1, Math.ceil(sentence.py.length * pinyinSize * scale * 0.6 / areaW))
                rows.push({ kind: "pinyin", pinyin: sentence.py, cells: [], height: lines * pinyinHeight * scale })
            }
            const lines = breakLines(sentence.cells, areaW / scale)
            for (let k = 0; k < lines.length; ++k) {
                rows.push({ kind: "cells", cells: lines[k], pinyin: "",
                            height: Math.round((sentence.aligned ? pinyinHeight + hanziHeight : hanziHeight) * scale) })
            }
            let total = -lineGap
            for (let r = 0; r < rows.length; ++r)
                total += rows[r].height + lineGap
            let top = bottom === 0 ? 0 : bottom + sentenceGap
            if (top + total > areaH && bottom > 0) {
                pages.push([])
                top = 0
            }
            let part = 0
            for (let r = 0; r < rows.length; ++r) {
                const row = rows[r]
                if (top + row.height > areaH && top > 0) {
                    pages.push([])
                    top = 0
                }
                const rowWidth = row.kind === "cells" ? widthOf(row.cells) * scale : areaW
                row.segment = sentence.index
                row.part = row.kind === "cells" ? part++ : -1
                row.playable = sentence.playable
                row.x = poem || scale !== 1 ? Math.max(0, (areaW - rowWidth) / 2) : 0
                row.scale = scale
                row.aligned = sentence.aligned
                row.y = top
                row.width = rowWidth
                row.text = row.cells.map(c => c.h).join("")
                row.cellPinyin = row.cells.filter(c => c.p !== "").map(c => c.p).join(" ")
                pages[pages.length - 1].push(row)
                top += row.height + lineGap
            }
            bottom = top - lineGap
        }
        return pages
    }

    function playSentence(segment) {
        if (!hasReading || !segment.playable)
            return
        selected = segment.index
        reading = false
        movie.fsCommand("lesson_play", segment.start + "," + segment.end)
    }
    function turnTo(newPage) {
        if (newPage < 0 || newPage >= pages.length || newPage === shownPage)
            return
        page = newPage
        // Below book 9 the program stops the reading when a page is turned; above, it reads on.
        if (book < 9)
            reading = false
        movie.fsCommand("lesson_page", "")
    }
    function toggleReading() {
        reading = !reading
        movie.fsCommand("read_lx", reading ? "true" : "false")
    }

    // ---- Parts ----

    // A line of characters with their pinyin above, one cell each.
    component CellLine: Row {
        id: line
        property var cells: []
        property real hanzi: 36
        property real pinyin: 16
        property real cell: 46
        property bool showPinyin: true
        property color ink: "#4e342e"
        property color pinyinInk: "#00897b"
        Repeater {
            model: line.cells
            delegate: Column {
                required property var modelData
                width: line.cell * modelData.w
                Text {
                    visible: line.showPinyin
                    x: line.cell * 0.04
                    width: line.cell * 0.92
                    height: Math.round(line.pinyin * 1.3)
                    horizontalAlignment: Text.AlignHCenter
                    verticalAlignment: Text.AlignBottom
                    text: modelData.p
                    font.family: "楷体"
                    font.pixelSize: line.pinyin
                    fontSizeMode: Text.HorizontalFit
                    minimumPixelSize: Math.max(6, Math.round(line.pinyin * 0.6))
                    color: line.pinyinInk
                }
                Text {
                    width: parent.width
                    height: Math.round(line.hanzi * 1.22)
                    horizontalAlignment: Text.AlignHCenter
                    verticalAlignment: Text.AlignVCenter
                    text: modelData.h
                    font.family: "楷体"
                    font.pixelSize: line.hanzi
                    color: line.ink
                }
            }
        }
    }

    // A big friendly button.
    component Pill: Rectangle {
        id: pill
        property alias label: pillText.text
        property color tint: "#c8e6c9"
        property color edge: "#66bb6a"
        property real leftSpace: 0
        property real fontSize: Math.round(27 * root.u)
        signal clicked()
        width: root.sideWidth - 2 * root.gap
        height: Math.round(58 * root.u)
        radius: height / 2
        color: pillArea.containsMouse ? Qt.lighter(tint, 1.05) : tint
        border.color: edge
        border.width: Math.max(2, Math.round(3 * root.u))
        scale: pillArea.pressed ? 0.95 : 1
        Text {
            id: pillText
            x: pill.leftSpace + (pill.width - pill.leftSpace - width) / 2
            anchors.verticalCenter: parent.verticalCenter
            font.family: "楷体"
            font.pixelSize: pill.fontSize
            font.bold: true
            color: "#3e2723"
        }
        MouseArea {
            id: pillArea
            anchors.fill: parent
            hoverEnabled: true
            onClicked: pill.clicked()
        }
    }

    // The landscape: sky, sun, drifting clouds, hills, a tree with a bird, and the season's flowers,
    // leaves or snow. The bird sings while the lesson is read aloud.
    component Landscape: Item {
        id: land
        property int season: 0
        property bool lively: true
        property bool singing: false
        property real u: 1
        property real treeX: 0.2 // where the tree stands, as a share of the width
        property real treeSize: 96
        clip: true
        // spring, summer, autumn, winter
        readonly property var skyTop: ["#bfe6ff", "#8fd3ff", "#cfe3f0", "#dde7f0"]
        readonly property var skyLow: ["#eaf7ff", "#d8f1ff", "#fbefd9", "#f4f7fa"]
        readonly property var farHill: ["#b9e4a8", "#8fd18a", "#e8c27a", "#e3ebf1"]
        readonly property var nearHill: ["#8fd07e", "#5fbf62", "#d9a05a", "#ffffff"]
        readonly property var crown: ["#f8bbd0", "#66bb6a", "#ffa726", "#e8eef3"]
        readonly property var crownEdge: ["#f48fb1", "#43a047", "#ef6c00", "#b0bec5"]
        readonly property var fall: ["#f8a5c2", "#ffffff", "#f57c00", "#ffffff"]

        property real clock // seconds, for the gentle motions below
        NumberAnimation on clock {
            from: 0
            to: 600
            duration: 600000
            loops: Animation.Infinite
            // Paused rather than stopped, so that playing again goes on from where it was.
            running: true
            paused: !land.lively
        }

        Rectangle {
            anchors.fill: parent
            gradient: Gradient {
                GradientStop { position: 0; color: land.skyTop[land.season] }
                GradientStop { position: 1; color: land.skyLow[land.season] }
            }
        }

        // Clouds drift across and come round again.
        Repeater {
            model: 3
            delegate: Item {
                id: cloud
                required property int index
                readonly property real size: (index === 1 ? 0.8 : 1) * 84 * land.u
                readonly property real travel: land.width + size * 2
                width: size
                height: size * 0.42
                x: ((index * 0.37 + 0.12) * travel + land.clock * (6 + index * 2) * land.u) % travel - size
                y: (10 + index * 17) * land.u
                opacity: 0.92
                Rectangle { x: 0; y: cloud.height * 0.4; width: cloud.width; height: cloud.height * 0.6; radius: height / 2; color: "white" }
                Rectangle { x: cloud.width * 0.18; y: cloud.height * 0.1; width: cloud.width * 0.4; height: width; radius: width / 2; color: "white" }
                Rectangle { x: cloud.width * 0.45; y: 0; width: cloud.width * 0.34; height: width; radius: width / 2; color: "white" }
            }
        }

        // The sun, smiling, its rays turning slowly.
        Item {
            id: sun
            width: Math.round(60 * land.u)
            height: width
            x: land.width - width - Math.round(46 * land.u)
            y: Math.round(16 * land.u)
            Repeater {
                model: 12
                delegate: Rectangle {
                    required property int index
                    x: sun.width / 2 - width / 2
                    y: -sun.width * 0.28
                    width: Math.max(2, Math.round(5 * land.u))
                    height: sun.width * 0.32
                    radius: width / 2
                    color: "#ffca28"
                    transform: Rotation {
                        origin.x: width / 2
                        origin.y: sun.width * 0.28 + sun.width / 2
                        angle: index * 30 + land.clock * (land.singing ? 24 : 6)
                    }
                }
            }
            Rectangle {
                anchors.fill: parent
                radius: width / 2
                color: land.season === 3 ? "#ffe082" : "#ffd54f"
                border.color: "#ffb300"
                border.width: Math.max(1, Math.round(2 * land.u))
            }
            Rectangle { x: sun.width * 0.3; y: sun.width * 0.36; width: sun.width * 0.09; height: width * 1.4; radius: width / 2; color: "#6d4c41" }
            Rectangle { x: sun.width * 0.61; y: sun.width * 0.36; width: sun.width * 0.09; height: width * 1.4; radius: width / 2; color: "#6d4c41" }
            Shape {
                anchors.fill: parent
                ShapePath {
                    strokeColor: "#6d4c41"
                    strokeWidth: Math.max(1.5, 3 * land.u)
                    fillColor: "transparent"
                    capStyle: ShapePath.RoundCap
                    startX: sun.width * 0.32
                    startY: sun.width * 0.62
                    PathQuad { x: sun.width * 0.68; y: sun.width * 0.62; controlX: sun.width * 0.5; controlY: sun.width * 0.8 }
                }
            }
        }

        // Far hills, then near hills.
        Shape {
            anchors.fill: parent
            ShapePath {
                fillColor: land.farHill[land.season]
                strokeColor: "transparent"
                startX: 0
                startY: land.height * 0.62
                PathQuad { x: land.width * 0.35; y: land.height * 0.6; controlX: land.width * 0.17; controlY: land.height * 0.3 }
                PathQuad { x: land.width * 0.7; y: land.height * 0.64; controlX: land.width * 0.52; controlY: land.height * 0.36 }
                PathQuad { x: land.width; y: land.height * 0.58; controlX: land.width * 0.86; controlY: land.height * 0.32 }
                PathLine { x: land.width; y: land.height }
                PathLine { x: 0; y: land.height }
            }
        }
        Shape {
            anchors.fill: parent
            ShapePath {
                fillColor: land.nearHill[land.season]
                strokeColor: land.season === 3 ? "#cfd8dc" : "transparent"
                strokeWidth: 2
                startX: 0
                startY: land.height * 0.8
                PathQuad { x: land.width * 0.5; y: land.height * 0.82; controlX: land.width * 0.25; controlY: land.height * 0.6 }
                PathQuad { x: land.width; y: land.height * 0.76; controlX: land.width * 0.78; controlY: land.height * 0.98 }
                PathLine { x: land.width; y: land.height }
                PathLine { x: 0; y: land.height }
            }
        }

        // Flowers along the near hill (none in winter).
        Repeater {
            model: land.season === 3 ? 0 : 9
            delegate: Item {
                required property int index
                readonly property real size: (land.season === 1 ? 15 : 11) * land.u
                x: land.width * (0.05 + index * 0.112) - size / 2
                y: land.height * (index % 2 === 0 ? 0.84 : 0.9) - size / 2
                width: size
                height: size
                Repeater {
                    model: 5
                    delegate: Rectangle {
                        required property int index
                        width: parent.width * 0.55
                        height: width
                        radius: width / 2
                        x: parent.width / 2 - width / 2 + Math.cos(index * 1.2566) * parent.width * 0.32
                        y: parent.height / 2 - height / 2 + Math.sin(index * 1.2566) * parent.height * 0.32
                        color: land.season === 0 ? "#f48fb1" : land.season === 1 ? "#ffd740" : "#ffb74d"
                    }
                }
                Rectangle {
                    anchors.centerIn: parent
                    width: parent.width * 0.4
                    height: width
                    radius: width / 2
                    color: land.season === 1 ? "#8d6e63" : "#fff176"
                }
            }
        }

        // The tree, and the bird that sings on it.
        Item {
            id: tree
            readonly property real size: Math.min(land.height * 0.62, land.treeSize * land.u)
            x: land.width * land.treeX
            y: land.height * 0.8 - size
            width: size * 0.9
            height: size
            Rectangle {
                x: tree.width / 2 - width / 2
                y: tree.height * 0.45
                width: tree.width * 0.14
                height: tree.height * 0.55
                radius: width / 3
                color: "#8d6e63"
            }
            Repeater {
                model: [Qt.point(0.5, 0.28), Qt.point(0.25, 0.45), Qt.point(0.75, 0.45)]
                delegate: Rectangle {
                    required property point modelData
                    width: tree.width * 0.58
                    height: width
                    radius: width / 2
                    x: tree.width * modelData.x - width / 2
                    y: tree.height * modelData.y - height / 2
                    color: land.crown[land.season]
                    border.color: land.crownEdge[land.season]
                    border.width: Math.max(1, 2 * land.u)
                }
            }
            Item {
                id: bird
                objectName: "bird"
                width: tree.width * 0.3
                height: width
                x: tree.width * 0.78
                y: tree.height * 0.42 - height + (land.singing ? Math.sin(land.clock * 9) * 2 * land.u : 0)
                Rectangle { anchors.fill: parent; radius: width / 2; color: "#4fc3f7"; border.color: "#0288d1"; border.width: 1 }
                Rectangle { x: parent.width * 0.18; y: parent.height * 0.5; width: parent.width * 0.5; height: parent.height * 0.36; radius: height / 2; color: "#e1f5fe" }
                Rectangle { x: parent.width * 0.6; y: parent.height * 0.26; width: parent.width * 0.14; height: width; radius: width / 2; color: "#263238" }
                Shape {
                    anchors.fill: parent
                    ShapePath {
                        fillColor: "#ffa000"
                        strokeColor: "transparent"
                        startX: bird.width * 0.92
                        startY: bird.height * (land.singing ? 0.3 : 0.36)
                        PathLine { x: bird.width * 1.22; y: bird.height * 0.44 }
                        PathLine { x: bird.width * 0.92; y: bird.height * (land.singing ? 0.58 : 0.52) }
                    }
                }
            }
            // Notes float up from the bird while it sings.
            Repeater {
                model: 3
                delegate: Text {
                    required property int index
                    readonly property real rise: ((land.clock * 0.7 + index / 3) % 1)
                    objectName: "note" + index
                    visible: land.singing
                    x: bird.x + bird.width * 1.1 + index * 9 * land.u + Math.sin(rise * 6.28) * 5 * land.u
                    y: bird.y + bird.height * 0.2 - rise * 34 * land.u
                    opacity: 1 - rise * 0.6
                    text: index === 1 ? "♫" : "♪"
                    font.pixelSize: Math.round(24 * land.u)
                    color: ["#e91e63", "#7e57c2", "#00897b"][index]
                }
            }
        }

        // Petals, leaves or snowflakes drifting down (summer has none).
        Repeater {
            model: land.season === 1 ? 0 : 14
            delegate: Rectangle {
                required property int index
                readonly property real speed: 12 + (index * 7) % 11
                readonly property real fallen: (index * 53 + land.clock * speed * land.u) % (land.height + 20)
                x: (index * 0.0731 * land.width + Math.sin(land.clock * 0.8 + index) * 12 * land.u) % land.width
                y: fallen - 10
                width: (land.season === 3 ? 6 : 8) * land.u
                height: land.season === 3 ? width : width * 0.6
                radius: land.season === 3 ? width / 2 : height / 2
                rotation: land.season === 3 ? 0 : land.clock * 40 + index * 25
                color: land.fall[land.season]
                border.color: land.season === 3 ? "#cfd8dc" : "transparent"
                border.width: land.season === 3 ? 1 : 0
                opacity: 0.9
            }
        }
    }

    // ---- The welcome, before any lesson ----
    Item {
        objectName: "welcome"
        anchors.fill: parent
        visible: root.welcome
        Landscape {
            anchors.fill: parent
            season: 0
            u: root.u
            treeX: 0.08
            treeSize: 200
            lively: movie.playing && root.welcome
        }
        Rectangle {
            anchors.centerIn: parent
            width: Math.round(520 * root.u)
            height: Math.round(250 * root.u)
            radius: Math.round(30 * root.u)
            color: "#fffdf6"
            border.color: "#e6d3a8"
            border.width: Math.max(2, Math.round(3 * root.u))
            Column {
                anchors.centerIn: parent
                spacing: Math.round(8 * root.u)
                CellLine {
                    objectName: "welcomeTitle"
                    anchors.horizontalCenter: parent.horizontalCenter
                    cells: root.cellsOf("青禾书屋", "qīng hé shū wū").cells
                    hanzi: Math.round(72 * root.u)
                    pinyin: Math.round(26 * root.u)
                    cell: Math.round(90 * root.u)
                    ink: "#2e7d32"
                }
                Text {
                    objectName: "welcomeHint"
                    anchors.horizontalCenter: parent.horizontalCenter
                    text: "请在左边选一课，我们一起学习吧！"
                    font.family: "楷体"
                    font.pixelSize: Math.round(28 * root.u)
                    color: "#6d4c41"
                }
            }
        }
    }

    // ---- The lesson ----
    Item {
        objectName: "lesson"
        anchors.fill: parent
        visible: !root.welcome

        Landscape {
            objectName: "landscape"
            width: parent.width
            height: root.bannerHeight
            season: root.season
            u: root.u
            lively: movie.playing && !root.welcome
            singing: root.singing
        }

        // Lesson number and book on the left of the picture.
        Column {
            x: root.gap
            y: root.gap
            spacing: Math.round(6 * root.u)
            Rectangle {
                visible: root.lessonNumber !== ""
                width: numberText.implicitWidth + Math.round(28 * root.u)
                height: Math.round(44 * root.u)
                radius: height / 2
                color: "#66bb6a"
                border.color: "#ffffff"
                border.width: Math.max(2, Math.round(3 * root.u))
                Text {
                    id: numberText
                    objectName: "lessonNumber"
                    anchors.centerIn: parent
                    text: root.lessonNumber
                    font.family: "楷体"
                    font.pixelSize: Math.round(26 * root.u)
                    font.bold: true
                    color: "#ffffff"
                }
            }
            Rectangle {
                visible: root.bookTitle !== ""
                width: bookText.implicitWidth + Math.round(20 * root.u)
                height: Math.round(30 * root.u)
                radius: height / 2
                color: "#ccffffff"
                Text {
                    id: bookText
                    objectName: "bookTitle"
                    anchors.centerIn: parent
                    text: root.bookTitle
                    font.family: "楷体"
                    font.pixelSize: Math.round(19 * root.u)
                    color: "#5d4037"
                }
            }
        }

        // The title: click to hear it.
        Rectangle {
            id: titleCard
            readonly property real titleHanzi: Math.min(Math.round(44 * root.u),
                                                        (root.width * 0.5) / Math.max(1, root.titleCells.length) / 1.2)
            anchors.horizontalCenter: parent.horizontalCenter
            y: Math.round((root.bannerHeight - height) / 2)
            width: Math.max(titleStack.width, Math.round(160 * root.u)) + Math.round(48 * root.u)
            height: titleStack.height + Math.round(14 * root.u)
            radius: Math.round(20 * root.u)
            color: titleArea.containsMouse && titleArea.enabled ? "#fffbe6" : "#f2fffdf6"
            border.color: root.selected === 0 ? "#ffb300" : "#e6d3a8"
            border.width: Math.max(2, Math.round(3 * root.u))
            Column {
                id: titleStack
                anchors.centerIn: parent
                CellLine {
                    id: titleLineItem
                    objectName: "lessonTitle"
                    readonly property string text: root.shownTitle
                    readonly property string pinyinText: root.titleLine ? root.titleLine.py : ""
                    anchors.horizontalCenter: parent.horizontalCenter
                    cells: root.titleCells
                    hanzi: titleCard.titleHanzi
                    pinyin: Math.round(titleCard.titleHanzi * 0.45)
                    cell: Math.round(titleCard.titleHanzi * 1.2)
                    showPinyin: root.titleLine !== null && root.titleLine.aligned
                    ink: "#3e2723"
                }
            }
            MouseArea {
                id: titleArea
                anchors.fill: parent
                hoverEnabled: true
                enabled: root.hasReading && root.titleLine !== null && root.titleLine.playable
                onClicked: root.playSentence(root.titleLine)
            }
        }

        // The page of text.
        Rectangle {
            id: paper
            objectName: "paper"
            x: root.gap
            y: root.bannerHeight + root.gap
            width: root.width - root.sideWidth - 3 * root.gap
            height: root.height - root.bannerHeight - 2 * root.gap
            radius: Math.round(18 * root.u)
            color: "#fffdf7"
            border.color: "#eadcc0"
            border.width: Math.max(1, Math.round(2 * root.u))

            Item {
                id: area
                x: root.paperPadding
                y: root.paperPadding
                width: root.areaWidth
                height: root.areaHeight

                Text {
                    objectName: "noText"
                    anchors.centerIn: parent
                    visible: root.body.length === 0
                    text: "这一课的课文还在准备中。"
                    font.family: "楷体"
                    font.pixelSize: Math.round(26 * root.u)
                    color: "#a1887f"
                }

                Repeater {
                    model: root.pages[root.shownPage]
                    delegate: Rectangle {
                        id: row
                        required property var modelData
                        readonly property string text: modelData.text
                        readonly property string pinyin: modelData.kind === "pinyin" ? modelData.pinyin
                                                                                       : modelData.cellPinyin
                        readonly property bool clickable: root.hasReading && modelData.playable
                        objectName: modelData.kind === "pinyin" ? "linePinyin_" + modelData.segment
                                                                : "line_" + modelData.segment + "_" + modelData.part
                        x: modelData.x - Math.round(6 * root.u)
                        y: modelData.y
                        width: modelData.width + Math.round(12 * root.u)
                        height: modelData.height
                        radius: Math.round(10 * root.u)
                        color: root.selected === modelData.segment ? "#fff1b8"
                             : rowArea.containsMouse && clickable ? "#f3f9ec" : "transparent"
                        CellLine {
                            x: Math.round(6 * root.u)
                            visible: row.modelData.kind === "cells"
                            cells: row.modelData.cells
                            hanzi: root.hanziSize * row.modelData.scale
                            pinyin: root.pinyinSize * row.modelData.scale
                            cell: root.cellWidth * row.modelData.scale
                            showPinyin: row.modelData.aligned
                            ink: row.modelData.scale < 1 ? "#6d4c41" : "#4e342e"
                        }
                        Text {
                            x: Math.round(6 * root.u)
                            width: row.modelData.width
                            height: row.height
                            visible: row.modelData.kind === "pinyin"
                            text: row.modelData.pinyin
                            wrapMode: Text.WordWrap
                            verticalAlignment: Text.AlignBottom
                            font.family: "楷体"
                            font.pixelSize: root.pinyinSize * row.modelData.scale
                            color: "#00897b"
                        }
                        MouseArea {
                            id: rowArea
                            anchors.fill: parent
                            hoverEnabled: true
                            enabled: row.clickable
                            onClicked: root.playSentence(root.segments[row.modelData.segment])
                        }
                    }
                }
            }

            // Page turning, or a hint when the lesson fits one page.
            Item {
                x: root.paperPadding
                y: parent.height - root.paperPadding - root.footerHeight
                width: root.areaWidth
                height: root.footerHeight
                Text {
                    objectName: "hint"
                    anchors.centerIn: parent
                    visible: root.pages.length <= 1 && root.hasReading && root.body.length > 0
                    text: "点一点句子，听一听。"
                    font.family: "楷体"
                    font.pixelSize: Math.round(20 * root.u)
                    color: "#a1887f"
                }
                Row {
                    anchors.centerIn: parent
                    spacing: Math.round(18 * root.u)
                    visible: root.pages.length > 1
                    Pill {
                        objectName: "pagePrev"
                        width: Math.round(130 * root.u)
                        height: Math.round(42 * root.u)
                        label: "◀ 上一页"
                        fontSize: Math.round(21 * root.u)
                        tint: "#e3f2fd"
                        edge: "#64b5f6"
                        opacity: root.shownPage > 0 ? 1 : 0.4
                        onClicked: root.turnTo(root.shownPage - 1)
                    }
                    Text {
                        objectName: "pageLabel"
                        anchors.verticalCenter: parent.verticalCenter
                        text: (root.shownPage + 1) + " / " + root.pages.length
                        font.family: "楷体"
                        font.pixelSize: Math.round(24 * root.u)
                        color: "#5d4037"
                    }
                    Pill {
                        objectName: "pageNext"
                        width: Math.round(130 * root.u)
                        height: Math.round(42 * root.u)
                        label: "下一页 ▶"
                        fontSize: Math.round(21 * root.u)
                        tint: "#e3f2fd"
                        edge: "#64b5f6"
                        opacity: root.shownPage < root.pages.length - 1 ? 1 : 0.4
                        onClicked: root.turnTo(root.shownPage + 1)
                    }
                }
            }
        }

        // The lesson's buttons.
        Rectangle {
            x: root.width - root.sideWidth - root.gap
            y: root.bannerHeight + root.gap
            width: root.sideWidth
            height: root.height - root.bannerHeight - 2 * root.gap
            radius: Math.round(18 * root.u)
            color: "#f1f8e9"
            border.color: "#dcedc8"
            border.width: Math.max(1, Math.round(2 * root.u))
            Column {
                anchors.centerIn: parent
                spacing: Math.round(16 * root.u)
                Pill {
                    id: readToggle
                    objectName: "readToggle"
                    visible: root.hasReading
                    label: root.reading ? "停止朗读" : "朗读课文"
                    tint: root.reading ? "#ffe0b2" : "#c8e6c9"
                    edge: root.reading ? "#fb8c00" : "#66bb6a"
                    leftSpace: Math.round(34 * root.u)
                    onClicked: root.toggleReading()
                    // A little loudspeaker; its waves move while the lesson is read.
                    Shape {
                        x: Math.round(16 * root.u)
                        y: parent.height / 2 - height / 2
                        width: Math.round(30 * root.u)
                        height: Math.round(26 * root.u)
                        ShapePath {
                            fillColor: "#5d4037"
                            strokeColor: "transparent"
                            startX: 0
                            startY: 8 * root.u
                            PathLine { x: 6 * root.u; y: 8 * root.u }
                            PathLine { x: 13 * root.u; y: 2 * root.u }
                            PathLine { x: 13 * root.u; y: 24 * root.u }
                            PathLine { x: 6 * root.u; y: 18 * root.u }
                            PathLine { x: 0; y: 18 * root.u }
                        }
                        ShapePath {
                            strokeColor: "#5d4037"
                            strokeWidth: Math.max(1.5, 2.5 * root.u)
                            fillColor: "transparent"
                            capStyle: ShapePath.RoundCap
                            startX: 18 * root.u
                            startY: 8 * root.u
                            PathQuad { x: 18 * root.u; y: 18 * root.u; controlX: 23 * root.u; controlY: 13 * root.u }
                        }
                        ShapePath {
                            strokeColor: "#5d4037"
                            strokeWidth: Math.max(1.5, 2.5 * root.u)
                            fillColor: "transparent"
                            capStyle: ShapePath.RoundCap
                            startX: 22 * root.u
                            startY: 3 * root.u
                            PathQuad { x: 22 * root.u; y: 23 * root.u; controlX: 31 * root.u; controlY: 13 * root.u }
                        }
                        property real pulse
                        NumberAnimation on pulse {
                            from: 0
                            to: 1
                            duration: 800
                            loops: Animation.Infinite
                            running: root.singing
                        }
                        opacity: root.singing ? 0.35 + 0.65 * Math.abs(Math.cos(pulse * Math.PI)) : 1
                    }
                }
                Pill {
                    objectName: "btnKwxx"
                    label: "课文点读"
                    tint: "#e3f2fd"
                    edge: "#64b5f6"
                    onClicked: movie.fsCommand("btnkwxx", "")
                }
                Pill {
                    objectName: "btnBkyd"
                    label: "本课要点"
                    tint: "#fce4ec"
                    edge: "#f06292"
                    onClicked: movie.fsCommand("btnbkyd", "")
                }
                Pill {
                    objectName: "btnZcsj"
                    label: "字词速记"
                    tint: "#fff3e0"
                    edge: "#ffa726"
                    onClicked: movie.fsCommand("btnzcsj", "")
                }
            }
        }
    }
}
