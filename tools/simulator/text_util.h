// Small string helpers for the simulator's parsers. Free of the Windows API.
#pragma once

#include <string>
#include <vector>

namespace jflashsim {

std::string Trim(const std::string& text);

// Splits at every separator; an empty text gives one empty part.
std::vector<std::string> Split(const std::string& text, char separator);

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to);

std::string PadRight(const std::string& text, size_t width);

}  // namespace jflashsim
