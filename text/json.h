#pragma once
// The pieces of a JSON document that carry text: strings, and bytes that are not text.

#include <string>
#include <string_view>

namespace veldor {

/// Appends `utf8` as a JSON string with its quotes: the quote, the backslash and every
/// control character escaped, everything else as it is.
void AppendJsonString(std::string& out, std::string_view utf8);

/// The standard base64 text of `bytes`, padded with "=".
std::string Base64(std::string_view bytes);

}  // namespace veldor
