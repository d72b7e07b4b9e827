#pragma once

#include <QList>
#include <QWidget>

namespace qinghe {

// The right-hand study area: its panels fill it (only one is shown at a time); other children keep
// the places the modes give them.
class StudyArea : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    void addPanel(QWidget* panel) { panels_.append(panel); }

Q_SIGNALS:
    void resized();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QList<QWidget*> panels_;
};

} // namespace qinghe
