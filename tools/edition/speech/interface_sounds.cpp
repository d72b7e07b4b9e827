#include "interface_sounds.h"

#include "speech_run.h"
#include "stages.h"

namespace qinghe::edition {

namespace {

const QString kFolder = QStringLiteral("Data/sndsoft/");

struct Prompt {
    const char* file;
    const char16_t* zh;
    const char16_t* py;
};

// Tool-bar hints, then the prompts of the drills and dictation, then praise for score bands 100,
// 90-99, 80-89, 70-79, 60-69, 41-59, 21-40, 2-20 and 0: warm at every level.
constexpr Prompt kPrompts[] = {
    {"tbxkw", u"同步学课文", u"tóng bù xué kè wén"},
    {"zcxx", u"字词学习", u"zì cí xué xí"},
    {"mkcy", u"每课测验", u"měi kè cè yàn"},
    {"zhcs", u"综合测试", u"zōng hé cè shì"},
    {"zcsj", u"字词速记", u"zì cí sù jì"},
    {"zclx", u"字词练习", u"zì cí liàn xí"},
    {"wnnx", u"我念你写", u"wǒ niàn nǐ xiě"},
    {"zxxx", u"专项学习", u"zhuān xiàng xué xí"},
    {"szb", u"生字表", u"shēng zì biǎo"},
    {"set", u"设置", u"shè zhì"},
    {"home", u"退出", u"tuì chū"},
    {"think", u"想一想，再试试。", u"xiǎng yi xiǎng, zài shì shi."},
    {"replay", u"再听一遍。", u"zài tīng yí biàn."},
    {"tingxie", u"小朋友，请准备好纸和笔！", u"xiǎo péng you, qǐng zhǔn bèi hǎo zhǐ hé bǐ!"},
    {"zhenbang", u"真棒！", u"zhēn bàng!"},
    {"test1", u"太棒了，满分！你真了不起！", u"tài bàng le, mǎn fēn! nǐ zhēn liǎo bu qǐ!"},
    {"test2", u"真优秀！只差一点点就满分了！", u"zhēn yōu xiù! zhǐ chà yì diǎn diǎn jiù mǎn fēn le!"},
    {"test3", u"做得很好，继续加油！", u"zuò de hěn hǎo, jì xù jiā yóu!"},
    {"test4", u"不错，再细心一点会更好！", u"bú cuò, zài xì xīn yì diǎn huì gèng hǎo!"},
    {"test5", u"及格了，我们一起再努力！", u"jí gé le, wǒ men yì qǐ zài nǔ lì!"},
    {"test6", u"别灰心，多练习就会进步！", u"bié huī xīn, duō liàn xí jiù huì jìn bù!"},
    {"test7", u"慢慢来，你一定能学会！", u"màn màn lái, nǐ yí dìng néng xué huì!"},
    {"test8", u"不要紧，我们一起从头学！", u"bú yào jǐn, wǒ men yì qǐ cóng tóu xué!"},
    {"test9", u"没关系，我们再来一次！", u"méi guān xi, wǒ men zài lái yí cì!"},
};

// One note of the background tune: a plucked melody note over a plucked bass note, faded out within
// its beat so that notes (and the loop's end and start) meet in silence.
QStringList note(const QString& melody, const QString& bass) {
    return {QStringLiteral("synth"),
            QStringLiteral("0.6"),
            QStringLiteral("pluck"),
            melody,
            QStringLiteral("pluck"),
            QStringLiteral("mix"),
            bass,
            QStringLiteral("fade"),
            QStringLiteral("q"),
            QStringLiteral("0.005"),
            QStringLiteral("0.6"),
            QStringLiteral("0.25")};
}

// Ten bars of four notes in C pentatonic over C, Am, F and G: 24 seconds at 100 beats a minute,
// ending on the tonic so the loop comes round naturally.
QStringList backgroundTune() {
    struct Bar {
        const char* notes[4];
        const char* bass;
    };
    constexpr Bar kBars[] = {
        {{"E4", "G4", "A4", "G4"}, "C3"}, {{"E4", "D4", "C4", "D4"}, "A2"}, {{"C4", "D4", "E4", "G4"}, "F2"},
        {{"A4", "G4", "E4", "D4"}, "G2"}, {{"E4", "G4", "C5", "A4"}, "C3"}, {{"G4", "E4", "D4", "E4"}, "A2"},
        {{"C4", "A3", "C4", "D4"}, "F2"}, {{"D4", "E4", "D4", "G3"}, "G2"}, {{"C4", "E4", "G4", "A4"}, "C3"},
        {{"G4", "E4", "D4", "C4"}, "G2"},
    };
    QStringList effects;
    for (const Bar& bar : kBars) {
        for (const char* n : bar.notes) {
            if (!effects.isEmpty()) {
                effects << QStringLiteral(":"); // sox plays effect chains one after another
            }
            effects << note(QString::fromLatin1(n), QString::fromLatin1(bar.bass));
        }
    }
    return effects;
}

SpeechJob tone(const QString& file, QStringList effects, double peak) {
    SpeechJob job;
    job.kind = SpeechKind::Tone;
    job.output = kFolder + file;
    job.toneEffects = std::move(effects);
    job.tonePeak = peak;
    return job;
}

} // namespace

QList<SpeechJob> interfaceSoundJobs(const SpeechSettings& settings) {
    QList<SpeechJob> jobs;
    const auto s = [](const char* text) { return QString::fromLatin1(text); };
    // A bright rising pair of plucked notes.
    jobs << tone(s("right.wav"),
                 {s("synth"), s("0.14"),  s("pluck"), s("E6"),    s("pluck"), s("mix"), s("B5"),
                  s("fade"),  s("q"),     s("0.003"), s("0.14"),  s("0.04"),  s(":"),   s("synth"),
                  s("0.26"),  s("pluck"), s("A6"),    s("pluck"), s("mix"),   s("E6"),  s("fade"),
                  s("q"),     s("0.003"), s("0.26"),  s("0.2")},
                 -3.0);
    // A short, quiet tick.
    jobs << tone(
        s("click1.mp3"),
        {s("synth"), s("0.03"), s("sine"), s("1600"), s("fade"), s("p"), s("0.001"), s("0.03"), s("0.027")},
        -14.0);
    jobs << tone(s("bg.mp3"), backgroundTune(), -12.0);
    for (const Prompt& prompt : kPrompts) {
        SpeechJob job;
        job.output = kFolder + QString::fromLatin1(prompt.file) + QStringLiteral(".mp3");
        job.parts = {{QString::fromUtf16(prompt.zh), QString::fromUtf16(prompt.py)}};
        jobs << job;
    }
    for (SpeechJob& job : jobs) {
        job.recipe = speechRecipe(job, settings);
    }
    return jobs;
}

bool runInterfaceSoundsStage(StageContext& context) {
    const SpeechSettings settings;
    const SpeechRunResult result =
        runSpeechJobs(QStringLiteral("sounds"), interfaceSoundJobs(settings), settings, context);
    context.report << speechReport(QStringLiteral("interface sounds"), result, context.options.jobs);
    return result.failures.isEmpty();
}

} // namespace qinghe::edition
