#pragma once
// CString: a byte string in the ANSI code page, with the few operations the tool uses.
// Free of the Windows API so that portable code (title rules, formatting) can use it natively.
#include <string>

class CString {
public:
    CString() = default;
    CString(const char* text) : m_text(text ? text : "") {}  // NOLINT: implicit like the framework's
    CString(const char* text, int length) : m_text(text, static_cast<std::size_t>(length)) {}
    explicit CString(std::string text) : m_text(std::move(text)) {}

    CString& operator=(const char* text) {
        m_text.assign(text ? text : "");
        return *this;
    }
    CString& operator+=(const CString& other) {
        m_text += other.m_text;
        return *this;
    }
    CString& operator+=(const char* text) {
        m_text += text ? text : "";
        return *this;
    }

    operator const char*() const { return m_text.c_str(); }  // NOLINT: the framework's LPCTSTR conversion
    const std::string& str() const { return m_text; }

    int GetLength() const { return static_cast<int>(m_text.size()); }
    bool IsEmpty() const { return m_text.empty(); }
    void Empty() { m_text.clear(); }

    // Multibyte-aware, case-sensitive compare of the whole string: <0, 0, >0.
    int Compare(const char* other) const;

    // Byte index of the first occurrence of sub, or -1.
    int Find(const char* sub) const;

    // Byte index of the last occurrence of c, or -1.
    int ReverseFind(char c) const;

    // The first count bytes (all of them when count is larger).
    CString Left(int count) const;

    // Replaces every occurrence of from by to, scanning left to right; returns the number replaced.
    int Replace(const char* from, const char* to);

    void MakeUpper();

    // printf-style formatting into this string.
    void Format(const char* format, ...)
#if defined(__GNUC__)
        __attribute__((format(printf, 2, 3)))
#endif
        ;

    friend CString operator+(const CString& a, const CString& b) {
        return CString(a.m_text + b.m_text);
    }
    friend CString operator+(const CString& a, const char* b) {
        return CString(a.m_text + (b ? b : ""));
    }
    friend bool operator==(const CString& a, const char* b) {
        return a.Compare(b ? b : "") == 0;
    }
    friend bool operator==(const CString& a, const CString& b) {
        return a.Compare(b) == 0;
    }
    friend bool operator!=(const CString& a, const char* b) {
        return !(a == b);
    }

private:
    std::string m_text;
};
