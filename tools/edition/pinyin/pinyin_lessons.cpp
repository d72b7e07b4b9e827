#include "pinyin/pinyin_lessons.h"

#include "pinyin/pinyin_spelling.h"

namespace qinghe::edition {

namespace {

struct Example {
    const char16_t* zh;
    const char16_t* py;
    int mark;
    const char* picture;
};

struct Entry {
    const char16_t* entry;
    PinyinKind kind;
    const char16_t* says;
    Example examples[2];
};

using K = PinyinKind;

// Words a six-year-old knows and whose picture can be drawn in a few shapes; the marked syllable
// holds the sound. The letter is read as teachers read it in class.
const Entry kEntries[] = {
    {u"ɑ", K::SimpleFinal, u"ā", {{u"八", u"bā", 0, "dots8"}, {u"花", u"huā", 0, "flower"}}},
    {u"o", K::SimpleFinal, u"ō", {{u"蘑菇", u"mó gu", 0, "mushroom"}, {u"菠萝", u"bō luó", 0, "pineapple"}}},
    {u"e", K::SimpleFinal, u"ē", {{u"鹅", u"é", 0, "goose"}, {u"盒子", u"hé zi", 0, "giftbox"}}},
    {u"i", K::SimpleFinal, u"ī", {{u"梨", u"lí", 0, "pear"}, {u"旗子", u"qí zi", 0, "flag"}}},
    {u"u", K::SimpleFinal, u"ū", {{u"兔子", u"tù zi", 0, "rabbit"}, {u"鼓", u"gǔ", 0, "drum"}}},
    {u"ü", K::SimpleFinal, u"ǖ", {{u"鱼", u"yú", 0, "fish"}, {u"绿叶", u"lǜ yè", 0, "leaf"}}},
    {u"y", K::Initial, u"yī", {{u"鸭子", u"yā zi", 0, "duck"}, {u"眼镜", u"yǎn jìng", 0, "glasses"}}},
    {u"w", K::Initial, u"wū", {{u"青蛙", u"qīng wā", 1, "frog"}, {u"袜子", u"wà zi", 0, "sock"}}},
    {u"b", K::Initial, u"bō", {{u"包子", u"bāo zi", 0, "bun"}, {u"铅笔", u"qiān bǐ", 1, "pencil"}}},
    {u"p", K::Initial, u"pō", {{u"葡萄", u"pú tao", 0, "grapes"}, {u"苹果", u"píng guǒ", 0, "apple"}}},
    {u"m", K::Initial, u"mō", {{u"马", u"mǎ", 0, "horse"}, {u"米饭", u"mǐ fàn", 0, "rice"}}},
    {u"f", K::Initial, u"fó", {{u"飞机", u"fēi jī", 0, "plane"}, {u"蜜蜂", u"mì fēng", 1, "bee"}}},
    {u"d", K::Initial, u"dé", {{u"灯笼", u"dēng long", 0, "lantern"}, {u"鸡蛋", u"jī dàn", 1, "egg"}}},
    {u"t", K::Initial, u"tè", {{u"桃子", u"táo zi", 0, "peach"}, {u"太阳", u"tài yáng", 0, "sun"}}},
    {u"n", K::Initial, u"nè", {{u"小鸟", u"xiǎo niǎo", 1, "bird"}, {u"南瓜", u"nán guā", 0, "pumpkin"}}},
    {u"l", K::Initial, u"lè", {{u"铃铛", u"líng dang", 0, "bell"}, {u"辣椒", u"là jiāo", 0, "chili"}}},
    {u"ɡ", K::Initial, u"gē", {{u"小狗", u"xiǎo gǒu", 1, "dog"}, {u"锅", u"guō", 0, "pot"}}},
    {u"k", K::Initial, u"kē", {{u"裤子", u"kù zi", 0, "trousers"}, {u"卡车", u"kǎ chē", 0, "truck"}}},
    {u"h", K::Initial, u"hē", {{u"火", u"huǒ", 0, "fire"}, {u"荷花", u"hé huā", 0, "lotus"}}},
    {u"j", K::Initial, u"jī", {{u"小鸡", u"xiǎo jī", 1, "chick"}, {u"橘子", u"jú zi", 0, "tangerine"}}},
    {u"q", K::Initial, u"qī", {{u"气球", u"qì qiú", 0, "balloon"}, {u"七", u"qī", 0, "dots7"}}},
    {u"x", K::Initial, u"xī", {{u"西瓜", u"xī guā", 0, "watermelon"}, {u"星星", u"xīng xing", 0, "star"}}},
    {u"z", K::Initial, u"zī", {{u"足球", u"zú qiú", 0, "football"}, {u"枣", u"zǎo", 0, "jujube"}}},
    {u"c", K::Initial, u"cī", {{u"小草", u"xiǎo cǎo", 1, "grass"}, {u"彩虹", u"cǎi hóng", 0, "rainbow"}}},
    {u"s", K::Initial, u"sī", {{u"雨伞", u"yǔ sǎn", 1, "umbrella"}, {u"松树", u"sōng shù", 0, "pine"}}},
    {u"zh", K::Initial, u"zhī", {{u"小猪", u"xiǎo zhū", 1, "pig"}, {u"闹钟", u"nào zhōng", 1, "clock"}}},
    {u"ch", K::Initial, u"chī", {{u"汽车", u"qì chē", 1, "car"}, {u"床", u"chuáng", 0, "bed"}}},
    {u"sh", K::Initial, u"shī", {{u"山", u"shān", 0, "mountain"}, {u"大树", u"dà shù", 1, "tree"}}},
    {u"r", K::Initial, u"rì", {{u"人", u"rén", 0, "person"}, {u"肉", u"ròu", 0, "meat"}}},
    {u"ɑi", K::CompoundFinal, u"āi", {{u"白菜", u"bái cài", 0, "cabbage"}, {u"牛奶", u"niú nǎi", 1, "milk"}}},
    {u"ei", K::CompoundFinal, u"ēi", {{u"杯子", u"bēi zi", 0, "cup"}, {u"贝壳", u"bèi ké", 0, "shell"}}},
    {u"ui", K::CompoundFinal, u"uī", {{u"乌龟", u"wū guī", 1, "tortoise"}, {u"水", u"shuǐ", 0, "water"}}},
    {u"ɑo", K::CompoundFinal, u"āo", {{u"小猫", u"xiǎo māo", 1, "cat"}, {u"帽子", u"mào zi", 0, "hat"}}},
    {u"ou", K::CompoundFinal, u"ōu", {{u"猴子", u"hóu zi", 0, "monkey"}, {u"手", u"shǒu", 0, "hand"}}},
    {u"iu", K::CompoundFinal, u"iū", {{u"牛", u"niú", 0, "cow"}, {u"皮球", u"pí qiú", 1, "ball"}}},
    {u"ie", K::CompoundFinal, u"iē", {{u"鞋子", u"xié zi", 0, "shoe"}, {u"蝴蝶", u"hú dié", 1, "butterfly"}}},
    {u"üe",
     K::CompoundFinal,
     u"üē",
     {{u"雪花", u"xuě huā", 0, "snowflake"}, {u"靴子", u"xuē zi", 0, "boot"}}},
    {u"er", K::SpecialFinal, u"ēr", {{u"耳朵", u"ěr duo", 0, "ear"}, {u"二", u"èr", 0, "dots2"}}},
    {u"ɑn", K::FrontNasal, u"ān", {{u"帆船", u"fān chuán", 0, "sailboat"}, {u"盘子", u"pán zi", 0, "plate"}}},
    {u"en", K::FrontNasal, u"ēn", {{u"门", u"mén", 0, "door"}, {u"本子", u"běn zi", 0, "notebook"}}},
    {u"in",
     K::FrontNasal,
     u"īn",
     {{u"信封", u"xìn fēng", 0, "envelope"}, {u"金鱼", u"jīn yú", 0, "goldfish"}}},
    {u"un", K::FrontNasal, u"ūn", {{u"车轮", u"chē lún", 1, "wheel"}, {u"竹笋", u"zhú sǔn", 1, "shoot"}}},
    {u"ün", K::FrontNasal, u"ǖn", {{u"裙子", u"qún zi", 0, "skirt"}, {u"羊群", u"yáng qún", 1, "flock"}}},
    {u"ɑnɡ", K::BackNasal, u"āng", {{u"糖果", u"táng guǒ", 0, "candy"}, {u"房子", u"fáng zi", 0, "house"}}},
    {u"enɡ", K::BackNasal, u"ēng", {{u"风筝", u"fēng zheng", 0, "kite"}, {u"台灯", u"tái dēng", 1, "lamp"}}},
    {u"inɡ", K::BackNasal, u"īng", {{u"瓶子", u"píng zi", 0, "bottle"}, {u"饼干", u"bǐng gān", 0, "cookie"}}},
    {u"onɡ",
     K::BackNasal,
     u"ōng",
     {{u"虫子", u"chóng zi", 0, "caterpillar"}, {u"水桶", u"shuǐ tǒng", 1, "bucket"}}},
    {u"zhi",
     K::WholeSyllable,
     u"zhī",
     {{u"蜘蛛", u"zhī zhū", 0, "spider"}, {u"树枝", u"shù zhī", 1, "branch"}}},
    {u"chi", K::WholeSyllable, u"chī", {{u"尺子", u"chǐ zi", 0, "ruler"}, {u"池塘", u"chí táng", 0, "pond"}}},
    {u"shi", K::WholeSyllable, u"shī", {{u"狮子", u"shī zi", 0, "lion"}, {u"石头", u"shí tou", 0, "stone"}}},
    {u"ri",
     K::WholeSyllable,
     u"rī",
     {{u"日出", u"rì chū", 0, "sunrise"}, {u"日历", u"rì lì", 0, "calendar"}}},
    {u"zi",
     K::WholeSyllable,
     u"zī",
     {{u"自行车", u"zì xíng chē", 0, "bicycle"}, {u"写字", u"xiě zì", 1, "writing"}}},
    {u"ci",
     K::WholeSyllable,
     u"cī",
     {{u"刺猬", u"cì wei", 0, "hedgehog"}, {u"磁铁", u"cí tiě", 0, "magnet"}}},
    {u"si", K::WholeSyllable, u"sī", {{u"四", u"sì", 0, "dots4"}, {u"丝带", u"sī dài", 0, "ribbon"}}},
    {u"yi", K::WholeSyllable, u"yī", {{u"衣服", u"yī fu", 0, "shirt"}, {u"椅子", u"yǐ zi", 0, "chair"}}},
    {u"wu", K::WholeSyllable, u"wū", {{u"五", u"wǔ", 0, "dots5"}, {u"乌鸦", u"wū yā", 0, "crow"}}},
    {u"yu", K::WholeSyllable, u"yū", {{u"玉米", u"yù mǐ", 0, "corn"}, {u"下雨", u"xià yǔ", 1, "rain"}}},
    {u"ye", K::WholeSyllable, u"yē", {{u"椰子", u"yē zi", 0, "coconut"}, {u"树叶", u"shù yè", 1, "twig"}}},
    {u"yue",
     K::WholeSyllable,
     u"yuē",
     {{u"月亮", u"yuè liang", 0, "moon"}, {u"音乐", u"yīn yuè", 1, "music"}}},
    {u"yuɑn",
     K::WholeSyllable,
     u"yuān",
     {{u"汤圆", u"tāng yuán", 1, "dumplings"}, {u"花园", u"huā yuán", 1, "garden"}}},
    {u"yin",
     K::WholeSyllable,
     u"yīn",
     {{u"饮料", u"yǐn liào", 0, "drink"}, {u"阴天", u"yīn tiān", 0, "overcast"}}},
    {u"yun", K::WholeSyllable, u"yūn", {{u"白云", u"bái yún", 1, "cloud"}, {u"熨斗", u"yùn dǒu", 0, "iron"}}},
    {u"yinɡ",
     K::WholeSyllable,
     u"yīng",
     {{u"樱桃", u"yīng táo", 0, "cherries"}, {u"萤火虫", u"yíng huǒ chóng", 0, "firefly"}}},
};

PinyinLesson lessonOf(const Entry& entry) {
    PinyinLesson lesson;
    lesson.entry = QString::fromUtf16(entry.entry);
    lesson.kind = entry.kind;
    lesson.says = QString::fromUtf16(entry.says);
    for (int tone = 1; tone <= 4; ++tone) {
        // The table's readings are checked by the tests; a bad one leaves its tone out.
        if (const std::optional<QString> form = withTone(lesson.says, tone)) {
            lesson.tones << *form;
        }
    }
    for (const Example& example : entry.examples) {
        lesson.examples.append({QString::fromUtf16(example.zh), QString::fromUtf16(example.py), example.mark,
                                QString::fromLatin1(example.picture)});
    }
    return lesson;
}

} // namespace

QString pinyinKindName(PinyinKind kind) {
    switch (kind) {
    case PinyinKind::Initial:
        return QStringLiteral("声母");
    case PinyinKind::SimpleFinal:
        return QStringLiteral("单韵母");
    case PinyinKind::CompoundFinal:
        return QStringLiteral("复韵母");
    case PinyinKind::SpecialFinal:
        return QStringLiteral("特殊韵母");
    case PinyinKind::FrontNasal:
        return QStringLiteral("前鼻韵母");
    case PinyinKind::BackNasal:
        return QStringLiteral("后鼻韵母");
    case PinyinKind::WholeSyllable:
        return QStringLiteral("整体认读音节");
    }
    return {};
}

const QList<PinyinLesson>& pinyinLessons() {
    static const QList<PinyinLesson> lessons = [] {
        QList<PinyinLesson> out;
        for (const Entry& entry : kEntries) {
            out.append(lessonOf(entry));
        }
        return out;
    }();
    return lessons;
}

} // namespace qinghe::edition
