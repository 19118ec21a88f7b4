#include "framework/mbcs.h"

#include <cstring>
#include <vector>

#ifdef _WIN32
#include <mbctype.h>
#include <mbstring.h>
#endif

namespace mbcs {

#ifdef _WIN32

int Compare(const char* a, const char* b) {
    return _mbscmp(reinterpret_cast<const unsigned char*>(a), reinterpret_cast<const unsigned char*>(b));
}

int CompareBytes(const char* a, const char* b, std::size_t n) {
    return _mbsnbcmp(reinterpret_cast<const unsigned char*>(a), reinterpret_cast<const unsigned char*>(b), n);
}

void MakeUpper(std::string& text) {
    std::vector<unsigned char> buffer(text.begin(), text.end());
    buffer.push_back(0);
    _mbsupr(buffer.data());
    text.assign(reinterpret_cast<const char*>(buffer.data()), text.size());
}

void UseAnsiCodePage() {
    _setmbcp(_MB_CP_ANSI);
}

#else

int Compare(const char* a, const char* b) {
    return std::strcmp(a, b);
}

int CompareBytes(const char* a, const char* b, std::size_t n) {
    return std::strncmp(a, b, n);
}

void MakeUpper(std::string& text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
}

void UseAnsiCodePage() {}

#endif

}  // namespace mbcs
