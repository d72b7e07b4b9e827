#include "study/drills/drill_panel.h"

#include "study/drills/drill_controls.h"
#include "study/drills/drill_layout.h"
#include "study/study_context.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QPolygonF>
#include <QPushButton>

#include <algorithm>

namespace qinghe {

namespace {

const QString kFinishedCaption = QStringLiteral("练习完毕！");
const QString kFinishedText = QStringLiteral("本部分中的内容已经练习完毕，你是否要重新进行练习呢？\r\r"
                                             "点击确定，将重新开始本内容的练习，点击取消，将停止练习。");

// Soft background colours, one per drill, so a child can tell the drills apart at a glance.
QColor panelColour(Drill kind) {
    switch (kind) {
    case Drill::SoundToCharacter:
        return QColor(0xee, 0xf6, 0xff);
    case Drill::PinyinToCharacter:
        return QColor(0xef, 0xf8, 0xea);
    case Drill::CharacterToPinyin:
        return QColor(0xff, 0xf4, 0xe6);
    case Drill::SoundToPinyin:
        return QColor(0xf5, 0xef, 0xff);
    }
    return Qt::white;
}

// Characters are shown in a regular script (楷体) as in the textbook; pinyin in the same family,
// whose tone marks are clear.
QFont kaiFont(int pixelSize) {
    QFont font;
    font.setFamilies(
        {QStringLiteral("楷体"), QStringLiteral("LXGW WenKai"), QStringLiteral("AR PL UKai CN")});
    font.setPixelSize(std::max(8, pixelSize));
    return font;
}

// The loudspeaker on the replay button, drawn at the size the button needs (the style's own icon
// is too small and too grey for a child to notice).
QIcon speakerIcon(int size) {
    QPixmap pixmap(size * 2, size * 2);
    pixmap.setDevicePixelRatio(2);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor ink(0x6b, 0x40, 0x00);
    const qreal u = size / 16.0;
    QPolygonF body;
    body << QPointF(2 * u, 6 * u) << QPointF(5 * u, 6 * u) << QPointF(9 * u, 2.5 * u)
         << QPointF(9 * u, 13.5 * u) << QPointF(5 * u, 10 * u) << QPointF(2 * u, 10 * u);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawPolygon(body);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(ink, 1.4 * u, Qt::SolidLine, Qt::RoundCap));
    painter.drawArc(QRectF(7 * u, 5 * u, 5 * u, 6 * u), -50 * 16, 100 * 16);
    painter.drawArc(QRectF(6 * u, 2.5 * u, 9 * u, 11 * u), -50 * 16, 100 * 16);
    return QIcon(pixmap);
}

// A button caption is shown as it is: '&' would otherwise become a shortcut mark.
QString literalCaption(const QString& text) {
    QString shown = text;
    return shown.replace(u'&', QStringLiteral("&&"));
}

} // namespace

DrillPanel::DrillPanel(Drill kind, StudyContext& context, const MovieHostFactory& movies,
                       DrillControls& controls, std::function<bool()> voicePrompts, QWidget* parent)
    : QWidget(parent)
    , traits_(drillTraits(kind))
    , context_(context)
    , controls_(controls)
    , voicePrompts_(std::move(voicePrompts))
    , session_(context.random) {
    setObjectName(traits_.panelName);
    setAccessibleName(traits_.caption);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, panelColour(kind));
    setPalette(palette);
    buildControls();

    feedback_ = movies(this, traits_.movieName);
    feedback_->widget()->setAccessibleName(QStringLiteral("答对了"));
    feedback_->widget()->hide();

    nextTimer_.setInterval(1200);
    slideTimer_.setInterval(1);
    connect(&nextTimer_, &QTimer::timeout, this, &DrillPanel::onNextQuestionTimer);
    connect(&slideTimer_, &QTimer::timeout, this, &DrillPanel::onSlideTimer);
    connect(&controls_, &DrillControls::switched, this, &DrillPanel::onSwitched);
}

DrillPanel::~DrillPanel() = default;

