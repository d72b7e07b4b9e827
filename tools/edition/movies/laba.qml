// The dictation loudspeaker: sound waves ripple out of it while it plays; "再读一遍" (or a click on the
// loudspeaker) asks for the word again, "下一个" for the next one.
import QtQuick
import QtQuick.Shapes

Rectangle {
    id: root
    width: 250
    height: 250
    radius: 28
    color: "#e3f2fd"
    border.color: "#90caf9"
    border.width: 3

    // Runs from 0 to 1 again and again while the movie plays; each wave lights up in its turn.
    property real phase
    NumberAnimation on phase {
        from: 0
        to: 1
        duration: 1500
        loops: Animation.Infinite
        // Paused rather than stopped: playing again goes on from where the waves were.
        running: true
        paused: !movie.playing
    }
    function waveOpacity(index) {
        const local = (root.phase * 3 - index + 3) % 3
        return local < 1 ? 0.25 + 0.75 * Math.sin(local * Math.PI) : 0.25
    }

    Item {
        id: speaker
        objectName: "speaker"
        x: 34
        y: 26
        width: 180
        height: 140

        Shape {
            anchors.fill: parent
            // The cone, then the box behind it.
            ShapePath {
                fillColor: "#ffb74d"
                strokeColor: "#e65100"
                strokeWidth: 4
                joinStyle: ShapePath.RoundJoin
                startX: 44
                startY: 50
                PathLine { x: 78; y: 22 }
                PathLine { x: 84; y: 22 }
                PathLine { x: 84; y: 118 }
                PathLine { x: 78; y: 118 }
                PathLine { x: 44; y: 90 }
                PathLine { x: 44; y: 50 }
            }
            ShapePath {
                fillColor: "#ff8a65"
                strokeColor: "#e65100"
                strokeWidth: 4
                joinStyle: ShapePath.RoundJoin
                startX: 14
                startY: 50
                PathLine { x: 44; y: 50 }
                PathLine { x: 44; y: 90 }
                PathLine { x: 14; y: 90 }
                PathLine { x: 14; y: 50 }
            }
        }

        Repeater {
            model: 3
            delegate: Shape {
                id: wave
                required property int index
                readonly property real radius: 26 + 22 * index
                objectName: "wave" + index
                anchors.fill: parent
                opacity: root.waveOpacity(index)
                ShapePath {
                    strokeColor: "#1e88e5"
                    strokeWidth: 7
                    fillColor: "transparent"
                    capStyle: ShapePath.RoundCap
                    startX: 86 + wave.radius * Math.cos(-0.8)
                    startY: 70 + wave.radius * Math.sin(-0.8)
                    PathArc {
                        x: 86 + wave.radius * Math.cos(0.8)
                        y: 70 + wave.radius * Math.sin(0.8)
                        radiusX: wave.radius
                        radiusY: wave.radius
                    }
                }
            }
        }

        MouseArea {
            anchors.fill: parent
            onClicked: movie.fsCommand("btnread", "")
        }
    }

    component Button: Rectangle {
        id: button
        property alias label: caption.text
        property string command
        width: 114
        height: 50
        radius: 25
        border.width: 3
        scale: area.pressed ? 0.94 : 1
        Text {
            id: caption
            anchors.centerIn: parent
            font.family: "楷体"
            font.pixelSize: 22
            font.bold: true
            color: "#3e2723"
        }
        MouseArea {
            id: area
            anchors.fill: parent
            onClicked: movie.fsCommand(button.command, "")
        }
    }

    Button {
        objectName: "readAgain"
        x: 9
        y: 184
        label: "再读一遍"
        command: "btnread"
        color: "#c8e6c9"
        border.color: "#66bb6a"
    }
    Button {
        objectName: "next"
        x: 127
        y: 184
        label: "下一个"
        command: "btnnext"
        color: "#ffe0b2"
        border.color: "#ffa726"
    }
}
