#pragma once

#include <QWidget>

namespace qinghe {

// The right-hand study area: every child panel fills it (only one is shown at a time).
class StudyArea : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

Q_SIGNALS:
    void resized();

protected:
    void resizeEvent(QResizeEvent* event) override;
};

} // namespace qinghe
