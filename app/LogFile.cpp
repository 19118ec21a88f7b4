#include "app/LogFile.h"

#include <windows.h>

namespace {

ULONGLONG Ticks(const SYSTEMTIME& time) {
    FILETIME file{};
    ::SystemTimeToFileTime(&time, &file);
    return (static_cast<ULONGLONG>(file.dwHighDateTime) << 32) | file.dwLowDateTime;
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
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    bool written = false;
    LARGE_INTEGER end{};
    if (::SetFilePointerEx(file, LARGE_INTEGER{}, &end, FILE_END)) {
        const std::string bytes = end.QuadPart == 0 ? header + lines : lines;
        DWORD count = 0;
        written =
            ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &count, nullptr) && count == bytes.size();
        // A write cut short (a full disk) is taken back, so that no partial line stays behind.
        if (!written && ::SetFilePointerEx(file, end, nullptr, FILE_BEGIN))
            ::SetEndOfFile(file);
    }
    ::CloseHandle(file);
    return written;
}
