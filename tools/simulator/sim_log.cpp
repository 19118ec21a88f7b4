#include "sim_log.h"

#include <cstdarg>
#include <cstdio>

namespace jflashsim {

namespace {

bool Usable(HANDLE handle) {
    return handle != nullptr && handle != INVALID_HANDLE_VALUE;
}

// A GUI program has standard handles when its starter gave it some: Wine hands over the Unix ones,
// and a Windows shell does so when output is redirected. Started plainly from a Windows console it
// has none, so it borrows that console.
HANDLE StandardHandle(DWORD which) {
    HANDLE handle = GetStdHandle(which);
    if (Usable(handle)) {
        return handle;
    }
    if (!AttachConsole(ATTACH_PARENT_PROCESS) && GetLastError() != ERROR_ACCESS_DENIED) {
        return nullptr;
    }
    handle =
        CreateFileA("CONOUT$", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    return Usable(handle) ? handle : nullptr;
}

// Replaces |target| by |path| opened for appending; false with a reason when it cannot be opened.
bool Reopen(HANDLE& target, const std::string& path, std::string& error) {
    HANDLE file = CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        error = Format("cannot open \"%s\" (error %lu)", path.c_str(), GetLastError());
        return false;
    }
    if (target != INVALID_HANDLE_VALUE) {
        CloseHandle(target);
    }
    target = file;
    return true;
}

bool WriteAll(HANDLE handle, const std::string& text) {
    DWORD written = 0;
    return Usable(handle) && WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
           written == text.size();
}

}  // namespace

std::string Format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    int size = vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string text(size > 0 ? size : 0, '\0');
    if (size > 0) {
        vsnprintf(&text[0], size + 1, format, args);
    }
    va_end(args);
    return text;
}

SimLog::SimLog(bool toStdout) : m_stdout(toStdout ? StandardHandle(STD_OUTPUT_HANDLE) : nullptr) {}

SimLog::~SimLog() {
    for (HANDLE file : {m_file, m_record}) {
        if (file != INVALID_HANDLE_VALUE) {
            CloseHandle(file);
        }
    }
}

bool SimLog::OpenFile(const std::string& path, std::string& error) {
    return Reopen(m_file, path, error);
}

bool SimLog::OpenRecord(const std::string& path, std::string& error) {
    return Reopen(m_record, path, error);
}

void SimLog::Record(std::initializer_list<std::string> fields) {
    if (m_record == INVALID_HANDLE_VALUE) {
        return;
    }
    std::string line;
    for (const std::string& field : fields) {
        line += (line.empty() ? "" : "\t") + field;
    }
    WriteAll(m_record, line + "\n");
}

void SimLog::Line(const std::string& text) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    std::string line =
        Format("%02u:%02u:%02u.%03u %s", now.wHour, now.wMinute, now.wSecond, now.wMilliseconds, text.c_str());
    WriteAll(m_stdout, line + "\n");
    if (m_file != INVALID_HANDLE_VALUE) {
        WriteAll(m_file, line + "\n");
    }
    if (m_viewSink) {
        m_viewSink(line);
    }
}

bool SimLog::WriteStdout(const std::string& text) {
    return WriteAll(m_stdout, text);
}

void ReportProblem(const std::string& text) {
    if (!WriteAll(StandardHandle(STD_ERROR_HANDLE), "JFlashSim: " + text + "\n")) {
        MessageBoxA(nullptr, text.c_str(), "JFlashSim", MB_OK | MB_ICONERROR);
    }
}

}  // namespace jflashsim
