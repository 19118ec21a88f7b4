#include "app/log_path.h"

namespace {

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

bool IsFullPath(const std::string& path) {
    const bool drive = path.size() >= 2 && path[1] == ':' &&
                       ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
    return drive || IsSeparator(path[0]);
}

}  // namespace

std::string LogPathFor(const std::string& value, const std::string& executableDirectory) {
    if (value.empty())
        return value;
    return IsFullPath(value) ? value : executableDirectory + "\\" + value;
}

std::string StampedLogPath(const std::string& path, const std::string& stamp) {
    const size_t nameStart = path.find_last_of("\\/") == std::string::npos ? 0 : path.find_last_of("\\/") + 1;
    const size_t dot = path.find_last_of('.');
    const size_t at = dot == std::string::npos || dot <= nameStart ? path.size() : dot;
    return path.substr(0, at) + "-" + stamp + path.substr(at);
}

std::string LogNameOfOverflow(const std::string& fileName) {
    constexpr size_t kStamp = 16;  // "-YYYYMMDD-HHMMSS"
    const size_t dot = fileName.find_last_of('.');
    const size_t at = dot == std::string::npos || dot == 0 ? fileName.size() : dot;
    if (at <= kStamp)
        return std::string();
    const size_t stamp = at - kStamp;
    for (size_t i = 0; i < kStamp; ++i) {
        const char c = fileName[stamp + i];
        if (i == 0 || i == 9 ? c != '-' : c < '0' || c > '9')
            return std::string();
    }
    return fileName.substr(0, stamp) + fileName.substr(at);
}
