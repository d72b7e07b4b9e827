#!/usr/bin/env python3
"""Writes the small test edition under tests/data/edition (run once; the output is committed).

Three books, a few lessons, one lesson without characters, records encoded the way the program reads
them (Base64 of UTF-8 in every attribute), and a few recordings spoken by espeak-ng."""
import base64
import os
import subprocess
import sys

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "edition")


def b64(text: str) -> str:
    encoded = base64.b64encode(text.encode("utf-8")).decode("ascii")
    return "\r\n".join(encoded[i:i + 76] for i in range(0, len(encoded), 76))


def sound_name(text: str) -> str:
    # Same rule as the program's sound names; kept here only to name the fixture files.
    if not text:
        return text
    for find, repl in [("ě", "(e)"), ("昨天", "昨 天"), ("你是", "你 是"), ("蜜蜂", "蜜 蜂"),
                       ("河滩", "河 滩"), ("中心", "中 心"), ("揪出", "揪 出")]:
        text = text.replace(find, repl)
    name = b64(text)
    for find, repl in [("/", "(z)"), ("\r\n", "(#13)"), ("\\", "(f)"), (":", "(m)"), ("*", "(x)"),
                       ("?", "(w)"), ('"', "(y)"), ("<", "(zx)"), (">", "(yx)"), ("|", "(s)")]:
        name = name.replace(find, repl)
    return name


def write(path: str, data, mode="w"):
    full = os.path.join(ROOT, path)
    os.makedirs(os.path.dirname(full), exist_ok=True)
    with open(full, mode, **({} if "b" in mode else {"encoding": "utf-8", "newline": ""})) as f:
        f.write(data)


# book -> units -> lessons -> characters (zi, pinyin1, pinyin2, words, sentence, must)
BOOKS = [
    ("一年级上册", [
        ("识字(一)", [
            ("天地人", [("天", "tiān", "", ["天空", "今天"], "天上有白云。", "1"),
                        ("地", "dì", "de", ["地上", "土地"], "地上有小草。", "1"),
                        ("人", "rén", "", ["大人", "人们"], "我是中国人。", "0")],
             ["天空", "土地"]),
            ("金木水火", [("木", "mù", "", ["木头", "树木", "木马"], "木头做小船。", "1"),
                          ("水", "shuǐ", "", ["水果"], "小鱼在水里。", "1")],
             ["木头"]),
        ]),
        ("汉语拼音(一)", [
            ("a o e", [], []),
        ]),
    ]),
    ("一年级下册", [
        ("识字(一)", [
            ("春夏秋冬", [("春", "chūn", "", ["春天", "", "春风"], "春天来了。", "1"),
                          ("冬", "dōng", "", ["冬天", "x", ""], "冬天下雪了。", "0")],
             ["春天"]),
            ("小青蛙", [("青", "qīng", "", ["青草"], "青草绿油油。", "1")], []),
        ]),
    ]),
    ("二年级上册", [
        ("第一单元", [
            ("小蝌蚪", [("长", "zhǎng", "cháng", ["长大", "长短"], "小树长高了。", "1")], ["长大"]),
        ]),
    ]),
]


def catalogue() -> str:
    lines = ['<?xml version="1.0" encoding="UTF-8"?>', "<mulu>",
             '  <edition text="青禾测试版" ImageIndex="0" SelectedIndex="0">']
    for title, units in BOOKS:
        lines.append(f'    <book text="{title}" ImageIndex="1" SelectedIndex="2">')
        for unit, lessons in units:
            lines.append(f'      <unit text="{unit}" ImageIndex="3" SelectedIndex="4">')
            for lesson, _, _ in lessons:
                lines.append(f'        <lesson text="{lesson}" ImageIndex="5" SelectedIndex="6"/>')
            lines.append("      </unit>")
        lines.append("    </book>")
    lines += ["  </edition>", "</mulu>", ""]
    return "\r\n".join(lines)


def records(book_units):
    hanzi = ['<?xml version="1.0" encoding="UTF-8"?>', "<hanzi>"]
    ciyu = ['<?xml version="1.0" encoding="UTF-8"?>', "<ciyu>"]
    for u, (_, lessons) in enumerate(book_units, start=1):
        for l, (_, chars, words) in enumerate(lessons, start=1):
            key = f"lesson{u}{l:02d}"
            for zi, py1, py2, zuci, sentence, must in chars:
                zuci = (zuci + ["", "", ""])[:3]
                attrs = [("Chinese", zi), ("PinYin1", py1), ("PinYin2", py2), ("PinYin3", ""),
                         ("ZuCi1", zuci[0]), ("ZuCi2", zuci[1]), ("ZuCi3", zuci[2]),
                         ("ZaoJu", sentence), ("bx_shengzi", must)]
                text = " ".join(f'{name}="{b64(value)}"' for name, value in attrs)
                hanzi.append(f"  <{key} {text}/>")
            for word in words:
                ciyu.append(f'  <{key} Chinese="{b64(word)}"/>')
    hanzi += ["</hanzi>", ""]
    ciyu += ["</ciyu>", ""]
    return "\r\n".join(hanzi), "\r\n".join(ciyu)


def speak(pinyin: str, target: str):
    wav = target + ".wav"
    subprocess.run(["espeak-ng", "-v", "cmn-latn-pinyin", "-s", "150", "-w", wav, pinyin], check=True)
    subprocess.run(["lame", "--quiet", "-m", "m", "-b", "24", "--resample", "44.1", wav, target], check=True)
    os.remove(wav)


def main():
    pages = ",".join(str(n) for pair in [(96, 1)] * 12 for n in pair)
    write("Data/systxt/Set.ini",
          "[BasicSet]\r\nbFullScreen=0\r\nJiaoCai=青禾测试版\r\nRCLabel=R\r\nGBegin=0\r\n"
          "RLabel=QHSW_TEST\r\nBanBen=Rj\r\ndefault_xinban=1\r\nibook_Width=1530\r\nibook_height=1096\r\n"
          "[UserSet]\r\nbRemTestSection=1\r\nbRemComprehensiveTest=1\r\nbRemkejian=1\r\n"
          "[TongbuSet]\r\niComprehensive_Test_book=1\r\niTest_book=1\r\niTest_unit=1\r\niTest_section=1\r\n"
          "i_TestFontsize=20\r\nikejian_book=1\r\n[SoftBoot]\r\nUse_HandWrite=0\r\n"
          f"[Book]\r\npage={pages}\r\n")
    write("Data/RJ/xml/unit.xml", catalogue())
    for n, (_, units) in enumerate(BOOKS, start=1):
        hanzi, ciyu = records(units)
        write(f"Data/RJ/xml/hanzi{n}.xml", hanzi)
        write(f"Data/RJ/xml/ciyu{n}.xml", ciyu)
    if "--no-audio" not in sys.argv:
        sound = os.path.join(ROOT, "Data/RJ/sound")
        os.makedirs(sound, exist_ok=True)
        for key in ["tiān", "dì", "天空"]:
            speak({"天空": "tiān kōng"}.get(key, key), os.path.join(sound, sound_name(key) + ".mp3"))
        os.makedirs(os.path.join(ROOT, "Data/RJ/lessonread"), exist_ok=True)
        speak("tiān dì rén, nǐ wǒ tā.", os.path.join(ROOT, "Data/RJ/lessonread/010101.mp3"))


if __name__ == "__main__":
    main()
