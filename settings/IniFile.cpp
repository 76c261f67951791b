// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/IniFile.h"

#include "platform/ProfileStore.h"

#include <algorithm>

namespace vantorel {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kHexDigits = "0123456789ABCDEF";
// The name of the section that holds the keys outside any group.
constexpr std::string_view kGeneralSection = "general";

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool IsLineEnd(char c) {
    return c == '\n' || c == '\r';
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// The length of the line end at `position` (CR LF, LF or CR alone), 0 when there is none.
std::size_t LineEndLength(std::string_view text, std::size_t position) {
    if (position >= text.size() || !IsLineEnd(text[position])) {
        return 0;
    }
    return text.compare(position, 2, "\r\n") == 0 ? 2 : 1;
}

// The length of the line that starts at `start`: up to its line end, unless a backslash outside a comment
// continues it on the next line. QSettings also lets quotes run over line ends, but it never writes a line
// end inside quotes, and a stray quote in a file edited by hand would take the rest of the file into one
// line; here a line end always ends a quoted text.
std::size_t LogicalLineLength(std::string_view text, std::size_t start) {
    bool inComment = false;
    std::size_t i = start;
    while (i < text.size() && !IsLineEnd(text[i])) {
        if (!inComment && text[i] == '\\') {
            i += 1 + std::max<std::size_t>(LineEndLength(text, i + 1), i + 1 < text.size() ? 1 : 0);
            continue;
        }
        inComment = inComment || text[i] == ';';
        ++i;
    }
    return std::min(i, text.size()) - start;
}

// Positions of the first "=" and of the first ";" that stand outside quotes and escapes.
struct EntryMarks {
    std::size_t equals = std::string_view::npos;
    std::size_t comment = std::string_view::npos;
};
EntryMarks FindEntryMarks(std::string_view line) {
    EntryMarks marks;
    bool inQuotes = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '\\') {
            ++i;
        } else if (c == '"') {
            inQuotes = !inQuotes;
        } else if (!inQuotes && c == '=' && marks.equals == std::string_view::npos) {
            marks.equals = i;
        } else if (!inQuotes && c == ';') {
            marks.comment = i;
            break;
        }
    }
    return marks;
}

void AppendUtf8(std::string& out, char32_t codePoint) {
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (codePoint >> 18));
        out += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

// The code point of the UTF-8 sequence at `i`, which moves past it; a byte that starts no valid sequence
// stands for itself, as Latin-1.
char32_t NextCodePoint(std::string_view text, std::size_t& i) {
    const auto byte = [&](std::size_t at) {
        return static_cast<unsigned char>(text[at]);
    };
    const unsigned char lead = byte(i);
    const std::size_t length = lead >= 0xF0 && lead < 0xF5 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 1;
    if (lead < 0x80 || length == 1 || i + length > text.size()) {
        ++i;
        return lead;
    }
    char32_t codePoint = lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) {
            ++i;
            return lead;
        }
        codePoint = (codePoint << 6) | (byte(i + k) & 0x3F);
    }
    i += length;
    return codePoint;
}

void AppendHex(std::string& out, char32_t value, int digits) {
    for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4) {
        out += kHexDigits[(value >> shift) & 0xF];
    }
}

std::optional<char32_t> HexValue(std::string_view digits) {
    char32_t value = 0;
    for (const char c : digits) {
        const char upper = c >= 'a' && c <= 'f' ? static_cast<char>(c - 'a' + 'A') : c;
        const std::size_t digit = kHexDigits.find(upper);
        if (digit == std::string_view::npos) {
            return std::nullopt;
        }
        value = value * 16 + static_cast<char32_t>(digit);
    }
    return value;
}

bool IsHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

bool IsHighSurrogate(char32_t c) {
    return c >= 0xD800 && c < 0xDC00;
}
bool IsLowSurrogate(char32_t c) {
    return c >= 0xDC00 && c < 0xE000;
}

