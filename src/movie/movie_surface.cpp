#include "movie/movie_surface.h"

#include <QPainter>
#include <QResizeEvent>
#include <QVBoxLayout>

namespace qinghe {

MovieSurface::MovieSurface(QWidget* parent)
    : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
}

void MovieSurface::setBackground(const QColor& colour) {
    background_ = colour;
    update();
}

void MovieSurface::paintEvent(QPaintEvent*) {
    if (background_.isValid()) {
        QPainter(this).fillRect(rect(), background_);
    }
}

void MovieSurface::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (onResize) {
        onResize();
    }
}

} // namespace qinghe
