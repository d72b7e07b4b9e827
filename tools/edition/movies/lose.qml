// The right-answer celebration of the drills: stars burst out of a smiling face and "真棒！" pops up in
// about a second; then the face rests there calmly. Going to frame 0 and playing starts it over.
import QtQuick
import QtQuick.Shapes

Item {
    id: root
    // A square stage: the host lies over the clicked choice button and scales this to fit it.
    width: 200
    height: 200

    // 0 when the burst starts, 1 at rest: every picture below is drawn from it, so stopping holds it.
    property real t: 0
    readonly property bool atRest: t >= 1
    readonly property real faceScale: outBack(Math.min(1, t / 0.45))
    readonly property real wordScale: t < 0.3 ? 0 : outBack(Math.min(1, (t - 0.3) / 0.4))

    function outBack(x) {
        const c = 1.70158
        return 1 + (c + 1) * Math.pow(x - 1, 3) + c * Math.pow(x - 1, 2)
    }
    function outCubic(x) {
        return 1 - Math.pow(1 - x, 3)
    }
    function starPoints(cx, cy, outer, inner) {
        const points = []
        for (let i = 0; i <= 10; ++i) {
            const r = i % 2 === 0 ? outer : inner
            const a = -Math.PI / 2 + i * Math.PI / 5
            points.push(Qt.point(cx + r * Math.cos(a), cy + r * Math.sin(a)))
        }
        return points
    }
    function restart() {
        burst.stop()
        t = 0
        if (movie.playing)
            burst.start()
    }

    NumberAnimation {
        id: burst
        objectName: "burst"
        target: root
        property: "t"
        from: 0
        to: 1
        duration: 1000
        // The celebration is over: the movie says so, and the program's next Play starts it again.
        onFinished: movie.playing = false
    }

    Component.onCompleted: restart()

    Connections {
        target: movie
        function onFrameChanged() {
            root.restart()
        }
        function onPlayingChanged() {
            if (!movie.playing) {
                if (burst.running)
                    burst.pause()
            } else if (root.atRest) {
                root.restart()
            } else if (burst.paused) {
                burst.resume()
            } else if (!burst.running) {
                burst.start()
            }
        }
    }

    // A soft halo that swells with the burst and stays as the badge's ground.
    Rectangle {
        anchors.centerIn: parent
        width: 184 * Math.min(1, root.t * 2.5)
        height: width
        radius: width / 2
        color: "#fff8e1"
        border.color: "#ffe082"
        border.width: 3
        opacity: 0.95
    }

    // Eight stars fly out and fade; four small ones twinkle in to keep the calm picture lively.
    Repeater {
        model: 8
        delegate: Shape {
            id: flyer
            required property int index
            readonly property real angle: index * Math.PI / 4 + Math.PI / 8
            readonly property real distance: 30 + 66 * root.outCubic(root.t)
            x: 100 + distance * Math.cos(angle) - 15
            y: 100 + distance * Math.sin(angle) - 15
            width: 30
            height: 30
            opacity: root.t < 0.6 ? 1 : Math.max(0, (1 - root.t) / 0.4)
            scale: 0.5 + 0.7 * Math.min(1, root.t * 3)
            visible: root.t > 0 && opacity > 0
            ShapePath {
                fillColor: ["#ffca28", "#ff8a65", "#4fc3f7", "#81c784"][flyer.index % 4]
                strokeColor: "#ffffff"
                strokeWidth: 1.5
                PathPolyline {
                    path: root.starPoints(15, 15, 14, 6)
                }
            }
        }
    }
    Repeater {
        model: [Qt.point(28, 34), Qt.point(172, 30), Qt.point(22, 150), Qt.point(176, 146)]
        delegate: Shape {
            required property point modelData
            required property int index
            x: modelData.x - 10
            y: modelData.y - 10
            width: 20
            height: 20
            opacity: root.t < 0.7 ? 0 : (root.t - 0.7) / 0.3
            ShapePath {
                fillColor: index % 2 === 0 ? "#ffca28" : "#f48fb1"
                strokeColor: "transparent"
                PathPolyline {
                    path: root.starPoints(10, 10, 10, 4)
                }
            }
        }
    }

    // The smiling face.
    Item {
        id: face
        objectName: "face"
        x: 50
        y: 22
        width: 100
        height: 100
        scale: root.faceScale * 0.86
        visible: root.t > 0
        Rectangle {
            anchors.fill: parent
            radius: 50
            color: "#ffd54f"
            border.color: "#f9a825"
            border.width: 4
        }
        Rectangle { x: 30; y: 34; width: 10; height: 14; radius: 5; color: "#5d4037" }
        Rectangle { x: 60; y: 34; width: 10; height: 14; radius: 5; color: "#5d4037" }
        Rectangle { x: 16; y: 54; width: 16; height: 10; radius: 5; color: "#ff8a80"; opacity: 0.7 }
        Rectangle { x: 68; y: 54; width: 16; height: 10; radius: 5; color: "#ff8a80"; opacity: 0.7 }
        Shape {
            anchors.fill: parent
            ShapePath {
                strokeColor: "#5d4037"
                strokeWidth: 5
                fillColor: "transparent"
                capStyle: ShapePath.RoundCap
                startX: 30
                startY: 62
                PathQuad { x: 70; y: 62; controlX: 50; controlY: 84 }
            }
        }
    }

    Text {
        objectName: "praise"
        anchors.horizontalCenter: parent.horizontalCenter
        y: 118
        text: "真棒！"
        font.family: "楷体"
        font.pixelSize: 40
        font.bold: true
        color: "#e65100"
        style: Text.Outline
        styleColor: "#ffffff"
        scale: root.wordScale
        visible: root.wordScale > 0
    }
}
