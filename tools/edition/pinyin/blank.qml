// The pinyin lessons window shows this between lessons and when it closes: a plain, calm sky with
// nothing to watch or click. It has no stage size, so it fills the host whatever its shape.
import QtQuick

Rectangle {
    color: "#eef8fd"
}
