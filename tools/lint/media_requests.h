#pragma once

#include "lesson_content.h"

#include <QString>

#include <vector>

namespace qinghe::lint {

class Report;

// One file the program will ask for while a lesson is studied, and the record that makes it ask.
struct MediaRequest {
    QString folder; // under the program folder, as the program writes it: "Data/RJ/sound"
    QString name;   // file name: "dGnEgW4=.mp3"
    QString what;   // what it is for, for messages: "PinYin1 «tiān» of 天"
    QString file;   // the requesting record (or lesson node) as shown in messages
    int line = 0;
    int bookNumber = 0; // the book's number as the program counts it (the installed book's own number)
    int bookPosition = 0;
};

// The recordings of every lesson: the character's reading, its word groups (the first always, the
// others from two characters on, as the card offers them), the sentence keyed by the first word
// group, every word of the lesson's word list, and the lesson's full reading.
std::vector<MediaRequest> recordingRequests(const std::vector<LessonContent>& lessons,
                                            const QString& editionFolder, const QString& catalogueFile);

// The stroke-order movie of every character: hzbs/<char>.swf, or hzbs/book<N>/<char>.swf in a
// one-book installation. The pinyin lessons (unit caption 汉语拼音) show none.
std::vector<MediaRequest> movieRequests(const std::vector<LessonContent>& lessons,
                                        const QString& editionFolder, bool singleBook);

// Names in one folder that differ only in letter case are one file on Windows.
void checkCaseCollisions(const std::vector<MediaRequest>& requests, const QString& kind, Report& report);

} // namespace qinghe::lint
