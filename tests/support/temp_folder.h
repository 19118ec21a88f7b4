#pragma once
// A fresh folder under the system's temporary directory, removed with everything in it at the end.
#include <string>

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return m_path; }
    std::string File(const std::string& name) const { return m_path + "\\" + name; }

private:
    std::string m_path;
};

// Whole-file helpers for the tests' settings files.
bool FileExists(const std::string& path);
std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& content);
// The files whose names match the pattern ("folder\\name.*.tmp").
int CountFiles(const std::string& pattern);
