#include "app/LogFile.h"

#include <windows.h>

#include <algorithm>
#include <cstring>

#include "app/log_merge.h"
#include "app/log_path.h"
#include "framework/Handle.h"

namespace {

ULONGLONG Ticks(const SYSTEMTIME& time) {
    FILETIME file{};
    ::SystemTimeToFileTime(&time, &file);
    return (static_cast<ULONGLONG>(file.dwHighDateTime) << 32) | file.dwLowDateTime;
}

// True unless the file's last byte is known to be something other than a line break: a line left
// unfinished (a write cut short and never taken back, or an edit without a final break).
bool EndsWithLineBreak(HANDLE file, const LARGE_INTEGER& end) {
    LARGE_INTEGER last{};
    last.QuadPart = end.QuadPart - 1;
    char byte = '\n';
    DWORD read = 0;
    return !::SetFilePointerEx(file, last, nullptr, FILE_BEGIN) || !::ReadFile(file, &byte, 1, &read, nullptr) ||
           read != 1 || byte == '\n';
}

}  // namespace

LocalTime LocalNow() {
    SYSTEMTIME utc{}, local{};
    ::GetSystemTime(&utc);
    if (!::SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local))
        local = utc;
    // Both times have the same milliseconds, so their difference is the zone's offset in whole minutes.
    constexpr long long kTicksPerMinute = 600000000;  // of 100 ns
    const long long offset = static_cast<long long>(Ticks(local) - Ticks(utc)) / kTicksPerMinute;
    return {local.wYear, local.wMonth, local.wDay, local.wHour, local.wMinute, local.wSecond, static_cast<int>(offset)};
}

bool AppendToLogFile(const std::string& path, const std::string& header, const std::string& lines) {
    const CHandle file(::CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                     nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER end{};
    if (!file || !::SetFilePointerEx(file.Get(), LARGE_INTEGER{}, &end, FILE_END))
        return false;
    std::string bytes = lines;
    if (end.QuadPart == 0)
        bytes = header + lines;
    else if (!EndsWithLineBreak(file.Get(), end))
        bytes = "\r\n" + lines;  // on a line of their own: a fragment before them spoils none of them
    DWORD count = 0;
    const bool written = ::SetFilePointerEx(file.Get(), end, nullptr, FILE_BEGIN) &&
                         ::WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &count, nullptr) &&
                         count == bytes.size();
    // A write cut short (a full disk) is taken back, so that no partial line stays behind.
    if (!written && ::SetFilePointerEx(file.Get(), end, nullptr, FILE_BEGIN))
        ::SetEndOfFile(file.Get());
    // On the disk before anything relies on it: a merged overflow file is removed after this. A
    // flush that fails does not undo the write, or the lines would be written again.
    if (written)
        ::FlushFileBuffers(file.Get());
    return written;
}

namespace {

std::vector<std::string> OverflowFiles(const std::string& path) {
    const size_t slash = path.find_last_of("\\/");
    const std::string folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
    std::vector<std::string> found;
    WIN32_FIND_DATAA entry;
    HANDLE find = ::FindFirstFileA(StampedLogPath(path, "*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE)
        return found;
    do {
        if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
            IsOverflowName(path.substr(folder.size()), entry.cFileName))
            found.push_back(folder + entry.cFileName);
    } while (::FindNextFileA(find, &entry));
    ::FindClose(find);
    // The names differ only in their stamps, which sort as the times they stand for.
    std::sort(found.begin(), found.end(),
              [](const std::string& a, const std::string& b) { return _stricmp(a.c_str(), b.c_str()) < 0; });
    return found;
}

bool ReadEnd(const std::string& path, size_t most, std::string& text) {
    text.clear();
    const CHandle file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                     nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return ::GetLastError() == ERROR_FILE_NOT_FOUND;
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file.Get(), &size))
        return false;
    LARGE_INTEGER start{};
    start.QuadPart = size.QuadPart > static_cast<LONGLONG>(most) ? size.QuadPart - most : 0;
    text.resize(static_cast<size_t>(size.QuadPart - start.QuadPart));
    DWORD count = 0;
    return ::SetFilePointerEx(file.Get(), start, nullptr, FILE_BEGIN) &&
           ::ReadFile(file.Get(), &text[0], static_cast<DWORD>(text.size()), &count, nullptr) && count == text.size();
}

}  // namespace

LogAppend& LogFileAppend() {
    static LogAppend append = AppendToLogFile;
    return append;
}

LogFiles LogFilesOnDisk(LogAppend append) {
    return {std::move(append), OverflowFiles, ReadEnd,
            [](const std::string& path) { return ::DeleteFileA(path.c_str()) != FALSE; }};
}
