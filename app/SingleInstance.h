#pragma once
// One Tallyburn per settings file. The running Tallyburn holds a claim named after the folder of its
// settings file; a second start from that folder finds the claim, brings the running Tallyburn's
// window to the front and ends, so that two windows never count into one file.
#include <windows.h>

#include <string>

#include "framework/Handle.h"

// The folder as the file system knows it: its volume's serial number and its file index, the same
// whatever path reaches it (case, short names, a link to it); its full long path in capitals when it
// cannot be opened.
std::string FolderIdentity(const char* folder);

class CInstanceClaim {
public:
    // Claims the folder for this process, for the life of the object. When another Tallyburn holds
    // it, brings that one's window to the front and returns false. A holder without a window is
    // waited for, up to timeoutMs: one that is still starting shows it, one that is closing ends and
    // leaves the claim to this process.
    bool Claim(const char* folder, DWORD timeoutMs);

private:
    CHandle m_mapping;
};

// Brings the main window of the process to the front, restored if minimised; whether it has one.
bool BringToFront(DWORD processId);
