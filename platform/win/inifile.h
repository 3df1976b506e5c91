// The INI text engine behind the private-profile functions: pure text in,
// text out; reading and writing the file on disk is the system's part.
//
// Section and key names match without regard to ASCII letter case; the first of
// duplicate sections, and the first of duplicate keys in it, is the one read and
// written. Everything a write does not touch is kept byte for byte.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ini {

// Lines end with CRLF, LF or a lone CR.
//
// The value of the key, with blanks trimmed and one pair of matching quotes
// around it removed; nullopt when the section or the key does not exist, or
// when the key's line has no '=' (no value).
std::optional<std::string> FindValue(std::string_view text, std::string_view section, std::string_view key);

// The text with the key set to the value: replaced in place when it exists
// (a key line without '=' gets "=value"), appended after the last non-blank
// line of its section otherwise, and the section appended to the end when it
// is missing. nullopt when the key already
// holds the value, so that nothing needs writing.
std::optional<std::string> WithValue(std::string_view text, std::string_view section, std::string_view key,
                                     std::string_view value);
// The same change made in the text itself; false when nothing changed.
bool SetValue(std::string& text, std::string_view section, std::string_view key, std::string_view value);

// The text of a new file holding only the key, with CRLF line endings.
std::string NewFileWith(std::string_view section, std::string_view key, std::string_view value);

// An integer as the profile reader takes it: blanks, one optional sign, an
// optional 0x, 0o or 0b prefix, then the leading digits, wrapping modulo 2^32.
// No digits gives 0.
unsigned ParseInt(std::string_view value);

}  // namespace ini
