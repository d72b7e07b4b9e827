#include "study/drills/choice_picker.h"

#include "base/random_source.h"

#include <QSet>

#include <algorithm>
#include <array>

namespace qinghe {

namespace {

// The redraw of four captions cannot fail once four different texts exist, but a lesson where one
// text fills almost every entry can need many thousand rounds; past this many (far beyond any real
// lesson) the distractors are taken in list order instead, so a broken random source cannot hang
// the program.
constexpr int kMaxRounds = 1 << 20;

bool pairwiseDifferent(const std::array<QString, 4>& captions) {
    for (size_t a = 0; a < captions.size(); ++a) {
        for (size_t b = a + 1; b < captions.size(); ++b) {
            if (captions[a] == captions[b]) {
                return false;
            }
        }
    }
    return true;
}

void fillInListOrder(const QStringList& texts, int rightButton, std::array<QString, 4>& captions) {
    QStringList others;
    for (const QString& text : texts) {
        if (text != captions[size_t(rightButton)] && !others.contains(text)) {
            others << text;
        }
    }
    int next = 0;
    for (int b = 0; b < 4; ++b) {
        if (b != rightButton) {
            captions[size_t(b)] = others.value(next++);
        }
    }
}

DrillChoices fourButtons(const QStringList& texts, int index, RandomSource& random) {
    const int n = int(texts.size());
    std::array<QString, 4> captions;
    const int rightButton = std::clamp(random.below(4), 0, 3);
    captions[size_t(rightButton)] = texts[index];
    for (int round = 0;; ++round) {
        for (int b = 0; b < 4; ++b) {
            if (b != rightButton) {
                captions[size_t(b)] = texts.value(random.below(n));
            }
        }
        if (pairwiseDifferent(captions)) {
            break;
        }
        if (round == kMaxRounds) {
            fillInListOrder(texts, rightButton, captions);
            break;
        }
    }
    return {texts[index], QStringList(captions.begin(), captions.end())};
}

DrillChoices twoButtons(const QStringList& texts, int index, RandomSource& random) {
    const int n = int(texts.size());
    const QString& right = texts[index];
    const QString first = texts.value(random.below(n));
    if (first != right) {
        return {right, {first, right}};
    }
    int other = index > 0 ? std::clamp(random.below(index), 0, index - 1) : n - 1;
    for (int step = 0; step < n && texts[other] == right; ++step) {
        other = (other + 1) % n;
    }
    if (texts[other] == right) {
        return {right, {first}};
    }
    return {right, {first, texts[other]}};
}

} // namespace

int distinctTexts(const QStringList& texts) {
    return int(QSet<QString>(texts.begin(), texts.end()).size());
}

DrillChoices pickChoices(const QStringList& texts, int index, RandomSource& random) {
    if (index < 0 || index >= texts.size()) {
        return {};
    }
    if (texts.size() >= 4 && distinctTexts(texts) >= 4) {
        return fourButtons(texts, index, random);
    }
    return twoButtons(texts, index, random);
}

} // namespace qinghe
