#include "settings/QtProfileStore.h"

#include "platform/GameSettings.h"

#include <QStringList>

namespace vantorel {

namespace {

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString MatchingName(const QStringList& existing, const QString& wanted) {
    for (const QString& name : existing) {
        if (name.compare(wanted, Qt::CaseInsensitive) == 0) {
            return name;
        }
    }
    return wanted;
}

} // namespace

QtProfileStore::QtProfileStore()
    : settings_(ToQString(kProfileOrganization), ToQString(kProfileApplication)) {}

QtProfileStore::QtProfileStore(const QString& iniFile) : settings_(iniFile, QSettings::IniFormat) {}

QString QtProfileStore::StoredPath(std::string_view section, std::string_view key) const {
    const QString group = MatchingName(settings_.childGroups(), ToQString(section));
    settings_.beginGroup(group);
    const QString name = MatchingName(settings_.childKeys(), ToQString(key));
    settings_.endGroup();
    return group + QLatin1Char('/') + name;
}

std::string QtProfileStore::GetString(std::string_view section, std::string_view key) const {
    return settings_.value(StoredPath(section, key)).toString().toStdString();
}

bool QtProfileStore::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    settings_.setValue(StoredPath(section, key), ToQString(value));
    settings_.sync();
    return settings_.status() == QSettings::NoError;
}

bool QtProfileStore::IsEmpty() const {
    return settings_.allKeys().isEmpty();
}

} // namespace vantorel
