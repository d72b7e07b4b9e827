// The character card of character study: the character in a 田字格 with its reading, its word groups
// and an example sentence, each of them clickable to hear it. The square on the left stays free: the
// program lays the stroke-order movie over it.
import QtQuick
import QtQuick.Shapes

Rectangle {
    id: card
    // The stage in design units; the program places the stroke-order movie by these numbers.
    width: 576
    height: 304
    color: "#fffaf0"

    readonly property string character: clean(movie.vars.txt_zi)
    readonly property string reading: clean(movie.vars.txt_pinyin)
    readonly property string readings: clean(movie.vars.txt_pinyinall)
    readonly property string book: clean(movie.vars.txt_book)
    readonly property string sentence: clean(movie.vars.txt_juzi)
    readonly property var words: [clean(movie.vars.txt_zuci1), clean(movie.vars.txt_zuci2), clean(movie.vars.txt_zuci3)]
    // str_ziimg says how many word groups count; with a missing or odd value every word given shows.
    readonly property int wordCount: {
        const n = parseInt(clean(movie.vars.str_ziimg), 10)
        return n >= 1 && n <= 3 ? n : 3
    }
    // The edition folder (a file:/// address). This card needs nothing from it: every picture here is
    // drawn, and a missing file would only add a warning to the log on every character.
    readonly property string editionFolder: clean(movie.vars.str_path)
    // How often the program asked for a refresh (callFrame "_root", 0).
    property int refreshCount: 0

    function clean(value) {
        return value === undefined || value === null ? "" : String(value).trim()
    }
    function refresh() {
        refreshCount += 1
        if (movie.playing)
            pop.restart()
        else
            arrival = 1
    }

    Connections {
        target: movie
        function onCallFrame(target, frame) {
            if (target === "_root" && frame === 0)
                card.refresh()
        }
        // A stopped card shows the character whole rather than halfway in.
        function onPlayingChanged() {
            if (!movie.playing)
                pop.complete()
        }
    }

    // 0 → 1 each time a character is shown: the character pops in, the word groups follow it.
    property real arrival: 1
    NumberAnimation {
        id: pop
        target: card
        property: "arrival"
        from: 0
        to: 1
        duration: 650
        easing.type: Easing.OutCubic
    }

    // A leafy band along the top.
    Rectangle {
        width: parent.width
        height: 10
        gradient: Gradient {
            orientation: Gradient.Horizontal
            GradientStop { position: 0; color: "#a5d6a7" }
            GradientStop { position: 0.5; color: "#ffe082" }
            GradientStop { position: 1; color: "#90caf9" }
        }
    }

    // The stroke-order square: only a frame; the stroke movie plays inside it.
    Rectangle {
        objectName: "strokeFrame"
        x: 22
        y: 62
        width: 214
        height: 218
        radius: 16
        color: "#ffffff"
        border.color: "#a5d6a7"
        border.width: 4
    }
    Rectangle {
        x: 29
        y: 24
        width: 92
        height: 30
        radius: 15
        color: "#c8e6c9"
        Text {
            anchors.centerIn: parent
            text: "看笔顺"
            font.family: "楷体"
            font.pixelSize: 20
            font.bold: true
            color: "#2e7d32"
        }
    }
    Text {
        objectName: "book"
        x: 128
        y: 26
        width: 100
        horizontalAlignment: Text.AlignRight
        text: card.book.length > 0 ? "第" + card.book + "册" : ""
        font.family: "楷体"
        font.pixelSize: 18
        color: "#8d6e63"
    }

    // The character again, large, with its reading: click to hear it.
    Item {
        id: hanzi
        x: 258
        y: 12
        width: 136
        height: 186
        Text {
            objectName: "pinyin"
            width: parent.width + 20
            x: -10
            height: 44
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            text: card.reading
            font.family: "楷体"
            font.pixelSize: 34
            fontSizeMode: Text.HorizontalFit
            minimumPixelSize: 16
            color: "#00897b"
        }
        Rectangle {
            id: grid
            y: 50
            width: 136
            height: 136
            color: "#fffdf6"
            border.color: "#e57373"
            border.width: 3
            Shape {
                anchors.fill: parent
                ShapePath {
                    strokeColor: "#f3b3b3"
                    strokeWidth: 1.5
                    strokeStyle: ShapePath.DashLine
                    dashPattern: [4, 4]
                    fillColor: "transparent"
                    startX: 0
                    startY: 68
                    PathLine { x: 136; y: 68 }
                    PathMove { x: 68; y: 0 }
                    PathLine { x: 68; y: 136 }
                    PathMove { x: 0; y: 0 }
                    PathLine { x: 136; y: 136 }
                    PathMove { x: 136; y: 0 }
                    PathLine { x: 0; y: 136 }
                }
            }
            Text {
                objectName: "character"
                anchors.centerIn: parent
                text: card.character
                font.family: "楷体"
                font.pixelSize: 104
                color: "#4e342e"
                scale: 0.6 + 0.4 * Math.min(1, card.arrival * 1.6)
                opacity: Math.min(1, card.arrival * 2.5)
            }
        }
        MouseArea {
            objectName: "characterArea"
            anchors.fill: parent
            onClicked: movie.fsCommand("btnhanzi", "")
        }
    }

    // Every reading of the character, and the way to quick memorising.
    Rectangle {
        x: 410
        y: 62
        width: 150
        height: 68
        radius: 14
        color: "#e0f2f1"
        Text {
            x: 12
            y: 6
            text: "读音"
            font.family: "楷体"
            font.pixelSize: 16
            color: "#00796b"
        }
        Text {
            objectName: "readings"
            x: 10
            y: 26
            width: parent.width - 20
            height: 38
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            text: card.readings
            font.family: "楷体"
            font.pixelSize: 24
            fontSizeMode: Text.Fit
            minimumPixelSize: 12
            wrapMode: Text.WordWrap
            color: "#004d40"
        }
    }
    Rectangle {
        objectName: "quickMemorise"
        x: 410
        y: 146
        width: 150
        height: 44
        radius: 22
        color: "#ffcc80"
        border.color: "#fb8c00"
        border.width: 3
        scale: quickArea.pressed ? 0.95 : 1
        Text {
            anchors.centerIn: parent
            text: "字词速记"
            font.family: "楷体"
            font.pixelSize: 24
            font.bold: true
            color: "#5d4037"
        }
        MouseArea {
            id: quickArea
            anchors.fill: parent
            onClicked: movie.fsCommand("btnzcsj", "")
        }
    }
    // Word groups: as many chips as str_ziimg says, each sends its own command.
    Row {
        x: 258
        y: 204
        spacing: 8
        Rectangle {
            width: 54
            height: 38
            radius: 10
            color: "#fff3e0"
            anchors.verticalCenter: parent.verticalCenter
            Text {
                anchors.centerIn: parent
                text: "组词"
                font.family: "楷体"
                font.pixelSize: 18
                color: "#e65100"
            }
        }
        Repeater {
            model: 3
            delegate: Rectangle {
                id: chip
                required property int index
                readonly property string word: card.words[index]
                objectName: "word" + (index + 1)
                visible: index < card.wordCount && word.length > 0
                width: Math.max(64, Math.min(118, chipText.implicitWidth + 24))
                height: 40
                radius: 20
                color: ["#e3f2fd", "#fce4ec", "#e8f5e9"][index]
                border.color: ["#64b5f6", "#f06292", "#81c784"][index]
                border.width: 2
                opacity: Math.max(0, Math.min(1, card.arrival * 3 - 0.6 - index * 0.4))
                Text {
                    id: chipText
                    objectName: "wordText" + (chip.index + 1)
                    anchors.centerIn: parent
                    width: Math.min(implicitWidth, 102)
                    text: chip.word
                    font.family: "楷体"
                    font.pixelSize: 24
                    fontSizeMode: Text.HorizontalFit
                    minimumPixelSize: 12
                    color: "#37474f"
                }
                MouseArea {
                    anchors.fill: parent
                    onClicked: movie.fsCommand("readci" + (chip.index + 1), "")
                }
            }
        }
    }

    // The example sentence: click to hear it.
    Rectangle {
        objectName: "sentenceBox"
        x: 258
        y: 252
        width: 302
        height: 44
        radius: 12
        color: "#fffde7"
        border.color: "#ffe082"
        border.width: 2
        visible: card.sentence.length > 0
        Text {
            objectName: "sentence"
            x: 10
            width: parent.width - 20
            height: parent.height
            verticalAlignment: Text.AlignVCenter
            text: card.sentence
            font.family: "楷体"
            font.pixelSize: 20
            fontSizeMode: Text.Fit
            minimumPixelSize: 11
            wrapMode: Text.WordWrap
            maximumLineCount: 2
            color: "#4e342e"
        }
        MouseArea {
            anchors.fill: parent
            onClicked: movie.fsCommand("readjuzi", "")
        }
    }
}
