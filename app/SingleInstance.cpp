#include "app/SingleInstance.h"

#include <cstdio>

namespace {

constexpr DWORD kPollMs = 50;

std::string LongPathOf(const char* path) {
    char full[MAX_PATH] = {};
    char longer[MAX_PATH] = {};
    const DWORD length = ::GetFullPathNameA(path, MAX_PATH, full, nullptr);
    const DWORD longLength = length > 0 && length < MAX_PATH ? ::GetLongPathNameA(full, longer, MAX_PATH) : 0;
    std::string result = longLength > 0 && longLength < MAX_PATH ? longer : full;
    ::CharUpperBuffA(&result[0], static_cast<DWORD>(result.size()));
    return result;
}

struct WindowSearch {
    DWORD processId;
    HWND found;
};

// The process's main window: a visible top-level dialog that no other window owns (the message
// boxes are owned by it). Asks the window nothing, so a hung Tallyburn cannot hold the search up.
BOOL CALLBACK FindMainWindow(HWND window, LPARAM context) noexcept {
    auto* search = reinterpret_cast<WindowSearch*>(context);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    char windowClass[16] = {};
    if (owner != search->processId || !::IsWindowVisible(window) || ::GetWindow(window, GW_OWNER) != nullptr ||
        ::GetClassNameA(window, windowClass, sizeof windowClass) == 0 || ::lstrcmpA(windowClass, "#32770") != 0)
        return TRUE;
    search->found = window;
    return FALSE;
}

}  // namespace

std::string FolderIdentity(const char* folder) {
    // With its backslash, "C:" is the root of drive C rather than the current folder on C.
    std::string path = folder;
    if (path.empty() || path.back() != '\\')
        path += '\\';
    CHandle handle(::CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                 OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    BY_HANDLE_FILE_INFORMATION info{};
    if (!handle || !::GetFileInformationByHandle(handle.Get(), &info))
        return LongPathOf(path.c_str());
    char identity[32];
    std::snprintf(identity, sizeof identity, "%08lX-%08lX%08lX", info.dwVolumeSerialNumber, info.nFileIndexHigh,
                  info.nFileIndexLow);
    return identity;
}

// The claim is a named file mapping of the session that holds the holder's process id.
bool CInstanceClaim::Claim(const char* folder, DWORD timeoutMs) {
    std::string name = "Local\\Tallyburn settings " + FolderIdentity(folder);
    for (std::size_t slash = name.find('\\', 6); slash != std::string::npos; slash = name.find('\\', slash))
        name[slash] = '/';  // an object's name may hold no backslash
    for (DWORD waited = 0;; waited += kPollMs) {
        HANDLE mapping =
            ::CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(LONG), name.c_str());
        const DWORD error = ::GetLastError();
        m_mapping.Attach(mapping);
        // Without a mapping nothing can be claimed, and Tallyburn starts as it always has; one that
        // may not be opened belongs to a Tallyburn with other rights.
        if (!m_mapping)
            return error != ERROR_ACCESS_DENIED;
        const bool created = error != ERROR_ALREADY_EXISTS;
        auto* holder = static_cast<LONG*>(::MapViewOfFile(m_mapping.Get(), FILE_MAP_WRITE, 0, 0, sizeof(LONG)));
        if (holder == nullptr)
            return created;
        if (created)
            ::InterlockedExchange(holder, static_cast<LONG>(::GetCurrentProcessId()));
        const DWORD holderId = static_cast<DWORD>(::InterlockedCompareExchange(holder, 0, 0));
        ::UnmapViewOfFile(holder);
        if (created)
            return true;
        m_mapping.Close();
        if (holderId != 0 && BringToFront(holderId))
            return false;
        // A holder without a window is starting or closing; once it has ended, the next round
        // creates the mapping afresh.
        if (waited >= timeoutMs)
            return false;
        ::Sleep(kPollMs);
    }
}

bool BringToFront(DWORD processId) {
    WindowSearch search{processId, nullptr};
    ::EnumWindows(&FindMainWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found == nullptr)
        return false;
    // Asynchronous: a Tallyburn that does not answer just now cannot hold this start up.
    if (::IsIconic(search.found))
        ::ShowWindowAsync(search.found, SW_RESTORE);
    ::SetForegroundWindow(::GetLastActivePopup(search.found));
    return true;
}