// The escape that follows a backslash at `i` (which moves past it) appended to `out`.
void AppendEscaped(std::string_view text, std::size_t& i, std::string& out) {
    static constexpr std::string_view kCodes = "abfnrtv\"?'\\";
    static constexpr std::string_view kValues = "\a\b\f\n\r\t\v\"?'\\";
    const char c = text[i++];
    if (const std::size_t code = kCodes.find(c); code != std::string_view::npos) {
        out += kValues[code];
    } else if (c == 'x' || (c >= '0' && c <= '7')) {
        const bool hex = c == 'x';
        std::size_t end = hex ? i : i - 1;
        while (end < text.size() && (hex ? IsHexDigit(text[end]) : text[end] >= '0' && text[end] <= '7')) {
            ++end;
        }
        char32_t value = 0;
        for (std::size_t k = hex ? i : i - 1; k < end; ++k) {
            value = std::min<char32_t>(value * (hex ? 16 : 8) + *HexValue(text.substr(k, 1)), 0x10FFFF);
        }
        AppendUtf8(out, value);
        i = end;
    } else if (IsLineEnd(c)) {
        // A backslash at the end of a line continues the value on the next one.
        if (i < text.size() && IsLineEnd(text[i]) && text[i] != c) {
            ++i;
        }
    }
    // Any other escaped character is dropped, as QSettings drops it.
}

// "@String(x)" and "@ByteArray(x)" are x, "@Invalid()" is empty and "@@x" is "@x"; other texts stay.
std::string UnwrappedVariant(std::string_view text) {
    if (text.substr(0, 2) == "@@") {
        return std::string(text.substr(1));
    }
    for (const std::string_view wrapper : {std::string_view("@String("), std::string_view("@ByteArray(")}) {
        if (text.size() > wrapper.size() && text.substr(0, wrapper.size()) == wrapper && text.back() == ')') {
            return std::string(text.substr(wrapper.size(), text.size() - wrapper.size() - 1));
        }
    }
    return text == "@Invalid()" ? std::string() : std::string(text);
}

std::string NormalSectionName(std::string_view name) {
    return FoldCase(name) == kGeneralSection ? std::string() : FoldCase(name);
}

} // namespace

std::string EscapeIniKey(std::string_view key) {
    std::string escaped;
    for (std::size_t i = 0; i < key.size();) {
        const char32_t c = NextCodePoint(key, i);
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                           c == '_' || c == '-' || c == '.';
        if (c == '/') {
            escaped += '\\';
        } else if (plain) {
            escaped += static_cast<char>(c);
        } else if (c <= 0xFF) {
            escaped += '%';
            AppendHex(escaped, c, 2);
        } else if (c <= 0xFFFF) {
            escaped += "%U";
            AppendHex(escaped, c, 4);
        } else {
            // Beyond the basic plane QSettings writes the two UTF-16 halves.
            escaped += "%U";
            AppendHex(escaped, 0xD800 + ((c - 0x10000) >> 10), 4);
            escaped += "%U";
            AppendHex(escaped, 0xDC00 + ((c - 0x10000) & 0x3FF), 4);
        }
    }
    return escaped;
}

std::string UnescapeIniKey(std::string_view key) {
    std::string name;
    char32_t pendingHigh = 0; // the first UTF-16 half of a character beyond the basic plane; 0 when none
    const auto dropPendingHigh = [&] {
        if (pendingHigh != 0) {
            AppendUtf8(name, 0xFFFD);
            pendingHigh = 0;
        }
    };
    for (std::size_t i = 0; i < key.size();) {
        const bool wide = key.compare(i, 2, "%U") == 0;
        const std::size_t digitsAt = i + (wide ? 2 : 1);
        const std::size_t digits = wide ? 4 : 2;
        const std::optional<char32_t> escaped = key[i] == '%' && digitsAt + digits <= key.size()
                                                    ? HexValue(key.substr(digitsAt, digits))
                                                    : std::nullopt;
        const char32_t unit = escaped.value_or(0);
        if (!escaped) {
            dropPendingHigh();
            name += key[i] == '\\' ? '/' : key[i];
            ++i;
            continue;
        }
        i = digitsAt + digits;
        if (IsLowSurrogate(unit) && pendingHigh != 0) {
            AppendUtf8(name, 0x10000 + ((pendingHigh - 0xD800) << 10) + (unit - 0xDC00));
            pendingHigh = 0;
            continue;
        }
        dropPendingHigh();
        if (IsHighSurrogate(unit)) {
            pendingHigh = unit;
        } else {
            AppendUtf8(name, IsLowSurrogate(unit) ? char32_t{0xFFFD} : unit);
        }
    }
    dropPendingHigh();
    return name;
}

