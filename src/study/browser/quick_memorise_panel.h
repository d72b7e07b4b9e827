#pragma once

#include "study/browser/quick_memorise.h"
#include "study/study_context.h"

#include <QTimer>
#include <QWidget>

class QCheckBox;
class QLabel;
class QRadioButton;

namespace qinghe {

// The quick-memorise panel (pnlmain): the lesson's characters one after another in large type, each
// sliding in from above with its reading and its recording, at the chosen speed.
class QuickMemorisePanel : public QWidget {
    Q_OBJECT
public:
    QuickMemorisePanel(StudyContext& context, QWidget* parent = nullptr);

    // Starts the slide show at the first character (the main window has shown the panel).
    void enter();
    void stop();
    void relayout();
    bool isRunning() const { return stepTimer_.isActive(); }

    QLabel* wordLabel() const { return word_; }
    QLabel* pinyinLabel() const { return pinyin_; }
    QLabel* statusLabel() const { return status_; }
    QWidget* speedPanel() const { return speedPanel_; }
    QRadioButton* speedButton(QuickMemorise::Speed speed) const;
    QCheckBox* pinyinCheck() const { return showPinyin_; }
    QTimer& stepTimer() { return stepTimer_; }   // Timer11
    QTimer& slideTimer() { return slideTimer_; } // Timer21
    const QuickMemorise& run() const { return run_; }

    // One tick of each timer (the timers call these).
    void step();
    void slide();

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QuickMemorise::Speed speed() const;
    void setSpeed(QuickMemorise::Speed speed);

    StudyContext& context_;
    QuickMemorise run_;
    QLabel* word_ = nullptr;
    QLabel* pinyin_ = nullptr;
    QLabel* status_ = nullptr;
    QWidget* speedPanel_ = nullptr;
    QRadioButton* slow_ = nullptr;
    QRadioButton* normal_ = nullptr;
    QRadioButton* fast_ = nullptr;
    QCheckBox* showPinyin_ = nullptr;
    QString storedReading_;
    QTimer stepTimer_;
    QTimer slideTimer_;
};

} // namespace qinghe
