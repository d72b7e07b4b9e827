#include "study/browser/word_group_browser.h"

#include "movie/movie_host.h"
#include "study/browser/word_button_row.h"
#include "study/browser/word_button_row_layout.h"

#include <QDir>
#include <QPushButton>

namespace qinghe {

namespace {

QString dataUrl(const StudyContext& context) {
    QString folder = context.paths.root();
    while (folder.startsWith(u'/')) {
        folder.remove(0, 1);
    }
    return QStringLiteral("file:///") + folder + QStringLiteral("Data/") + context.state.edition() + u'/';
}

} // namespace

WordGroupBrowser::WordGroupBrowser(StudyContext& context, MovieHost& card, MovieHost& stroke,
                                   WordButtonRow& row, std::function<int()> windowWidth, QObject* parent)
    : QObject(parent)
    , context_(context)
    , card_host_(card)
    , stroke_(stroke)
    , row_(row)
    , windowWidth_(std::move(windowWidth)) {
    connect(&row_, &WordButtonRow::characterPressed, this, &WordGroupBrowser::onCharacterPressed);
    connect(&row_, &WordButtonRow::nextPressed, this, &WordGroupBrowser::nextGroup);
    connect(&row_, &WordButtonRow::previousPressed, this, &WordGroupBrowser::previousGroup);
}

void WordGroupBrowser::enter() {
    card_host_.setMovie(context_.resolve(QStringLiteral("Data\\systxt\\zcxx.dat")));
    stroke_.widget()->show();
    card_host_.widget()->show();
    row_.show();
    layoutFirstGroup();
    if (!row_.button(0)->isHidden()) {
        onCharacterPressed(0);
    }
}

void WordGroupBrowser::layoutFirstGroup() {
    const QStringList& characters = context_.state.lists.chars;
    const ButtonRowLayout layout = firstGroupLayout(int(characters.size()), windowWidth_(), row_.width());
    QList<QPushButton*> shown;
    if (layout.arrows) {
        shown << row_.previousButton();
    }
    for (int i = 0; i < 8; ++i) {
        QPushButton* button = row_.button(i);
        if (i < layout.buttons) {
            button->setText(characters[i]);
            button->setAccessibleName(characters[i]);
            shown << button;
        } else {
            button->hide();
        }
    }
    if (layout.arrows) {
        shown << row_.nextButton();
    }
    row_.previousButton()->setVisible(layout.arrows);
    row_.nextButton()->setVisible(layout.arrows);
    for (qsizetype i = 0; i < shown.size() && i < layout.lefts.size(); ++i) {
        shown[i]->move(layout.lefts[i], shown[i]->y());
        shown[i]->show();
    }
}

void WordGroupBrowser::onCharacterPressed(int index) {
    showCharacter(row_.button(index)->text());
}

void WordGroupBrowser::showCharacter(const QString& caption) {
    character_ = caption.trimmed();
    const QString lessonKey = context_.state.lesson ? context_.state.lesson->lessonKey : QString();
    const auto lookup = [this, &lessonKey](const char* attribute) {
        return context_.records.characterAttribute(lessonKey, character_, attribute);
    };
    reading_ = lookup("PinYin1");
    if (context_.state.lesson && context_.state.lesson->unitTitle == u"汉语拼音") {
        // The pinyin lessons have a card movie of their own, beside the program.
        card_host_.setMovie(context_.resolve(QStringLiteral("zcxx.swf")));
        card_host_.play();
    } else {
        card_ = makeCharacterCard(character_, lookup);
        const int bookNumber = context_.state.lesson ? context_.state.lesson->bookNumber : 0;
        for (const auto& [name, value] : cardVariables(card_, bookNumber, dataUrl(context_))) {
            card_host_.setVariable(name, value);
        }
        card_host_.callFrame(QStringLiteral("_root"), 0);
        stroke_.widget()->show();
        placeStrokeMovie(kStrokeBoxOnShow);
        stroke_.setMovie(context_.resolve(
            strokeMoviePath(context_.state.edition(), context_.state.bookMode(), bookNumber, character_)));
        stroke_.setVariable(QStringLiteral("str_banquan"), QString(QChar(0x3000)));
        stroke_.gotoFrame(0);
        stroke_.play();
        context_.speak(reading_);
    }
    stroke_.widget()->setFocus();
    card_host_.widget()->setFocus();
}

void WordGroupBrowser::nextGroup() {
    const PagingResult result = pageForward(context_.state.lists.chars, row_.button(0)->text());
    if (result.kind == PagingResult::Kind::AlreadyLast) {
        context_.prompter.inform(QStringLiteral("字词学习说明！"), QStringLiteral("当前已经是最后一组！"));
        return;
    }
    if (result.kind != PagingResult::Kind::Moved) {
        return;
    }
    row_.button(0)->setText(result.captions[0]);
    for (int i = 1; i < 8; ++i) {
        row_.button(i)->hide();
    }
    for (int i = 1; i < 8 && !result.captions[i].isEmpty(); ++i) {
        row_.button(i)->setText(result.captions[i]);
        row_.button(i)->show();
    }
}

void WordGroupBrowser::previousGroup() {
    const PagingResult result = pageBack(context_.state.lists.chars, row_.button(0)->text());
    if (result.kind == PagingResult::Kind::AlreadyFirst) {
        context_.prompter.inform(QStringLiteral("生字学习说明！"), QStringLiteral("当前已经是第一组！"));
        return;
    }
    if (result.kind != PagingResult::Kind::Moved) {
        return;
    }
    for (int i = 0; i < 8; ++i) {
        row_.button(i)->setText(result.captions[i]);
        row_.button(i)->show();
    }
}

void WordGroupBrowser::placeStrokeMovie(StrokeBoxDesign design) {
    const QWidget* host = card_host_.widget();
    QRect box = strokeBox(host->width(), host->height(), design);
    box.translate(host->pos());
    stroke_.widget()->setGeometry(box);
    stroke_.widget()->raise();
}

void WordGroupBrowser::speakCharacter() const {
    context_.speak(reading_);
}

void WordGroupBrowser::speakWordGroup(int index) const {
    if (index >= 0 && index < 3) {
        context_.speak(card_.words[index]);
    }
}

void WordGroupBrowser::speakSentence() const {
    context_.audio.playFile(AudioSlot::Voice, context_.sentenceFile(card_.words[0]));
}

} // namespace qinghe
