#pragma once
// How Tallyburn names J-Flash's windows: the title it learns from J-Flash's main window and the
// titles of the error, warning and emulator-selection windows derived from it.
#include "framework/CString.h"

// Every main window of J-Flash has a title that begins with this (ending in a blank).
constexpr const char kProgrammerTitlePrefix[] = "SEGGER J-Flash ";

// Removes every "SEGGER " from the text.
CString WithoutVendor(CString text);

// The title learned from a main-window title: the part before its first " - ", without any
// "SEGGER ". False (learned unchanged) when the title has no " - ".
bool LearnTitle(const char* mainWindowTitle, CString& learned);

// "<title> Error" and "<title> Warning", without any "SEGGER ".
CString ErrorTitleFor(const CString& appTitle);
CString WarningTitleFor(const CString& appTitle);

// The emulator-selection window's title for the dialog generation ("SEGGER <title> - Emulator
// selection") or the Qt generation ("<title> Emulator selection"), with "J-Flash ARM" and then
// "J-Flash" turned into "J-Link".
CString EmulatorSelectionTitle(const CString& appTitle, bool qtGeneration);
