#pragma once

#include <QColor>
#include <QWidget>

#include <functional>

namespace qinghe {

// The widget of a movie host: paints the background colour while there is no movie and holds the
// view (or the engine's own host) in a margin-less layout once there is one.
class MovieSurface final : public QWidget {
public:
    explicit MovieSurface(QWidget* parent = nullptr);

    void setBackground(const QColor& colour);
    // Called after every resize, to place the movie.
    std::function<void()> onResize;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QColor background_;
};

} // namespace qinghe
