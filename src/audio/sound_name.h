#pragma once

#include <QString>
#include <QStringView>

namespace qinghe {

// The file-name form of a text: the name under which its recording is stored. A few word fix-ups,
// then Base64 of the UTF-8 text with the characters file names cannot hold escaped.
QString soundName(QStringView text);

} // namespace qinghe
