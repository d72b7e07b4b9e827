#pragma once

#include <QPushButton>
#include <QWidget>

#include <array>

namespace qinghe {

// The row under the card (pnl_zc, 90 high): eight character buttons btn_zc_1..8 (68 x 68) and the
// arrows btn_zc_pre "上一组" and btn_zc_next "下一组".
class WordButtonRow : public QWidget {
    Q_OBJECT
public:
    explicit WordButtonRow(QWidget* parent = nullptr);

    QPushButton* button(int index) const { return buttons_[size_t(index)]; } // 0..7
    QPushButton* previousButton() const { return previous_; }
    QPushButton* nextButton() const { return next_; }

Q_SIGNALS:
    void characterPressed(int index);
    void previousPressed();
    void nextPressed();

private:
    std::array<QPushButton*, 8> buttons_{};
    QPushButton* previous_ = nullptr;
    QPushButton* next_ = nullptr;
};

} // namespace qinghe
