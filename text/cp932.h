#pragma once
// CP932 byte strings: the text of the core. Lengths and positions count bytes;
// a lead byte (0x81-0x9F, 0xE0-0xFC) and the byte after it form one character.

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace veldor {

/// True for a CP932 lead byte (0x81-0x9F, 0xE0-0xFC).
constexpr bool IsLeadByte(unsigned char c) {
  return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}
constexpr bool IsLeadByte(char c) { return IsLeadByte(static_cast<unsigned char>(c)); }

/// Byte length of the character that starts at `pos` (1 or 2; 1 for a lead byte at the end).
std::size_t CharLength(std::string_view text, std::size_t pos);

/// First occurrence of `needle` at or after `from` that starts on a character boundary.
/// `from` must itself be a character boundary. Returns npos when there is none.
std::size_t FindMb(std::string_view text, std::string_view needle, std::size_t from = 0);

/// Last occurrence of the single byte `c` that is a character of its own (never the
/// second byte of a double-byte character). Returns npos when there is none.
std::size_t FindLastMbChar(std::string_view text, char c);

/// The extension of a file name: from its last "." to the end, dot included; empty when
/// the name has no ".". (".jpg" has the extension ".jpg".) The same for CP932 and UTF-8
/// names, since "." is never part of a multi-byte character in either.
std::string_view FileExtension(std::string_view file_name);

/// Character-by-character comparison: a double-byte character is lead*256+trail, any other
/// byte its unsigned value; a proper prefix comes first. Returns <0, 0 or >0.
int MbsCmp(std::string_view a, std::string_view b);

/// As MbsCmp, but Latin letters compare without regard to case.
int MbsICmp(std::string_view a, std::string_view b);

/// Byte length of the well-formed UTF-8 character at the start of `s` (not empty), else 1:
/// each byte of an ill-formed sequence (overlong forms and surrogates too) counts alone.
std::size_t Utf8SequenceLength(std::string_view s);

/// Byte length of the CP932 character at the start of `s` (not empty): 2 for a lead byte
/// with a byte after it, else 1.
std::size_t Cp932SequenceLength(std::string_view s);

/// Converts UTF-8 to CP932. A character CP932 cannot hold, and a byte that is not valid
/// UTF-8, becomes "?". U+301C and U+FF5E both become 0x81 0x60.
std::string Utf8ToCp932(std::string_view utf8);

/// Converts CP932 to UTF-8. A byte sequence that is not valid CP932 becomes U+FFFD.
std::string Cp932ToUtf8(std::string_view cp932);

/// The characters of the UTF-8 `text` that CP932 cannot hold, each once and in order,
/// each followed by its code ("é (U+00E9)"), parted by blanks; empty when there are none.
std::string CharactersCp932Lacks(std::string_view text);

/// The byte-order mark an editor may put before UTF-8 text.
inline constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

/// The text of a settings or list file as an editor may have saved it: a leading UTF-8
/// byte-order mark goes, and the text after it, when it is valid UTF-8, becomes CP932.
/// Any other text is CP932 already and stays as it is.
std::string Cp932FromSavedText(std::string bytes);

/// True when `bytes` is well-formed UTF-8 throughout.
bool IsUtf8(std::string_view bytes);

/// True when every character of `bytes` is one CP932 has (nothing that converts to U+FFFD).
bool IsCp932(std::string_view bytes);

/// A name as the file system gives it, as bytes: the native bytes on Linux (UTF-8 as a
/// rule, but any bytes), UTF-8 on Windows. Nothing of the name is lost.
std::string NameBytes(const std::filesystem::path& name);

/// The CP932 text of a name's bytes (as NameBytes gives them). A UTF-8 name is converted,
/// each character CP932 lacks becoming "?". A name that is not UTF-8 but is valid CP932 (a
/// Shift_JIS name from an old archive) is its own CP932 text; in any other name each byte
/// that is not UTF-8 is "?". Either way one character of the name is one character of the
/// text.
std::string NameToCp932(std::string_view bytes);

/// The UTF-8 text of a name's bytes for the user to read: a UTF-8 name as it is, a
/// Shift_JIS name converted, otherwise each byte that is not UTF-8 as U+FFFD.
std::string NameToUtf8(std::string_view bytes);

/// `bytes` with each byte that is not UTF-8 replaced by U+FFFD.
std::string WellFormedUtf8(std::string_view bytes);

/// The native path as CP932 text (file names, folder names, listing names), each component
/// as NameToCp932 gives it.
std::string PathToCp932(const std::filesystem::path& path);

/// The native path as UTF-8 text for messages, each component as NameToUtf8 gives it: no
/// character the path holds is lost.
std::string PathToUtf8(const std::filesystem::path& path);

/// A native path from CP932 text (names read from settings or list files).
std::filesystem::path Cp932ToPath(std::string_view cp932);

}  // namespace veldor
