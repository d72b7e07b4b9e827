#include "handwriting/model_recipe.h"

#include "handwriting/median_data.h"
#include "pad/handwriting_model.h"
#include "pad/stroke_shapes.h"

#include <QCryptographicHash>
#include <QFile>

#include <zinnia.h>

namespace qinghe::handwriting {

namespace {

// Raised whenever the way copies are made or trained changes in a way the options do not show.
constexpr int kRecipeVersion = 2;

void addNumber(QCryptographicHash& hash, double value) {
    hash.addData(QByteArray::number(value, 'g', 17));
    hash.addData(QByteArrayView(";"));
}

} // namespace

QString modelRecipeKey(const QList<TrainingCharacter>& characters, const TrainingOptions& options) {
    QCryptographicHash hash(QCryptographicHash::Sha256);
    addNumber(hash, kRecipeVersion);
    hash.addData(QByteArray(zinnia::version()));
    const Distortion& d = options.distortion;
    for (const double value : {double(options.copies),
                               double(options.neighbourSwaps),
                               double(options.series),
                               double(options.strokeWindow),
                               double(options.nearCopies),
                               double(options.farCopies),
                               double(options.form),
                               options.compression,
                               d.scale,
                               d.rotation,
                               d.shear,
                               d.shift,
                               d.strokeShift,
                               d.strokeScale,
                               d.strokeRotation,
                               d.endChange,
                               d.wobble,
                               d.jitter,
                               d.reverseChance,
                               d.swapChance,
                               d.step}) {
        addNumber(hash, value);
    }
    for (const TrainingCharacter& character : characters) {
        hash.addData(character.character.toUtf8());
        for (const pad::Stroke& stroke : character.medians) {
            for (const QPointF& point : stroke) {
                addNumber(hash, point.x());
                addNumber(hash, point.y());
            }
            hash.addData(QByteArrayView("|"));
        }
        hash.addData(QByteArrayView("\n"));
    }
    return QString::fromLatin1(hash.result().toHex());
}

bool modelUpToDate(const QString& modelFolder, const QString& key) {
    QFile keyFile(modelFolder + kModelKeyFile);
    if (!keyFile.open(QIODevice::ReadOnly) || QString::fromLatin1(keyFile.readAll()).trimmed() != key) {
        return false;
    }
    if (!QFile::exists(modelFolder + kLicenceFile) ||
        !QFile::exists(pad::HandwritingModel::strokeCountsPath(modelFolder + kModelFile))) {
        return false;
    }
    return pad::HandwritingModel::open(modelFolder + kModelFile, pad::StrokeForm::Canonical) != nullptr;
}

QByteArray strokeCountsText(const QList<TrainingCharacter>& characters) {
    QByteArray text;
    for (const TrainingCharacter& character : characters) {
        text += character.character.toUtf8() + ' ' + QByteArray::number(character.medians.size()) + '\n';
    }
    return text;
}

QByteArray shapesText(const QList<TrainingCharacter>& characters) {
    QByteArray text;
    for (const TrainingCharacter& character : characters) {
        text += pad::shapeLine(character.character, pad::shapeOf(character.medians, kMedianUnits));
    }
    return text;
}

bool sameContents(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.size() == bytes.size() && file.readAll() == bytes;
}

QByteArray modelNotice(const QString& packageVersion, int classes) {
    const QString text =
        QStringLiteral(
            "qinghe.model — 青禾书屋手写板的识字模型\r\n"
            "\r\n"
            "本模型识别 %1 个汉字，由 Zinnia 从书写样本训练而成。样本由 hanzi-writer-data %2 "
            "的笔画中线生成\r\n"
            "（每个字多份：抖动、缩放、移位、个别笔画反向或相邻笔画顺序互换）。hanzi-writer-data 的数据\r\n"
            "来自 Make Me a Hanzi 项目，取自文鼎科技（Arphic Technology）的字体，按 Arphic Public License\r\n"
            "发布；许可证全文见本文件夹中的 ARPHICPL.TXT。\r\n"
            "\r\n"
            "qinghe.model — the handwriting model of the 青禾书屋 pad\r\n"
            "\r\n"
            "This model recognises %1 characters. It was trained with Zinnia on written copies made from "
            "the\r\n"
            "stroke medians of hanzi-writer-data %2 (several copies per character: jitter, scale, shift, "
            "a\r\n"
            "reversed stroke, neighbouring strokes swapped). The hanzi-writer-data data comes from the Make "
            "Me a\r\n"
            "Hanzi project, which extracted it from fonts by Arphic Technology, and is distributed under "
            "the\r\n"
            "Arphic Public License; its full text is ARPHICPL.TXT in this folder.\r\n")
            .arg(classes)
            .arg(packageVersion);
    return text.toUtf8();
}

} // namespace qinghe::handwriting
