#pragma once

#include <QImage>
#include <QSet>

namespace qinghe::test {

// How many different colours a rendering holds (every second pixel): a blank host is one colour, so a
// count well above that means something was drawn.
inline int colourCount(const QImage& image) {
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 2) {
        for (int x = 0; x < image.width(); x += 2) {
            colours.insert(image.pixel(x, y));
        }
    }
    return int(colours.size());
}

} // namespace qinghe::test
