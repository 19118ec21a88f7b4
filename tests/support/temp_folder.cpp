#include "tests/support/temp_folder.h"

#include <windows.h>

#include <atomic>
#include <fstream>
#include <sstream>

#include "tools/remote/process_control.h"

namespace {

void RemoveTree(const std::string& path) {
    WIN32_FIND_DATAA entry;
    HANDLE find = ::FindFirstFileA((path + "\\*").c_str(), &entry);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = entry.cFileName;
            if (name == "." || name == "..")
                continue;
            const std::string child = path + "\\" + name;
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(child);
            } else {
                ::SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
                ::DeleteFileA(child.c_str());
            }
        } while (::FindNextFileA(find, &entry));
        ::FindClose(find);
    }
    ::RemoveDirectoryA(path.c_str());
}

}  // namespace

TempFolder::TempFolder() {
    static std::atomic<int> serial{0};
    char base[MAX_PATH];
    ::GetTempPathA(MAX_PATH, base);
    std::ostringstream name;
    name << base << "tallyburn-test-" << ::GetCurrentProcessId() << "-" << ::GetTickCount() << "-" << serial++;
    m_path = name.str();
    ::CreateDirectoryA(m_path.c_str(), nullptr);
}

TempFolder::~TempFolder() {
    RemoveTree(m_path);
}

bool FileExists(const std::string& path) {
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string ReadFile(const std::string& path) {
    return ReadWholeFile(path);
}

void WriteFile(const std::string& path, const std::string& content) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
}

int CountFiles(const std::string& pattern) {
    WIN32_FIND_DATAA entry;
    HANDLE find = ::FindFirstFileA(pattern.c_str(), &entry);
    int count = find != INVALID_HANDLE_VALUE ? 1 : 0;
    while (count > 0 && ::FindNextFileA(find, &entry))
        ++count;
    if (count > 0)
        ::FindClose(find);
    return count;
}
