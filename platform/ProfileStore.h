#pragma once

#include <map>
#include <string>
#include <string_view>

namespace vantorel {

// The application's profile settings: decimal texts by section and key. Section and key names are
// compared without regard to case; a missing key reads as the empty text.
class ProfileStore {
public:
    virtual ~ProfileStore() = default;

    virtual std::string GetString(std::string_view section, std::string_view key) const = 0;
    // Returns false when the value could not be stored.
    virtual bool WriteString(std::string_view section, std::string_view key, std::string_view value) = 0;
    // True while the store holds no value at all: no trace of an earlier run.
    virtual bool IsEmpty() const = 0;

    // The value converted with the plain decimal conversion: missing or non-numeric values give 0.
    int GetInt(std::string_view section, std::string_view key) const;
};

// An in-memory store for tests and for programs that must not touch the user's settings.
class MemoryProfileStore final : public ProfileStore {
public:
    std::string GetString(std::string_view section, std::string_view key) const override;
    bool WriteString(std::string_view section, std::string_view key, std::string_view value) override;
    bool IsEmpty() const override { return values_.empty(); }
    void Remove(std::string_view section, std::string_view key);

private:
    static std::string CanonicalName(std::string_view section, std::string_view key);
    std::map<std::string, std::string> values_;
};

// Folds ASCII letters to lower case, the comparison rule of section and key names.
std::string FoldCase(std::string_view name);

} // namespace vantorel