void DrillPanel::buildControls() {
    // The question label comes first so that the buttons, which overlap its lower part, lie above it.
    if (!traits_.labelName.isEmpty()) {
        label_ = new QLabel(this);
        label_->setObjectName(traits_.labelName);
        label_->setAlignment(Qt::AlignCenter);
        label_->setAttribute(Qt::WA_TransparentForMouseEvents, true);
        label_->setStyleSheet(showsCharacter() ? QStringLiteral("color: #8a3b12;")
                                               : QStringLiteral("color: #2e6b3a;"));
        if (traits_.listening) {
            label_->hide(); // holds the right reading only
        }
    }
    const QString buttonStyle = QStringLiteral(
        "QPushButton { background: white; color: #2b4a6f; border: 3px solid #b8d4f0; border-radius: 18px; }"
        "QPushButton:hover { background: #fffbe6; border-color: #f2c14e; }"
        "QPushButton:pressed { background: #ffeeb3; }"
        "QPushButton:focus { border-color: #f2a93b; }");
    for (int b = 0; b < 4; ++b) {
        auto* button = new QPushButton(this);
        button->setObjectName(traits_.buttonPrefix + QString::number(b + 1));
        button->setAccessibleName(QStringLiteral("选项%1").arg(b + 1));
        button->setCursor(Qt::PointingHandCursor);
        button->setStyleSheet(buttonStyle);
        connect(button, &QPushButton::clicked, this, [this, b] { answer(b); });
        buttons_[size_t(b)] = button;
    }
    if (!traits_.replayName.isEmpty()) {
        replay_ = new QPushButton(QStringLiteral("再听一次"), this);
        replay_->setObjectName(traits_.replayName);
        replay_->setToolTip(QStringLiteral("点击我，可以再读一次"));
        replay_->setAccessibleName(QStringLiteral("再读一次"));
        replay_->setCursor(Qt::PointingHandCursor);
        replay_->setStyleSheet(QStringLiteral("QPushButton { background: #ffd98e; color: #6b4000; border: "
                                              "3px solid #f2b94e; border-radius: 20px;"
                                              " padding: 0 18px; }"
                                              "QPushButton:hover { background: #ffe7b3; }"
                                              "QPushButton:pressed { background: #ffc85c; }"));
        replay_->installEventFilter(this);
        connect(replay_, &QPushButton::clicked, this, &DrillPanel::replay);
    }
}

QStringList DrillPanel::choiceTexts() const {
    const QStringList& characters = context_.state.lists.chars;
    if (!traits_.readings) {
        return characters;
    }
    QStringList readings;
    readings.reserve(characters.size());
    for (const QString& character : characters) {
        readings << context_.readingOf(character);
    }
    return readings;
}

void DrillPanel::start() {
    running_ = true;
    // A tick left over from before would skip the first question of the new start.
    nextTimer_.stop();
    slideTimer_.stop();
    feedback_->widget()->hide();
    controls_.showSwitch();
    const bool continuous = controls_.continuous();
    session_.begin(choiceTexts(), continuous);
    if (continuous) {
        controls_.hideProgress();
    } else {
        controls_.showProgress(session_.barPosition(), session_.barMaximum());
    }
    relayout(); // the label's height, from which its slide starts
    drawQuestion();
}

void DrillPanel::stop() {
    running_ = false;
    nextTimer_.stop();
    slideTimer_.stop();
}

void DrillPanel::drawQuestion() {
    if (!session_.hasEntry()) {
        return;
    }
    const int i = session_.index();
    const QString character = context_.state.lists.chars.value(i);
    if (traits_.listening) {
        context_.speak(context_.state.lists.pinyins.value(i));
    }
    if (label_ != nullptr) {
        // The character drill shows the character and keeps its reading as the right answer; the
        // others show (or hold hidden) the character's reading.
        label_->setText(showsCharacter() ? character : context_.readingOf(character));
        if (!traits_.listening) {
            label_->move(0, -label_->height());
            slideTimer_.start();
        }
    }
    const DrillChoices& choices = session_.draw();
    for (int b = 0; b < 4; ++b) {
        QPushButton* button = buttons_[size_t(b)];
        if (b < choices.captions.size()) {
            const QString& caption = choices.captions[b];
            button->setText(literalCaption(caption));
            button->setAccessibleName(caption.isEmpty() ? QStringLiteral("选项%1").arg(b + 1) : caption);
            button->show();
        } else {
            button->hide();
        }
    }
    relayout();
}

