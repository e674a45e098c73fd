#pragma once
// Conversion between the front ends' UTF-8 and the engines' Windows-1252.
#include <string>
#include <string_view>

// Characters outside Windows-1252 (and malformed UTF-8) become "?".
std::string Utf8ToCp1252(std::string_view utf8);
std::string Cp1252ToUtf8(std::string_view cp1252);
