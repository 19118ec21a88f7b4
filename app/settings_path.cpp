#include "app/settings_path.h"

#include "app/Settings.h"

CString DirectoryOf(const char* path) {
    CString full(path);
    const int slash = full.ReverseFind('\\');
    return slash < 0 ? CString() : full.Left(slash);
}

CString SettingsFileIn(const CString& directory) {
    return directory + "\\" + kSettingsFileName;
}
