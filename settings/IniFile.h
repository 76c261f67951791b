// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantorel {

// The text of an INI settings file in the dialect that QSettings reads and writes: "[Section]" headers,
// "key=value" entries, ";" comments, names and values escaped as QSettings escapes them. A changed file
// keeps every line it does not change as it was: comments, blank lines, unknown sections and keys, lines
// that are no entry at all, and the spelling of the names already in it. Section and key names are
// matched without regard to ASCII case; where a name stands twice, the last entry counts, as it does for
// QSettings. Only the text is kept: every look-up reads it anew, so that a file of any size costs no more
// memory than its text.
class IniFile final {
public:
    static IniFile Parse(std::string text);

    // The value of the entry, unescaped; nothing when there is no such entry.
    std::optional<std::string> Get(std::string_view section, std::string_view key) const;
    // Changes the value of the entry that Get reads, or adds the entry at the end of the last block of
    // its section (a new section at the end of the file, spelt as given).
    void Set(std::string_view section, std::string_view key, std::string_view value);
    // True while the file holds no entry in any section.
    bool HasNoEntries() const;

    // The whole file, every line ended by the line end the file used first ("\n" for a new file).
    std::string Text() const;

private:
    // Where the entry that Get reads stands, and the end of the last block of its section.
    struct Found {
        std::optional<std::size_t> entryStart;
        std::size_t entryLength = 0;
        std::optional<std::size_t> blockEnd; // the end of the section's last header or entry line
        std::string_view rawKey;             // of the entry, as written
        std::string_view value;              // of the entry, escaped
        std::string_view comment;            // of the entry: from its ";" on
    };
    Found Find(std::string_view section, std::string_view key) const;

    std::string text_; // without a byte order mark
    std::string lineEnd_ = "\n";
    bool byteOrderMark_ = false;
};

// QSettings' escaping of INI names: letters, digits, "_", "-" and "." as they are, "/" as "\", other
// characters as %XX or %UXXXX.
std::string EscapeIniKey(std::string_view key);
std::string UnescapeIniKey(std::string_view key);
// QSettings' escaping of a text value: C escapes for control characters, quotes and backslashes, the whole
// value in quotes when it holds ";", "," or "=" or starts or ends with a blank, "@" doubled at its start.
std::string EscapeIniValue(std::string_view value);
// Reads a value as QSettings does: quotes and escapes resolved, blanks around an unquoted value dropped,
// "@@" and @String(...) unwrapped. A comma outside quotes (a list for QSettings) stays in the text.
std::string UnescapeIniValue(std::string_view value);

} // namespace vantorel
