#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QtEndian>

#include <bit>

namespace qinghe::pad {

// A Zinnia model file made by hand: per class a 16-byte name, a bias and (index, weight) pairs
// ending with index -1; the header holds the file size XOR Zinnia's magic number.
struct ModelBytes {
    struct Class {
        QByteArray name;
        float bias;
        QList<QPair<qint32, float>> weights;
    };
    QList<Class> classes;
    quint32 version = 1;

    QByteArray bytes() const {
        QByteArray body;
        for (const Class& c : classes) {
            QByteArray name = c.name.left(16);
            name.append(QByteArray(16 - name.size(), '\0'));
            body += name;
            body += word(std::bit_cast<quint32>(c.bias));
            for (const auto& [index, weight] : c.weights) {
                body += word(quint32(index)) + word(std::bit_cast<quint32>(weight));
            }
            body += word(quint32(-1)) + word(0);
        }
        const quint32 size = quint32(12 + body.size());
        return word(size ^ 0xef71821) + word(version) + word(quint32(classes.size())) + body;
    }
    static QByteArray word(quint32 value) {
        QByteArray bytes(4, '\0');
        qToLittleEndian(value, bytes.data());
        return bytes;
    }
};

// Two classes told apart by the stroke-count feature alone: one stroke is 一, two are 二.
inline ModelBytes strokeCountModel() {
    return {{{"一", 0.0f, {{2000001, 1.0f}}}, {"二", 0.0f, {{2000002, 1.0f}}}}};
}

// Five classes ranked by stroke count (Zinnia's feature 2000000 + n is 10 for n strokes): one stroke
// gives 一 二 十 七 人, two give 二 十 七 人 一.
inline ModelBytes rankedModel() {
    return {{{"一", 0.0f, {{2000001, 1.0f}}},
             {"二", 0.0f, {{2000001, 0.4f}, {2000002, 1.0f}}},
             {"十", 0.0f, {{2000001, 0.3f}, {2000002, 0.9f}}},
             {"七", 0.0f, {{2000001, 0.2f}, {2000002, 0.8f}}},
             {"人", 0.0f, {{2000001, 0.1f}, {2000002, 0.7f}}}}};
}

} // namespace qinghe::pad