std::string EscapeIniValue(std::string_view value) {
    static constexpr std::string_view kControls = "\a\b\f\n\r\t\v\"\\";
    static constexpr std::string_view kCodes = "abfnrtv\"\\";
    std::string escaped = !value.empty() && value.front() == '@' ? "@" : "";
    bool needsQuotes = false;
    bool escapeNextIfHexDigit = false;
    for (const char c : value) {
        needsQuotes = needsQuotes || c == ';' || c == ',' || c == '=';
        if (escapeNextIfHexDigit && IsHexDigit(c)) {
            escaped += "\\x";
            AppendHex(escaped, static_cast<unsigned char>(c), 2);
            continue;
        }
        escapeNextIfHexDigit = false;
        if (const std::size_t code = c == '\0' ? std::string_view::npos : kControls.find(c);
            code != std::string_view::npos) {
            escaped += '\\';
            escaped += kCodes[code];
        } else if (static_cast<unsigned char>(c) <= 0x1F || c == 0x7F) {
            escaped += c == '\0' ? "\\0" : "\\x";
            if (c != '\0') {
                AppendHex(escaped, static_cast<unsigned char>(c), 2);
            }
            escapeNextIfHexDigit = true;
        } else {
            escaped += c;
        }
    }
    if (needsQuotes || (!escaped.empty() && (escaped.front() == ' ' || escaped.back() == ' '))) {
        escaped = '"' + escaped + '"';
    }
    return escaped;
}

std::string UnescapeIniValue(std::string_view value) {
    std::string text;
    std::size_t kept = 0; // the text up to its last character that is quoted or no blank
    bool inQuotes = false;
    std::size_t i = 0;
    while (i < value.size() && IsBlank(value[i])) {
        ++i;
    }
    while (i < value.size()) {
        const char c = value[i++];
        if (c == '\\') {
            if (i < value.size()) {
                AppendEscaped(value, i, text);
            }
            kept = text.size();
        } else if (c == '"') {
            inQuotes = !inQuotes;
            kept = text.size();
        } else {
            text += c;
            kept = inQuotes || !IsBlank(c) ? text.size() : kept;
        }
    }
    text.resize(kept);
    return UnwrappedVariant(text);
}

