#pragma once

#include <QObject>
#include <QRect>

class QCheckBox;
class QLabel;
class QProgressBar;
class QWidget;

namespace qinghe {

// The controls the four drills share, placed on the study area over the drill panel: the
// continuous-practice switch (panel pnl_lianxu with check box chklianxu and its label Label6) and
// the progress bar pro_hanzi. The drill that is running listens to switched().
class DrillControls : public QObject {
    Q_OBJECT
public:
    // The widgets are children of the study area (and owned by it); all start hidden. This object
    // itself belongs to `parent`, or to whoever holds it when there is none.
    explicit DrillControls(QWidget* studyArea, QObject* parent = nullptr);

    // Shows the switch panel in front of the drill panel.
    void showSwitch();
    // Hides the switch panel and the progress bar (leaving the drills).
    void hide();
    // The bar: shown with the walk's maximum and position, or hidden in continuous mode.
    void showProgress(int position, int maximum);
    void hideProgress();
    // Moves the bar without changing whether it shows.
    void setProgress(int position);

    // On every resize of the study area (its own coordinates): the switch panel 20 pixels from the
    // right edge, the bar along the bottom.
    void place(const QRect& studyArea);

    bool continuous() const;

    QWidget* switchPanel() const { return panel_; }
    QCheckBox* switchBox() const { return switch_; }
    QLabel* switchLabel() const { return label_; }
    QProgressBar* progressBar() const { return bar_; }

Q_SIGNALS:
    // The child clicked the check box or its label; the argument is the new state.
    void switched(bool continuous);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* panel_ = nullptr;
    QCheckBox* switch_ = nullptr;
    QLabel* label_ = nullptr;
    QProgressBar* bar_ = nullptr;
};

} // namespace qinghe
