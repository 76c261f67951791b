// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantorel {

// The values of a profile store at one moment, as one update sees and changes them.
class ProfileValues {
public:
    virtual ~ProfileValues() = default;

    // The stored text; nothing when the key is missing.
    virtual std::optional<std::string> Get(std::string_view section, std::string_view key) const = 0;
    virtual void Set(std::string_view section, std::string_view key, std::string_view value) = 0;
    // True while no value at all is stored: no trace of an earlier run.
    virtual bool IsEmpty() const = 0;
};

// The application's profile settings: decimal texts by section and key. Section and key names are
// compared without regard to case; a missing key reads as the empty text.
class ProfileStore {
public:
    virtual ~ProfileStore() = default;

    virtual std::string GetString(std::string_view section, std::string_view key) const = 0;
    // The texts of several keys of one section, read at one moment.
    virtual std::vector<std::string> GetStrings(std::string_view section,
                                                const std::vector<std::string_view>& keys) const;
    // True while the store holds no value at all: no trace of an earlier run.
    virtual bool IsEmpty() const = 0;
    // Lets `change` read the values as they stand now and set some, and keeps what it set, as one step: no
    // other writer of the store comes between the read and the write. False when the values could not be
    // kept (the store is then as it was; Problem() says why).
    virtual bool Update(const std::function<void(ProfileValues&)>& change) = 0;
    // Why the values cannot be read, or why the last update failed; empty when nothing went wrong.
    virtual std::string Problem() const { return {}; }
    // The store of the user's own settings, where the first run writes its defaults: this one, unless it
    // lays a lottery folder's settings over them.
    virtual ProfileStore& UserSettings() { return *this; }
    // The file that updates of the game settings go to when it is not the user's own settings file (a
    // lottery folder's); empty otherwise.
    virtual std::string GameSettingsFile() const { return {}; }

    // An update of one value; false when it could not be kept.
    bool WriteString(std::string_view section, std::string_view key, std::string_view value);
    // The value converted with the plain decimal conversion: missing or non-numeric values give 0.
    int GetInt(std::string_view section, std::string_view key) const;
};

// An in-memory store for tests and for programs that must not touch the user's settings.
class MemoryProfileStore final : public ProfileStore, private ProfileValues {
public:
    std::string GetString(std::string_view section, std::string_view key) const override;
    bool IsEmpty() const override { return values_.empty(); }
    bool Update(const std::function<void(ProfileValues&)>& change) override;
    void Remove(std::string_view section, std::string_view key);

private:
    std::optional<std::string> Get(std::string_view section, std::string_view key) const override;
    void Set(std::string_view section, std::string_view key, std::string_view value) override;

    static std::string CanonicalName(std::string_view section, std::string_view key);
    std::map<std::string, std::string> values_;
};

// Folds ASCII letters to lower case, the comparison rule of section and key names.
std::string FoldCase(std::string_view name);

} // namespace vantorel
