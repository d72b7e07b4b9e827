#include "study/drills/drill_entry.h"

namespace qinghe {

namespace {
const QString kNoCharactersCaption = QStringLiteral("生字说明！");
} // namespace

std::optional<Prompt> drillEntryProblem(SelectedNode selected, const LessonLists& lists,
                                        const QString& displayTitle) {
    if (selected != SelectedNode::Lesson) {
        return Prompt{QStringLiteral("练习说明！"),
                      QStringLiteral("您选择的不是具体的课文！\r请选择具体的课文进行学习。")};
    }
    if (lists.chars.isEmpty()) {
        return Prompt{kNoCharactersCaption,
                      QStringLiteral("您当前选择的课文，对应的课本中不包含相应的生字内容！\r\r\r"
                                     "请选择其它课文进行相关生字的学习与训练！")};
    }
    // A display title shorter than "X→【Y】" cannot name a lesson.
    if (displayTitle.size() < 5) {
        return Prompt{QStringLiteral("学习说明！"),
                      QStringLiteral("请通过左侧目录，先选择用于学习的具体课程！")};
    }
    if (lists.chars.size() < 2) {
        return Prompt{
            QStringLiteral("生字练习说明！"),
            QStringLiteral("本课程中用于听写练习的字词数量少于2个！\r请选择其它课文进行相关字词的练习！")};
    }
    return std::nullopt;
}

bool drillNeedsNoCharactersPanel(const Prompt& problem) {
    return problem.caption == kNoCharactersCaption;
}

} // namespace qinghe
