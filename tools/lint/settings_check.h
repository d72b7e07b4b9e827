#pragma once

#include "catalogue/settings.h"

#include <QString>

namespace qinghe::lint {

class Report;

struct SettingsCheck {
    Settings settings; // as the program reads them (defaults where the file says nothing)
    bool found = false;
};

// Checks Data/systxt/Set.ini under the program folder: that the program can start from it (the
// [Book] page key with 24 integers), that every line means something, and that the edition and
// book-mode keys name something that exists.
SettingsCheck checkSettings(const QString& programDirectory, Report& report);

} // namespace qinghe::lint
