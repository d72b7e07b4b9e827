// One pinyin lesson: the sound large on a four-line grid (四线三格), its four tones, and two example
// words with a drawn picture each. Everything speaks when clicked: the movie asks the program to play
// a recording with the command "speak" and the recording's path under Data/Res/pinyin/.
// The generator writes the lesson's data into `lesson` below; this file alone shows an empty grid.
import QtQuick
import QtQuick.Shapes

Rectangle {
    id: root
    // The stage in design units; the host scales it to fit and fills the bands with its own colour.
    width: 1000
    height: 560
    // Clouds drift in from beyond the edges; the bands beside the stage stay the host's colour.
    clip: true
    gradient: Gradient {
        GradientStop { position: 0; color: "#d9f1ff" }
        GradientStop { position: 0.75; color: "#f3fbff" }
    }

    readonly property var lesson: ({}) // @lesson

    readonly property string entry: lesson.entry || ""
    readonly property string kind: lesson.kind || ""
    readonly property var tones: lesson.tones || []
    readonly property var examples: lesson.examples || []
    // One colour per kind of sound (声母 blue, 单韵母 red, …), so the child sees at a glance which
    // group a sound belongs to.
    readonly property color kindColor: ({
            "声母": "#1e5fc2",
            "单韵母": "#d8362a",
            "复韵母": "#e0650f",
            "特殊韵母": "#e0650f",
            "前鼻韵母": "#8e3bbf",
            "后鼻韵母": "#8e3bbf",
            "整体认读音节": "#178a48"
        })[kind] || "#37474f"
    readonly property var toneColors: ["#e53935", "#fb8c00", "#43a047", "#1e88e5"]
    readonly property var tonePaper: ["#ffebee", "#fff3e0", "#e8f5e9", "#e3f2fd"]
    readonly property var toneNames: ["一声", "二声", "三声", "四声"]
    readonly property string pinyinFont: "DejaVu Sans"
    readonly property string chineseFont: "楷体"

    // 0 when the lesson starts, 1 at rest; every part of the entrance is drawn from it, so Stop
    // holds the picture where it is.
    property real t: 0
    // Whether the letter has been spoken in this entrance.
    property bool spoken: false
    readonly property real landing: 0.3 // the letter has bounced in by then

    function clamp01(x) {
        return Math.max(0, Math.min(1, x))
    }
    function phase(from, to) {
        return clamp01((t - from) / (to - from))
    }
    function outBounce(x) {
        const n = 7.5625, d = 2.75
        if (x < 1 / d)
            return n * x * x
        if (x < 2 / d)
            return n * (x -= 1.5 / d) * x + 0.75
        if (x < 2.5 / d)
            return n * (x -= 2.25 / d) * x + 0.9375
        return n * (x -= 2.625 / d) * x + 0.984375
    }
    function outBack(x) {
        const c = 1.70158
        return 1 + (c + 1) * Math.pow(x - 1, 3) + c * Math.pow(x - 1, 2)
    }
    function outCubic(x) {
        return 1 - Math.pow(1 - x, 3)
    }
    function speak(sound) {
        if (sound)
            movie.fsCommand("speak", sound)
    }
    function restart() {
        entrance.stop()
        spoken = false
        t = 0
        entrance.start()
    }
    function rest() {
        entrance.stop()
        spoken = true
        t = 1
    }

    onTChanged: {
        if (!spoken && t >= landing) {
            spoken = true
            speak(lesson.sound)
        }
    }

    NumberAnimation {
        id: entrance
        objectName: "entrance"
        target: root
        property: "t"
        from: 0
        to: 1
        duration: 3000
        paused: running && !movie.playing
    }
    Component.onCompleted: restart()

    // Frame 0: the lesson from its start (the letter bounces in and speaks). Any other frame: the
    // lesson at rest, silent.
    Connections {
        target: movie
        function onFrameChanged() {
            if (movie.frame === 0)
                root.restart()
            else
                root.rest()
        }
    }

    // ---- Parts ----

    // A syllable in textbook letters (ɑ, ɡ) with its tone mark drawn over the vowel, so the mark sits
    // right on ɑ, ı and ü in any font.
    component Syllable: Item {
        id: syllable
        // t: the letters, m: the index of the letter carrying the mark, n: the tone (0 neutral).
        property var parts: ({ t: "", m: -1, n: 0 })
        // The reading as written with tone marks (bō), for people and tests.
        property string pinyin
        // The font size it is drawn at, unless that would make it wider than maxWidth.
        property real fontSize: 40
        property real maxWidth: 100000
        property color color: "#263238"
        property color markColor: color
        readonly property string letters: parts.t || ""
        readonly property int markAt: parts.m === undefined ? -1 : parts.m
        readonly property int tone: parts.n || 0
        readonly property real size: Math.min(fontSize, fontSize * maxWidth / Math.max(1, natural.advanceWidth))
        readonly property real textBaseline: label.baselineOffset
        implicitWidth: label.implicitWidth
        implicitHeight: label.implicitHeight

        TextMetrics {
            id: natural
            font.family: root.pinyinFont
            font.pixelSize: syllable.fontSize
            text: syllable.letters
        }
        Text {
            id: label
            objectName: "letters"
            text: syllable.letters
            color: syllable.color
            font.family: root.pinyinFont
            font.pixelSize: syllable.size
        }
        FontMetrics {
            id: metrics
            font: label.font
        }
        TextMetrics {
            id: before
            font: label.font
            text: syllable.letters.substring(0, Math.max(0, syllable.markAt))
        }
        TextMetrics {
            id: vowel
            font: label.font
            text: syllable.letters.charAt(syllable.markAt)
        }
        Shape {
            id: mark
            // About as wide as the vowel: a narrow ı gets a short mark.
            readonly property real w: Math.min(syllable.size * 0.4, Math.max(syllable.size * 0.3, vowel.advanceWidth * 1.1))
            readonly property real h: syllable.size * 0.17
            visible: syllable.tone > 0 && syllable.markAt >= 0 && syllable.markAt < syllable.letters.length
            x: before.advanceWidth + vowel.advanceWidth / 2 - w / 2
            // Above the x-height, and above the dots of ü.
            y: label.baselineOffset - metrics.xHeight - syllable.size * (vowel.text === "ü" ? 0.3 : 0.14) - h
            width: w
            height: h
            ShapePath {
                strokeColor: syllable.markColor
                strokeWidth: syllable.size * 0.08
                fillColor: "transparent"
                capStyle: ShapePath.RoundCap
                joinStyle: ShapePath.RoundJoin
                PathSvg {
                    path: {
                        const w = mark.w, h = mark.h
                        switch (syllable.tone) {
                        case 1: return "M 0 " + h / 2 + " L " + w + " " + h / 2
                        case 2: return "M " + w * 0.2 + " " + h + " L " + w * 0.8 + " 0"
                        case 3: return "M 0 0 L " + w / 2 + " " + h + " L " + w + " 0"
                        case 4: return "M " + w * 0.2 + " 0 L " + w * 0.8 + " " + h
                        }
                        return ""
                    }
                }
            }
        }
    }

    // A picture drawn from shapes in a 100 × 100 box: SVG path data with a fill, an outline and an
    // optional placement (x, y, k) for pictures made of smaller ones.
    component Picture: Item {
        id: picture
        property var shapes: []
        Item {
            width: 100
            height: 100
            scale: picture.width / 100
            transformOrigin: Item.TopLeft
            Repeater {
                model: picture.shapes
                delegate: Shape {
                    required property var modelData
                    x: modelData.x || 0
                    y: modelData.y || 0
                    scale: modelData.k || 1
                    transformOrigin: Item.TopLeft
                    width: 100
                    height: 100
                    antialiasing: true
                    ShapePath {
                        fillColor: modelData.f || "transparent"
                        strokeColor: modelData.s || "transparent"
                        strokeWidth: modelData.s ? (modelData.w || 2.5) : -1
                        capStyle: ShapePath.RoundCap
                        joinStyle: ShapePath.RoundJoin
                        PathSvg { path: modelData.d }
                    }
                }
            }
        }
    }

    // A rounded box drawn as a path. Rectangle's own rounded corners are drawn in nine pieces by the
    // software renderer, and the host's scaling opens hairline seams between them.
    component Box: Shape {
        id: box
        property color color: "white"
        property color borderColor: "transparent"
        property real borderWidth: 0
        property real radius: 0
        antialiasing: true
        ShapePath {
            fillColor: box.color
            strokeColor: box.borderWidth > 0 ? box.borderColor : "transparent"
            strokeWidth: box.borderWidth > 0 ? box.borderWidth : -1
            PathSvg {
                // Inset by half the border, so the border lies inside the box as a Rectangle's does.
                path: {
                    const i = box.borderWidth / 2
                    const w = box.width - 2 * i, h = box.height - 2 * i
                    const r = Math.max(0, Math.min(box.radius - i, w / 2, h / 2))
                    const x0 = i, y0 = i, x1 = i + w, y1 = i + h
                    return "M " + (x0 + r) + " " + y0 + " L " + (x1 - r) + " " + y0 +
                           " A " + r + " " + r + " 0 0 1 " + x1 + " " + (y0 + r) + " L " + x1 + " " + (y1 - r) +
                           " A " + r + " " + r + " 0 0 1 " + (x1 - r) + " " + y1 + " L " + (x0 + r) + " " + y1 +
                           " A " + r + " " + r + " 0 0 1 " + x0 + " " + (y1 - r) + " L " + x0 + " " + (y0 + r) +
                           " A " + r + " " + r + " 0 0 1 " + (x0 + r) + " " + y0 + " Z"
                }
            }
        }
    }

    // Grows a little and settles back when clicked: the child sees the click was heard.
    component Hop: SequentialAnimation {
        property Item item
        NumberAnimation { target: item; property: "hop"; to: 1; duration: 120; easing.type: Easing.OutQuad }
        NumberAnimation { target: item; property: "hop"; to: 0; duration: 260; easing.type: Easing.OutBounce }
    }

    // A small loudspeaker: "click me to hear".
    component Speaker: Shape {
        property color tint: "#90a4ae"
        width: 30
        height: 24
        ShapePath {
            fillColor: tint
            strokeColor: tint
            strokeWidth: 2
            joinStyle: ShapePath.RoundJoin
            PathSvg { path: "M 2 8 L 8 8 L 15 2 L 15 22 L 8 16 L 2 16 Z" }
        }
        ShapePath {
            fillColor: "transparent"
            strokeColor: tint
            strokeWidth: 2.5
            capStyle: ShapePath.RoundCap
            PathSvg { path: "M 20 7 Q 24 12 20 17 M 24 3 Q 31 12 24 21" }
        }
    }

    // ---- The scene ----

    // Clouds drift slowly across the sky while the movie plays.
    Repeater {
        model: [{ x: 60, y: 12, k: 1 }, { x: 560, y: 26, k: 0.8 }, { x: 880, y: 6, k: 0.65 }]
        delegate: Item {
            id: cloud
            required property var modelData
            property real drift: 0
            x: (modelData.x + drift) % 1120 - 120
            y: modelData.y
            width: 120 * modelData.k
            height: 50 * modelData.k
            NumberAnimation on drift {
                from: 0
                to: 1120
                duration: 90000
                loops: Animation.Infinite
                running: true
                paused: !movie.playing
            }
            opacity: 0.9
            Box { x: 0; y: parent.height * 0.4; width: parent.width; height: parent.height * 0.6; radius: height / 2 }
            Box { x: parent.width * 0.2; y: 0; width: parent.width * 0.45; height: parent.height * 0.9; radius: height / 2 }
            Box { x: parent.width * 0.5; y: parent.height * 0.18; width: parent.width * 0.35; height: parent.height * 0.7; radius: height / 2 }
        }
    }

    // Gentle hills with a few flowers.
    Shape {
        y: 470
        width: root.width
        height: 90
        ShapePath {
            fillColor: "#c5e8a4"
            strokeColor: "transparent"
            PathSvg { path: "M 0 30 Q 160 -6 330 22 T 660 18 T 1000 14 L 1000 90 L 0 90 Z" }
        }
        ShapePath {
            fillColor: "#a8da82"
            strokeColor: "transparent"
            PathSvg { path: "M 0 58 Q 240 30 520 52 T 1000 44 L 1000 90 L 0 90 Z" }
        }
    }
    Repeater {
        model: [{ x: 500, c: "#ff8a80" }, { x: 735, c: "#ffd54f" }, { x: 975, c: "#ce93d8" }]
        delegate: Item {
            id: flower
            required property var modelData
            x: modelData.x - 9
            y: 488
            width: 18
            height: 26
            Rectangle { x: 8; y: 10; width: 2; height: 16; color: "#689f38" }
            Repeater {
                model: 5
                delegate: Box {
                    required property int index
                    width: 8
                    height: 8
                    radius: 4
                    color: flower.modelData.c
                    x: 5 + 5 * Math.cos(index * 2 * Math.PI / 5)
                    y: 5 + 5 * Math.sin(index * 2 * Math.PI / 5)
                }
            }
            Box { x: 6; y: 6; width: 6; height: 6; radius: 3; color: "#fff59d" }
        }
    }

    Text {
        objectName: "hint"
        x: 44
        y: 508
        text: "点一点，听一听"
        font.family: root.chineseFont
        font.pixelSize: 26
        color: "#33691e"
        opacity: root.phase(0.85, 1)
    }

    // What kind of sound this is.
    Box {
        objectName: "kindChip"
        x: 40
        y: 16
        width: kindLabel.implicitWidth + 36
        height: 40
        radius: 20
        color: root.kindColor
        visible: root.kind !== ""
        opacity: root.phase(0, 0.12)
        Text {
            id: kindLabel
            objectName: "kind"
            anchors.centerIn: parent
            text: root.kind
            font.family: root.chineseFont
            font.pixelSize: 26
            color: "white"
        }
    }

    // The letter on its four-line grid.
    Item {
        id: board
        objectName: "board"
        x: 40
        y: 64
        width: 440
        height: 292
        property real hop: 0
        scale: 1 + 0.05 * hop

        Box {
            x: 4
            y: 6
            width: parent.width
            height: parent.height
            radius: 26
            color: "#14000000"
        }
        Box {
            anchors.fill: parent
            radius: 26
            color: "#fffdf7"
            borderColor: Qt.lighter(root.kindColor, 1.6)
            borderWidth: 4
        }

        // 四线三格: the letters' bodies fill the middle space, tall letters reach into the top one.
        readonly property real band: 66
        readonly property real firstLine: 46
        Repeater {
            model: 4
            delegate: Rectangle {
                required property int index
                x: 26
                width: board.width - 52
                y: board.firstLine + index * board.band - height / 2
                height: index === 2 ? 3 : 2
                color: index === 2 ? "#ef9a9a" : "#90caf9"
            }
        }
        Rectangle {
            x: 26
            width: board.width - 52
            y: board.firstLine + board.band
            height: board.band
            color: "#e3f2fd"
            opacity: 0.5
        }

        FontMetrics {
            id: letterMetrics
            font.family: root.pinyinFont
            font.pixelSize: 100
        }
        Text {
            id: letter
            objectName: "letter"
            text: root.entry
            color: root.kindColor
            font.family: root.pinyinFont
            // The letter's x-height fills the middle space exactly; long entries shrink to fit the grid.
            font.pixelSize: Math.min(100 * board.band / letterMetrics.xHeight,
                                     100 * (board.width - 80) / Math.max(1, probe.advanceWidth))
            x: (board.width - implicitWidth) / 2
            // Sits on the third line; falls in from above and bounces there.
            y: board.firstLine + 2 * board.band - baselineOffset - (1 - root.outBounce(root.phase(0, root.landing))) * 330
            opacity: root.phase(0, 0.05)
            TextMetrics {
                id: probe
                font.family: root.pinyinFont
                font.pixelSize: 100
                text: root.entry
            }
        }

        Speaker {
            objectName: "letterSpeaker"
            x: board.width - 46
            y: board.height - 38
            tint: root.kindColor
            opacity: root.phase(0.3, 0.45)
        }

        MouseArea {
            objectName: "letterArea"
            anchors.fill: parent
            onClicked: {
                root.speak(root.lesson.sound)
                letterHop.restart()
            }
        }
        Hop {
            id: letterHop
            item: board
        }
    }

    // The four tones.
    Repeater {
        model: root.tones
        delegate: Item {
            id: chip
            required property var modelData
            required property int index
            objectName: "tone" + index
            readonly property color tint: root.toneColors[index % 4]
            readonly property real arrival: root.phase(0.32 + 0.07 * index, 0.44 + 0.07 * index)
            property real hop: 0
            x: 40 + index * 113
            y: 372
            width: 101
            height: 92
            scale: root.outBack(arrival) * (1 + 0.08 * hop)
            opacity: arrival > 0 ? 1 : 0

            Box {
                anchors.fill: parent
                radius: 20
                color: root.tonePaper[chip.index % 4]
                borderColor: chip.tint
                borderWidth: 3
            }
            Syllable {
                objectName: "tone" + chip.index + "Syllable"
                anchors.horizontalCenter: parent.horizontalCenter
                y: 50 - textBaseline
                parts: chip.modelData.syllable
                pinyin: chip.modelData.py
                fontSize: 44
                maxWidth: chip.width - 14
                color: "#263238"
                markColor: chip.tint
            }
            Text {
                anchors.horizontalCenter: parent.horizontalCenter
                y: 62
                text: root.toneNames[chip.index % 4]
                font.family: root.chineseFont
                font.pixelSize: 20
                color: Qt.darker(chip.tint, 1.3)
            }
            MouseArea {
                anchors.fill: parent
                onClicked: {
                    root.speak(chip.modelData.sound)
                    chipHop.restart()
                }
            }
            Hop {
                id: chipHop
                item: chip
            }
        }
    }

    // Two example words, each with its picture.
    Repeater {
        model: root.examples
        delegate: Item {
            id: card
            required property var modelData
            required property int index
            objectName: "example" + index
            readonly property real arrival: root.outCubic(root.phase(0.42 + 0.12 * index, 0.66 + 0.12 * index))
            property real hop: 0
            x: 520 + index * 240 + (1 - arrival) * (560 - index * 120)
            y: 66
            width: 220
            height: 390
            opacity: arrival > 0 ? 1 : 0
            scale: 1 + 0.04 * hop

            Box {
                x: 4
                y: 6
                width: parent.width
                height: parent.height
                radius: 26
                color: "#14000000"
            }
            Box {
                anchors.fill: parent
                radius: 26
                color: "#ffffff"
                borderColor: "#ffe0b2"
                borderWidth: 4
            }
            Box {
                x: 14
                y: 14
                width: parent.width - 28
                height: 196
                radius: 18
                color: index === 0 ? "#fff3e0" : "#e8f5e9"
            }
            Picture {
                objectName: "example" + card.index + "Picture"
                x: 22
                y: 22
                width: 176
                height: 176
                shapes: card.modelData.picture
                // A little sway once the card has arrived, and a jump when clicked.
                rotation: 6 * Math.sin(Math.PI * root.phase(0.66 + 0.12 * card.index, 0.86 + 0.12 * card.index)) - 4 * card.hop
            }

            // The word: each character under its syllable; the syllable that holds the sound is coloured.
            Row {
                id: word
                anchors.horizontalCenter: parent.horizontalCenter
                y: 222
                spacing: 6
                readonly property real shrink: Math.min(1, 4 / Math.max(1, card.modelData.chars.length + 2))
                Repeater {
                    model: card.modelData.chars
                    delegate: Column {
                        id: column
                        required property string modelData
                        required property int index
                        spacing: 0
                        Syllable {
                            objectName: "example" + card.index + "Syllable" + column.index
                            anchors.horizontalCenter: parent.horizontalCenter
                            parts: card.modelData.syllables[column.index]
                            pinyin: card.modelData.pinyin[column.index]
                            fontSize: 32 * word.shrink
                            color: column.index === card.modelData.mark ? root.kindColor : "#546e7a"
                        }
                        Text {
                            objectName: "example" + card.index + "Char" + column.index
                            anchors.horizontalCenter: parent.horizontalCenter
                            text: column.modelData
                            font.family: root.chineseFont
                            font.pixelSize: 64 * word.shrink
                            color: "#3e2723"
                        }
                    }
                }
            }
            Text {
                objectName: "example" + card.index + "Word"
                visible: false
                text: card.modelData.zh
            }
            Speaker {
                x: card.width - 44
                y: card.height - 36
                tint: "#ffb74d"
            }
            MouseArea {
                objectName: "example" + card.index + "Area"
                anchors.fill: parent
                onClicked: {
                    root.speak(card.modelData.sound)
                    cardHop.restart()
                }
            }
            Hop {
                id: cardHop
                item: card
            }
        }
    }
}
