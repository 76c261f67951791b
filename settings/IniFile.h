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
// QSettings.
class IniFile final {
public:
    static IniFile Parse(std::string_view text);

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
    enum class LineKind { kOther, kSection, kEntry };
    // One line as it stands in the file; a value continued by a backslash at a line end spans several.
    struct Line {
        LineKind kind = LineKind::kOther;
        std::string text;    // as read, without its line end
        std::string section; // kSection: the section's name, unescaped ("" for [General])
        std::string key;     // kEntry: the key, unescaped
        std::string rawKey;  // kEntry: the key as written, kept when the value changes
        std::string value;   // kEntry: the value, unescaped
        std::string comment; // kEntry: a comment after the value (from its ";"), kept when the value changes
    };

    static Line ParseLine(std::string_view text);
    // Index of the entry Get reads, of the last header of the section, and the section of each line.
    std::optional<std::size_t> FindEntry(std::string_view section, std::string_view key) const;
    std::optional<std::size_t> LastHeaderOf(std::string_view section) const;
    std::vector<std::string> SectionOfEachLine() const;

    std::vector<Line> lines_;
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
