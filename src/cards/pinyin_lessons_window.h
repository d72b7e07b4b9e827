#pragma once

#include "movie/movie_host.h"

#include <QList>
#include <QPointer>
#include <QWidget>

#include <functional>

class QLabel;
class QListWidget;
class QPushButton;

namespace qinghe {

class AudioService;
class PathResolver;

// "汉语拼音的动画学习" (Tfrmpinyin): the fixed list of pinyin lessons beside the movie host Flashmain,
// which plays the chosen lesson. It takes the main window's place and size while the main window
// waits off-screen; `onClosed` (called when the window closes, after the movie is cleared) brings
// the main window back. Minimising it minimises the whole program.
class PinyinLessonsWindow : public QWidget {
    Q_OBJECT
public:
    PinyinLessonsWindow(const PathResolver& paths, const MovieHostFactory& movies, AudioService& audio,
                        QWidget* mainWindow, std::function<void()> onClosed, QWidget* parent = nullptr);
    ~PinyinLessonsWindow() override;

    // Takes the main window's border style and size, sits at 0,0 and plays the first lesson.
    // True when the window is up (the caller then moves the main window aside).
    bool open();

    // Plays the lesson of the list row (the entry click).
    void playEntry(int row);

    QListWidget* entryList() const { return list_; }
    QLabel* heading() const { return heading_; }
    QPushButton* closeButton() const { return close_; }
    MovieHost* movieHost() const { return host_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void onMovieCommand(const QString& command, const QString& arguments);
    void minimiseProgram();
    void restoreProgram();

    const PathResolver& paths_;
    AudioService& audio_;
    QPointer<QWidget> mainWindow_;
    std::function<void()> onClosed_;
    bool open_ = false;
    bool spoke_ = false;
    // Windows minimised along with this one, brought back when it is restored.
    QList<QPointer<QWidget>> minimised_;

    QListWidget* list_ = nullptr;
    QLabel* heading_ = nullptr;
    QPushButton* close_ = nullptr;
    MovieHost* host_ = nullptr;
};

} // namespace qinghe
