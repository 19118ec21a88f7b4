#pragma once
// Multibyte-aware, case-sensitive byte-string helpers in the system's ANSI code page.
// On Windows they use the C runtime's _mbs functions (the code page is set at start-up);
// elsewhere, where only single-byte text is ever handled, they fall back to plain byte operations.
#include <cstddef>
#include <string>

namespace mbcs {

// Compares two whole strings (_mbscmp): <0, 0 or >0.
int Compare(const char* a, const char* b);

// Compares at most the first n bytes (_mbsnbcmp): 0 when those bytes are equal.
int CompareBytes(const char* a, const char* b, std::size_t n);

// Upper-cases the string in place (_mbsupr): lead and trail bytes of double-byte characters are kept.
void MakeUpper(std::string& text);

// Makes the C runtime's multibyte functions follow the system's ANSI code page (no-op off Windows).
void UseAnsiCodePage();

}  // namespace mbcs
