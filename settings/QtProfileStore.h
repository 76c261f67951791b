#pragma once

#include "platform/ProfileStore.h"

#include <QSettings>
#include <QString>

namespace vantorel {

// The profile store over QSettings, at the profile location and application title of GameSettings.h (on
// Linux the INI file $XDG_CONFIG_HOME/Nulvex.Mark/Vantorel.conf). Section and key names are matched without
// regard to case: an existing spelling in the file is reused, so "settings" and "Settings" reach the same
// values.
class QtProfileStore final : public ProfileStore {
public:
    QtProfileStore();
    // A store in the given INI file, for tests.
    explicit QtProfileStore(const QString& iniFile);

    std::string GetString(std::string_view section, std::string_view key) const override;
    bool WriteString(std::string_view section, std::string_view key, std::string_view value) override;
    bool IsEmpty() const override;

private:
    // The "group/key" path of an existing entry that matches without regard to case, else the names given.
    QString StoredPath(std::string_view section, std::string_view key) const;

    mutable QSettings settings_;
};

} // namespace vantorel
