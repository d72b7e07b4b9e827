#pragma once

#include "study/character_table/memorise_session.h"
#include "study/study_context.h"

#include <QTimer>
#include <QWidget>

class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;

namespace qinghe {

// Quick memorise over the new-character table (Tfrm_shengzibiao_suji): one character at a time, by
// hand or at a pace, showing its reading, the character, both or neither. A click on the reading or
// the character speaks the reading's recording, except in the silent show mode: when nothing is
// shown, hearing the character is the way to test oneself.
class TableMemoriseWindow : public QWidget {
    Q_OBJECT
public:
    TableMemoriseWindow(StudyContext& context, QWidget* parent);

    // Shows the window over these characters, starting at the first (a window already up keeps its
    // list and comes to the front).
    void present(const QStringList& characters, const QStringList& pinyins);

    void next();     // "下一个", and the pace timer
    void previous(); // "上一个"
    void pause();    // "暂停"
    void enlarge();  // "字放大"
    void shrink();   // "字缩小"
    // A click on either label.
    void speak();
    void onShowTick();

    const MemoriseSession& session() const { return session_; }
    MemoriseShow showMode() const;
    bool speaks() const { return speak_; }
    int fontSize() const { return fontSize_; }
    const QTimer& showTimer() const { return timer_; }
    QLabel* characterLabel() const { return character_; }
    QLabel* readingLabel() const { return reading_; }
    QLabel* currentLabel() const { return current_; }
    QLabel* totalLabel() const { return total_; }
    QProgressBar* gauge() const { return gauge_; }
    QComboBox* paceBox() const { return pace_; }
    QComboBox* showBox() const { return show_; }
    QPushButton* button(const QString& objectName) const;
    QWidget* topPanel() const { return top_; }
    QWidget* bottomPanel() const { return bottom_; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildWindow();
    void applyShowMode();
    void applyPace();
    void display();
    void layOut();
    void restartUnlessManual();
    void setFontSize(int size);

    StudyContext& context_;
    MemoriseSession session_;
    QStringList pendingCharacters_;
    QStringList pendingPinyins_;
    QTimer timer_;
    bool speak_ = true;
    int fontSize_ = kMemoriseFontSize;
    MemoriseLayout layout_;
    bool laidOut_ = false;

    QWidget* top_ = nullptr;
    QWidget* bottom_ = nullptr;
    QWidget* buttonRow_ = nullptr;
    QLabel* reading_ = nullptr;
    QLabel* character_ = nullptr;
    QProgressBar* gauge_ = nullptr;
    QLabel* current_ = nullptr;
    QLabel* total_ = nullptr;
    QComboBox* pace_ = nullptr;
    QComboBox* show_ = nullptr;
};

} // namespace qinghe
