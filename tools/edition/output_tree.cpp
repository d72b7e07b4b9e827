#include "output_tree.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace qinghe::edition {

namespace {
const QString kManifest = QStringLiteral("Data/.edition-manifest");
}

OutputTree::OutputTree(QString root)
    : root_(std::move(root)) {
    if (!root_.endsWith(u'/')) {
        root_ += u'/';
    }
    QFile file(path(kManifest));
    if (file.open(QIODevice::ReadOnly)) {
        const QList<QByteArray> lines = file.readAll().split('\n');
        for (const QByteArray& line : lines) {
            const qsizetype tab = line.indexOf('\t');
            if (tab > 0) {
                recipes_.insert(QString::fromUtf8(line.left(tab)), QString::fromUtf8(line.mid(tab + 1)));
            }
        }
    }
}

OutputTree::~OutputTree() {
    saveManifest();
}

bool OutputTree::writeIfChanged(const QString& relative, const QByteArray& bytes, bool* written) {
    if (written != nullptr) {
        *written = false;
    }
    const QString target = path(relative);
    QFile existing(target);
    if (existing.size() == bytes.size() && existing.open(QIODevice::ReadOnly) &&
        existing.readAll() == bytes) {
        return true;
    }
    existing.close();
    QDir().mkpath(QFileInfo(target).absolutePath());
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        return false;
    }
    if (written != nullptr) {
        *written = true;
    }
    return true;
}

bool OutputTree::isUpToDate(const QString& relative, const QString& recipe) const {
    return recipes_.value(relative) == recipe && QFileInfo::exists(path(relative));
}

void OutputTree::remember(const QString& relative, const QString& recipe) {
    recipes_.insert(relative, recipe);
    dirty_ = true;
}

void OutputTree::saveManifest() {
    if (!dirty_) {
        return;
    }
    QByteArray out;
    QStringList keys = recipes_.keys();
    keys.sort();
    for (const QString& key : keys) {
        out += key.toUtf8() + '\t' + recipes_.value(key).toUtf8() + '\n';
    }
    if (writeIfChanged(kManifest, out)) {
        dirty_ = false;
    }
}

QString recipeKey(const QStringList& parts) {
    QCryptographicHash hash(QCryptographicHash::Sha1);
    for (const QString& part : parts) {
        hash.addData(part.toUtf8());
        hash.addData(QByteArrayView("\x1f", 1));
    }
    return QString::fromLatin1(hash.result().toHex().left(20));
}

} // namespace qinghe::edition
