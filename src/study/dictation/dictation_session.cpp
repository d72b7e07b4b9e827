#include "study/dictation/dictation_session.h"

namespace qinghe {

DictationLists dictationLists(DictationKind kind, const LessonLists& lists) {
    switch (kind) {
    case DictationKind::AllCharacters:
        return {lists.chars, lists.pinyins};
    case DictationKind::MustMaster:
        return {lists.mustChars, lists.mustPinyins};
    case DictationKind::Words:
        return {lists.words, lists.words};
    }
    return {};
}

void DictationSession::start(DictationKind kind, const LessonLists& lists, const QString& displayTitle) {
    kind_ = kind;
    lists_ = dictationLists(kind, lists);
    title_ = displayTitle;
    position_ = 0;
}

std::optional<QString> DictationSession::recordingAt(int index) const {
    if (index < 0 || index >= lists_.recordings.size()) {
        return std::nullopt;
    }
    return lists_.recordings[index];
}

DictationStep DictationSession::step() {
    DictationStep step;
    const int n = count();
    step.recording = recordingAt(position_);
    step.repeatIndex = position_;
    if (position_ < n) {
        step.progress = (position_ + 1) * 100 / n;
        step.status = dictationStatus(position_ + 1, n, title_);
    }
    ++position_;
    if (position_ > n) {
        position_ = 0;
        step.finished = true;
    }
    return step;
}

QString dictationStatus(int read, int count, const QString& displayTitle) {
    return QStringLiteral("已经听写【%1】词，共【%2】词_______当前课程：").arg(read).arg(count) +
           displayTitle;
}

Prompt dictationFinishedPrompt(DictationKind kind) {
    const QString caption = QStringLiteral("听写练习说明！");
    switch (kind) {
    case DictationKind::AllCharacters:
        return {caption, QStringLiteral("小朋友，本课程中的字词已经听写完成！\r\r"
                                        "点击确定按钮，核对一下你听写的字词是否正确？")};
    case DictationKind::MustMaster:
        return {caption, QStringLiteral("小朋友，本课程中要求【必需掌握】的字词已经听写完成！\r\r"
                                        "点击确定按钮，核对一下你听写的字词是否正确？")};
    case DictationKind::Words:
        return {caption, QStringLiteral("小朋友，本课生字扩展的词语已经听写完成！\r\r"
                                        "点击确定按钮，核对一下你听写的词语是否正确？")};
    }
    return {caption, QString()};
}

} // namespace qinghe
