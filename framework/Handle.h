#pragma once
// CHandle: the owner of one kernel handle (a file, a file mapping, a process, ...), closed when the
// owner is destroyed. Move-only. Both values the Windows API uses for "no handle" (null, which
// CreateFileMapping returns on failure, and INVALID_HANDLE_VALUE, which CreateFile returns) count as
// empty.
#include <windows.h>

class CHandle {
public:
    CHandle() = default;
    explicit CHandle(HANDLE handle) noexcept : m_handle(handle) {}
    CHandle(const CHandle&) = delete;
    CHandle& operator=(const CHandle&) = delete;
    CHandle(CHandle&& other) noexcept : m_handle(other.Detach()) {}
    CHandle& operator=(CHandle&& other) noexcept {
        if (this != &other)
            Attach(other.Detach());
        return *this;
    }
    ~CHandle() { Close(); }

    HANDLE Get() const { return m_handle; }
    bool Valid() const { return m_handle != nullptr && m_handle != INVALID_HANDLE_VALUE; }
    explicit operator bool() const { return Valid(); }

    // Takes ownership of a handle, closing the one held before.
    void Attach(HANDLE handle) noexcept {
        Close();
        m_handle = handle;
    }
    // Gives up ownership without closing.
    HANDLE Detach() noexcept {
        HANDLE handle = m_handle;
        m_handle = nullptr;
        return handle;
    }
    void Close() noexcept {
        if (Valid())
            ::CloseHandle(m_handle);
        m_handle = nullptr;
    }

private:
    HANDLE m_handle = nullptr;
};
