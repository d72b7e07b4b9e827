#include "app/study_area.h"

#include <QResizeEvent>

namespace qinghe {

void StudyArea::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    for (QObject* child : children()) {
        if (auto* panel = qobject_cast<QWidget*>(child); panel != nullptr && !panel->isWindow()) {
            panel->setGeometry(rect());
        }
    }
    Q_EMIT resized();
}

} // namespace qinghe
