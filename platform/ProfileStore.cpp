// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ProfileStore.h"

#include "platform/PlainDecimal.h"

namespace vantorel {

bool ProfileStore::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    return Update([&](ProfileValues& values) { values.Set(section, key, value); });
}

std::vector<std::string> ProfileStore::GetStrings(std::string_view section,
                                                  const std::vector<std::string_view>& keys) const {
    std::vector<std::string> texts;
    texts.reserve(keys.size());
    for (const std::string_view key : keys) {
        texts.push_back(GetString(section, key));
    }
    return texts;
}

int ProfileStore::GetInt(std::string_view section, std::string_view key) const {
    return PlainDecimal(GetString(section, key));
}

std::string FoldCase(std::string_view name) {
    std::string folded(name);
    for (char& c : folded) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return folded;
}

std::string MemoryProfileStore::CanonicalName(std::string_view section, std::string_view key) {
    return FoldCase(section) + '/' + FoldCase(key);
}

std::string MemoryProfileStore::GetString(std::string_view section, std::string_view key) const {
    return Get(section, key).value_or(std::string());
}

std::optional<std::string> MemoryProfileStore::Get(std::string_view section, std::string_view key) const {
    const auto found = values_.find(CanonicalName(section, key));
    return found == values_.end() ? std::nullopt : std::optional<std::string>(found->second);
}

void MemoryProfileStore::Set(std::string_view section, std::string_view key, std::string_view value) {
    values_[CanonicalName(section, key)] = std::string(value);
}

bool MemoryProfileStore::Update(const std::function<void(ProfileValues&)>& change) {
    change(*this);
    return true;
}

void MemoryProfileStore::Remove(std::string_view section, std::string_view key) {
    values_.erase(CanonicalName(section, key));
}

} // namespace vantorel
