#include "study/dictation/dictation_entry.h"

namespace qinghe {

std::optional<Prompt> dictationSelectionProblem(SelectedNode selected, const RunState& state) {
    if (selected != SelectedNode::Lesson) {
        return Prompt{QStringLiteral("学习说明！"),
                      QStringLiteral("您选择的不是具体的课文！\r请选择具体的课文进行学习。")};
    }
    if (state.lesson && state.lesson->unitTitle == u"汉语拼音") {
        return Prompt{QStringLiteral("练习说明！"),
                      QStringLiteral("汉语拼音，不包括在本练习中，请选择“同步学课文”进入汉语拼音的学习！\r"
                                     "也可以选择课文（非汉语拼音）进行练习")};
    }
    return std::nullopt;
}

std::optional<Prompt> dictationLessonProblem(const RunState& state) {
    const QString title = state.lesson ? state.lesson->displayTitle : QString();
    if (title.size() < 5) {
        return Prompt{QStringLiteral("学习说明！"),
                      QStringLiteral("请通过左侧目录，先选择用于学习的具体课程！")};
    }
    if (state.lists.chars.size() < 2) {
        return Prompt{
            QStringLiteral("生字练习说明！"),
            QStringLiteral("本课程中用于听写练习的字词数量少于2个！\r请选择其它课文进行相关字词的练习！")};
    }
    return std::nullopt;
}

std::optional<Prompt> dictationKindProblem(DictationKind kind, const LessonLists& lists) {
    if (kind == DictationKind::MustMaster && lists.mustChars.isEmpty()) {
        return Prompt{
            QStringLiteral("生字练习说明！"),
            QStringLiteral("本课没有“必需掌握”的生字！\r可以进行“全部生字”的默写试一下你的水平吧！")};
    }
    if (kind == DictationKind::Words && lists.words.isEmpty()) {
        return Prompt{QStringLiteral("生字练习说明！"),
                      QStringLiteral("本课没有要听写的词语！\r\r可以进行“全部生字”的默写试一下你的水平吧！")};
    }
    return std::nullopt;
}

} // namespace qinghe
