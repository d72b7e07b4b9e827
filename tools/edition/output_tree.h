#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

namespace qinghe::edition {

// The program folder being generated. Files are replaced atomically, and only when their content
// (or, for expensive outputs, their recipe) changed, so a second run does no work.
class OutputTree {
public:
    explicit OutputTree(QString root);
    ~OutputTree();

    const QString& root() const { return root_; }
    QString path(const QString& relative) const { return root_ + relative; }

    // Writes when the bytes differ from what is there. True when written or already equal.
    bool writeIfChanged(const QString& relative, const QByteArray& bytes, bool* written = nullptr);

    // Expensive outputs (speech, movies) are remembered with the key of what they were made from.
    bool isUpToDate(const QString& relative, const QString& recipe) const;
    void remember(const QString& relative, const QString& recipe);
    // Saves the recipe list (also done by the destructor).
    void saveManifest();

private:
    QString root_;
    QHash<QString, QString> recipes_;
    bool dirty_ = false;
};

// A short stable key of what an output is made from.
QString recipeKey(const QStringList& parts);

} // namespace qinghe::edition