namespace {

enum class LineKind { kOther, kSection, kEntry };

// One logical line of the file, cut into the parts its kind has (views into the text).
struct LineParts {
    LineKind kind = LineKind::kOther;
    std::string_view section; // kSection: the name between the brackets, escaped
    std::string_view rawKey;  // kEntry: the key as written
    std::string_view value;   // kEntry: the value as written
    std::string_view comment; // kEntry: from its ";" on, or empty
};

// The line without the blanks and line ends of a continued line before its first character.
std::string_view LineContent(std::string_view text) {
    while (!text.empty() && (IsBlank(text.front()) || IsLineEnd(text.front()))) {
        text.remove_prefix(1);
    }
    return text;
}

bool IsSectionLine(std::string_view content) {
    return !content.empty() && content.front() == '[';
}

LineParts PartsOf(std::string_view text) {
    LineParts parts;
    const std::string_view content = LineContent(text);
    if (content.empty() || content.front() == ';') {
        return parts;
    }
    if (IsSectionLine(content)) {
        const std::size_t close = content.find(']');
        parts.kind = LineKind::kSection;
        parts.section = TrimBlanks(
            content.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
        return parts;
    }
    const EntryMarks marks = FindEntryMarks(content);
    if (marks.equals == std::string_view::npos) {
        return parts;
    }
    parts.kind = LineKind::kEntry;
    parts.rawKey = TrimBlanks(content.substr(0, marks.equals));
    parts.value = content.substr(marks.equals + 1, marks.comment == std::string_view::npos
                                                       ? std::string_view::npos
                                                       : marks.comment - marks.equals - 1);
    if (marks.comment != std::string_view::npos) {
        parts.comment = content.substr(marks.comment);
    }
    return parts;
}

// Whether an escaped name of the file is `folded` (a name folded to lower case), without regard to case.
bool NameIs(std::string_view escaped, std::string_view folded) {
    if (escaped.find_first_of("%\\") != std::string_view::npos) {
        return FoldCase(UnescapeIniKey(escaped)) == folded;
    }
    return escaped.size() == folded.size() &&
           std::equal(escaped.begin(), escaped.end(), folded.begin(), [](char a, char b) {
               return (a >= 'A' && a <= 'Z' ? static_cast<char>(a - 'A' + 'a') : a) == b;
           });
}

// Whether the escaped name of a header names the section `normal` (NormalSectionName).
bool SectionIs(std::string_view escaped, std::string_view normal) {
    return normal.empty() ? NameIs(escaped, "") || NameIs(escaped, kGeneralSection) : NameIs(escaped, normal);
}

// Walks the logical lines of a text: where each starts and how long it is without its line end.
class LogicalLines final {
public:
    explicit LogicalLines(std::string_view text) : text_(text) {}

    bool Next(std::size_t& start, std::string_view& line) {
        if (position_ >= text_.size()) {
            return false;
        }
        start = position_;
        const std::size_t length = LogicalLineLength(text_, position_);
        line = text_.substr(position_, length);
        position_ += length;
        position_ += LineEndLength(text_, position_);
        return true;
    }

private:
    std::string_view text_;
    std::size_t position_ = 0;
};

} // namespace

IniFile IniFile::Parse(std::string text) {
    IniFile file;
    if (std::string_view(text).substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        file.byteOrderMark_ = true;
        text.erase(0, kByteOrderMark.size());
    }
    const std::size_t firstEnd = text.find_first_of("\r\n");
    if (firstEnd != std::string::npos) {
        file.lineEnd_ = text.substr(firstEnd, LineEndLength(text, firstEnd));
    }
    file.text_ = std::move(text);
    return file;
}

IniFile::Found IniFile::Find(std::string_view section, std::string_view key) const {
    const std::string wantedSection = NormalSectionName(section);
    const std::string wantedKey = FoldCase(key);
    Found found;
    bool inSection = wantedSection.empty(); // lines before the first header belong to [General]
    bool underHeader = false;               // a header of the section opened the block
    LogicalLines lines(text_);
    std::size_t start = 0;
    for (std::string_view line; lines.Next(start, line);) {
        const std::string_view content = LineContent(line);
        if (IsSectionLine(content)) {
            inSection = SectionIs(PartsOf(line).section, wantedSection);
            underHeader = inSection;
            if (inSection) {
                found.blockEnd = start + line.size();
            }
            continue;
        }
        if (!inSection) {
            continue;
        }
        const LineParts parts = PartsOf(line);
        if (parts.kind != LineKind::kEntry) {
            continue;
        }
        if (underHeader) {
            found.blockEnd = start + line.size();
        }
        if (NameIs(parts.rawKey, wantedKey)) {
            found.entryStart = start;
            found.entryLength = line.size();
            found.rawKey = parts.rawKey;
            found.value = parts.value;
            found.comment = parts.comment;
        }
    }
    return found;
}

std::optional<std::string> IniFile::Get(std::string_view section, std::string_view key) const {
    const Found found = Find(section, key);
    return found.entryStart ? std::optional<std::string>(UnescapeIniValue(found.value)) : std::nullopt;
}

void IniFile::Set(std::string_view section, std::string_view key, std::string_view value) {
    const Found found = Find(section, key);
    if (found.entryStart) {
        const std::string line = std::string(found.rawKey) + '=' + EscapeIniValue(value) +
                                 (found.comment.empty() ? "" : " " + std::string(found.comment));
        text_.replace(*found.entryStart, found.entryLength, line);
        return;
    }
    const std::string entry = EscapeIniKey(key) + '=' + EscapeIniValue(value);
    // After the last entry of the section's block, so that comments before the next section stay there.
    if (found.blockEnd) {
        text_.insert(*found.blockEnd, lineEnd_ + entry);
        return;
    }
    std::size_t start = 0;
    std::string_view line;
    bool lastLineBlank = true;
    bool endsWithLineEnd = true;
    LogicalLines lines(text_);
    while (lines.Next(start, line)) {
        lastLineBlank = TrimBlanks(line).empty();
        endsWithLineEnd = start + line.size() < text_.size();
    }
    if (!endsWithLineEnd) {
        text_ += lineEnd_;
    }
    if (!lastLineBlank) {
        text_ += lineEnd_;
    }
    const std::string header = NormalSectionName(section).empty() ? "General" : std::string(section);
    text_.append(1, '[').append(EscapeIniKey(header)).append("]").append(lineEnd_);
    text_.append(entry).append(lineEnd_);
}

bool IniFile::HasNoEntries() const {
    LogicalLines lines(text_);
    std::size_t start = 0;
    for (std::string_view line; lines.Next(start, line);) {
        if (PartsOf(line).kind == LineKind::kEntry) {
            return false;
        }
    }
    return true;
}

std::string IniFile::Text() const {
    std::string text = byteOrderMark_ ? std::string(kByteOrderMark) : std::string();
    text.reserve(text.size() + text_.size() + lineEnd_.size());
    LogicalLines lines(text_);
    std::size_t start = 0;
    for (std::string_view line; lines.Next(start, line);) {
        text += line;
        text += lineEnd_;
    }
    return text;
}

} // namespace vantorel