void DrillPanel::answer(int button) {
    const QString caption = session_.choices().captions.value(button);
    if (!session_.isRight(caption)) {
        context_.audio.playFile(AudioSlot::Voice, context_.interfaceSound(QStringLiteral("think.mp3")));
        return;
    }
    for (QPushButton* b : buttons_) {
        b->hide();
    }
    QWidget* movie = feedback_->widget();
    movie->setGeometry(buttons_[size_t(button)]->geometry());
    movie->show();
    movie->raise();
    feedback_->gotoFrame(0); // from its start, however far it ran the last time
    feedback_->play();
    context_.audio.playFile(AudioSlot::Voice, context_.interfaceSound(QStringLiteral("right.wav")));
    nextTimer_.start();
}

void DrillPanel::replay() {
    if (session_.hasEntry()) {
        context_.speak(context_.state.lists.pinyins.value(session_.index()));
    }
}

void DrillPanel::onNextQuestionTimer() {
    nextTimer_.stop();
    const bool continuous = controls_.continuous();
    const DrillSession::Advance step = session_.advance(continuous);
    if (!continuous) {
        controls_.setProgress(session_.barPosition());
    }
    if (step == DrillSession::Advance::WalkFinished) {
        if (!context_.prompter.confirm(kFinishedCaption, kFinishedText)) {
            return; // the child stops here; the switch can still start the drill again
        }
        session_.restartWalk();
        controls_.setProgress(session_.barPosition());
    }
    if (isHidden()) {
        return;
    }
    drawQuestion();
    feedback_->widget()->hide();
}

void DrillPanel::onSwitched(bool continuous) {
    if (!running_ || isHidden()) {
        return;
    }
    session_.switchContinuous(continuous);
    if (continuous) {
        controls_.hideProgress();
    } else {
        controls_.showProgress(session_.barPosition(), session_.barMaximum());
    }
    nextTimer_.start();
}

void DrillPanel::onSlideTimer() {
    const std::optional<int> top = label_ != nullptr ? slideInStep(label_->y()) : std::nullopt;
    if (!top) {
        slideTimer_.stop();
        return;
    }
    label_->move(label_->x(), *top);
}

void DrillPanel::relayout() {
    const QSize panel = size();
    const QSize button = drillButtonSize(traits_.kind, panel);
    const int shown = session_.choices().captions.isEmpty() ? 4 : int(session_.choices().captions.size());
    const DrillGeometry geometry = layOutDrill(traits_.kind, panel, button, drillReplaySize(panel), shown);

    if (label_ != nullptr && !traits_.listening) {
        label_->setGeometry(0, label_->y(), geometry.label.width(), geometry.label.height());
        const int height = geometry.label.height();
        label_->setFont(
            kaiFont(showsCharacter() ? std::min(height * 2 / 5, 230) : std::min(height / 4, 110)));
    }
    const QFont buttonFont = kaiFont(traits_.readings ? std::min(button.height() / 2, button.width() / 4)
                                                      : button.height() * 3 / 5);
    for (size_t b = 0; b < buttons_.size(); ++b) {
        if (!geometry.buttons[b].isEmpty()) {
            buttons_[b]->setGeometry(geometry.buttons[b]);
        }
        buttons_[b]->setFont(buttonFont);
    }
    if (replay_ != nullptr) {
        replay_->setGeometry(geometry.replay);
        replay_->setFont(kaiFont(geometry.replay.height() * 2 / 5));
        const int icon = geometry.replay.height() * 3 / 5;
        if (replay_->iconSize() != QSize(icon, icon) || replay_->icon().isNull()) {
            replay_->setIcon(speakerIcon(icon));
            replay_->setIconSize(QSize(icon, icon));
        }
    }
}

void DrillPanel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    relayout();
}

bool DrillPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == replay_ && event->type() == QEvent::Enter && voicePrompts_ && voicePrompts_()) {
        context_.audio.playFile(AudioSlot::Voice, context_.interfaceSound(QStringLiteral("replay.mp3")));
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace qinghe
