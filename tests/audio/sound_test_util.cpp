#include "sound_test_util.h"

#include "support/test_paths.h"

namespace qinghe::test {

QString audioFixture(const QString& name) {
    return dataDir() + QStringLiteral("/audio/") + name;
}

} // namespace qinghe::test
