#include "app/study_area.h"

#include <QResizeEvent>

namespace qinghe {

void StudyArea::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    for (QWidget* panel : panels_) {
        panel->setGeometry(rect());
    }
    Q_EMIT resized();
}

} // namespace qinghe
