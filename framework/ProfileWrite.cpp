#include "framework/ProfileWrite.h"

#include <cctype>
#include <cstring>
#include <string>
#include <vector>

#include "framework/Handle.h"
#include "framework/Seams.h"

namespace {

// The attributes a settings file hands on to the copy that replaces it.
constexpr DWORD kKeptAttributes =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

std::string FullPathOf(const char* path) {
    const DWORD size = ::GetFullPathNameA(path, 0, nullptr, nullptr);
    std::string full(size, '\0');
    const DWORD length = size != 0 ? ::GetFullPathNameA(path, size, &full[0], nullptr) : 0;
    full.resize(length < size ? length : 0);
    return full;
}

void Discard(const std::string& file) {
    ::SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
    ::DeleteFileA(file.c_str());
}

// Whether name is "<base>.<digits>.tmp", compared as the file system does, without regard to case.
bool IsCopyName(const char* name, const std::string& base) {
    const std::size_t length = std::strlen(name);
    if (length <= base.size() + 5 || ::_strnicmp(name, base.c_str(), base.size()) != 0 || name[base.size()] != '.' ||
        ::_stricmp(name + length - 4, ".tmp") != 0)
        return false;
    for (std::size_t i = base.size() + 1; i < length - 4; ++i) {
        if (!std::isdigit(static_cast<unsigned char>(name[i])))
            return false;
    }
    return true;
}

// Removes the working copies that writers ended in the middle of a write left beside the file. Only
// one Tallyburn writes a settings file at a time, so none of them is in use.
void RemoveLeftoverCopies(const std::string& path) {
    const std::size_t slash = path.find_last_of('\\');
    const std::string base = path.substr(slash + 1);
    WIN32_FIND_DATAA entry;
    HANDLE find = ::FindFirstFileA((path + ".*.tmp").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE)
        return;
    do {
        if (IsCopyName(entry.cFileName, base))
            Discard(path.substr(0, slash + 1) + entry.cFileName);
    } while (::FindNextFileA(find, &entry));
    ::FindClose(find);
}

// Hands the file's access rules (its discretionary access control list) on to the copy, which has
// those it inherited from the folder.
void CopyAccessRules(const std::string& from, const std::string& to) {
    DWORD size = 0;
    ::GetFileSecurityA(from.c_str(), DACL_SECURITY_INFORMATION, nullptr, 0, &size);
    std::vector<char> rules(size);
    if (size != 0 && ::GetFileSecurityA(from.c_str(), DACL_SECURITY_INFORMATION, rules.data(), size, &size))
        ::SetFileSecurityA(to.c_str(), DACL_SECURITY_INFORMATION, rules.data());
}

bool Flush(const std::string& file) {
    CHandle handle(::CreateFileA(file.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr));
    return handle && Seams().flushFile(handle.Get());
}

}  // namespace

// The profile API rewrites a file in place (truncate, then write): ended in between, the file is
// left empty, and after a power cut on Windows it may hold only zero bytes. So the profile API edits
// a copy instead, which keeps its parsing rules, comments and other sections; the copy is flushed to
// the disk and renamed over the file, which either happens whole or not at all. MoveFileEx is that
// rename on Windows and under Wine; ReplaceFile is not: it can remove the file before it moves the
// copy in, and under Wine a process ended in between leaves no file at all.
BOOL WritePrivateProfileWhole(const char* section, const char* key, const char* value, const char* path) {
    if (std::strpbrk(path, "\\/:") == nullptr)
        return ::WritePrivateProfileStringA(section, key, value, path);
    const std::string target = FullPathOf(path);
    if (target.empty())
        return FALSE;
    // A read-only file stays as it is, as the profile API leaves it (a rename would replace it under
    // Wine); a folder of that name is no settings file.
    const DWORD attributes = ::GetFileAttributesA(target.c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (exists ? (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) != 0
               : ::GetLastError() != ERROR_FILE_NOT_FOUND)
        return FALSE;

    RemoveLeftoverCopies(target);
    const std::string copy = target + "." + std::to_string(::GetCurrentProcessId()) + ".tmp";
    // The copy is a plain file while it is edited (the profile API may not rewrite a hidden one).
    bool written = (!exists || (Seams().copyFile(target.c_str(), copy.c_str()) &&
                                ::SetFileAttributesA(copy.c_str(), FILE_ATTRIBUTE_NORMAL))) &&
                   ::WritePrivateProfileStringA(section, key, value, copy.c_str()) && Flush(copy);
    if (written && exists) {
        // The rename gives the result the copy's attributes and access rules: the copy takes the
        // file's first.
        const DWORD kept = attributes & kKeptAttributes;
        ::SetFileAttributesA(copy.c_str(), kept != 0 ? kept : FILE_ATTRIBUTE_NORMAL);
        CopyAccessRules(target, copy);
    }
    written = written && Seams().replaceFile(copy.c_str(), target.c_str());
    if (!written)
        Discard(copy);
    return written;
}
