#pragma once

#include <string>
#include <string_view>

// Base64 as layer payloads use it (the standard alphabet, "=" padding).
// Blanks between the characters are skipped; anything else that is not of
// the alphabet, or padding in the wrong place, makes the text undecodable.
bool DecodeBase64(std::string_view text, std::string& bytes);
std::string EncodeBase64(std::string_view bytes);
