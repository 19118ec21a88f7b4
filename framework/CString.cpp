#include "framework/CString.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <vector>

#include "framework/mbcs.h"

int CString::Compare(const char* other) const {
    return mbcs::Compare(m_text.c_str(), other ? other : "");
}

int CString::Find(const char* sub) const {
    const std::size_t at = m_text.find(sub ? sub : "");
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

int CString::ReverseFind(char c) const {
    const std::size_t at = m_text.rfind(c);
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

CString CString::Left(int count) const {
    if (count < 0)
        count = 0;
    return CString(m_text.substr(0, static_cast<std::size_t>(count)));
}

int CString::Replace(const char* from, const char* to) {
    const std::size_t fromLength = from ? std::strlen(from) : 0;
    if (fromLength == 0)
        return 0;
    const std::string replacement = to ? to : "";
    std::string result;
    int replaced = 0;
    std::size_t start = 0;
    for (std::size_t at = m_text.find(from); at != std::string::npos; at = m_text.find(from, start)) {
        result.append(m_text, start, at - start);
        result += replacement;
        start = at + fromLength;
        ++replaced;
    }
    if (replaced == 0)
        return 0;
    result.append(m_text, start, std::string::npos);
    m_text.swap(result);
    return replaced;
}

void CString::MakeUpper() {
    mbcs::MakeUpper(m_text);
}

void CString::Format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int needed = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (needed < 0) {
        m_text.clear();
    } else {
        std::vector<char> buffer(static_cast<std::size_t>(needed) + 1);
        std::vsnprintf(buffer.data(), buffer.size(), format, args);
        m_text.assign(buffer.data(), static_cast<std::size_t>(needed));
    }
    va_end(args);
}
