#include "automation/title_rules.h"

CString WithoutVendor(CString text) {
    text.Replace("SEGGER ", "");
    return text;
}

bool LearnTitle(const char* mainWindowTitle, CString& learned) {
    const CString title(mainWindowTitle);
    const int separator = title.Find(" - ");
    if (separator < 0)
        return false;
    learned = WithoutVendor(title.Left(separator));
    return true;
}

CString ErrorTitleFor(const CString& appTitle) {
    return WithoutVendor(appTitle + " Error");
}

CString WarningTitleFor(const CString& appTitle) {
    return WithoutVendor(appTitle + " Warning");
}

CString EmulatorSelectionTitle(const CString& appTitle, bool qtGeneration) {
    CString title;
    title.Format(qtGeneration ? "%s Emulator selection" : "SEGGER %s - Emulator selection",
                 static_cast<const char*>(appTitle));
    title.Replace("J-Flash ARM", "J-Link");
    title.Replace("J-Flash", "J-Link");
    return title;
}
