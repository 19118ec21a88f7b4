// What the simulated programmer shows: titles, texts and the windows that end each operation.
// Free of the Windows API.
#pragma once

#include <string>
#include <vector>

#include "outcome.h"

namespace jflashsim {

enum class Operation { Erase, Unsecure, Program };

// Command ids of the dialog generation's menu.
const unsigned kUnsecureCommand = 626;
const unsigned kEraseCommand = 633;
const unsigned kProgramCommand = 642;
const unsigned kEndCommand = 601;
const unsigned kProgramKey = 0x76;  // F7, the Qt generation's programming key

const char* OperationName(Operation operation);
const char* SuccessText(Operation operation);

enum class WindowRole { Working, Result, Error, Warning, Emulator };

const char* WindowRoleName(WindowRole role);

// One top-level window to open: its title, the text of its message child, and whether that child is
// of class "ESTATIC_WindowClass" rather than a plain static control. The operation and the outcome
// ("success", "working") tag the window's log lines and records, so that a reader can tell, for
// instance, programming successes from erase results of the same title.
struct WindowPlan {
    WindowRole role = WindowRole::Result;
    std::string title;
    std::string text;
    bool estaticChild = false;
    Operation operation = Operation::Program;
    std::string outcome;
};

// The length of the titles and texts that the long-title and long-text modifiers make: more than the
// 259 characters a reader with a 260-byte buffer sees.
const size_t kLongTextLength = 300;

// The text continued with a run of digits to kLongTextLength characters (unchanged if already that long).
std::string Lengthened(const std::string& text);

// The title a controller learns from the main title: the part before the first " - ", with every
// "SEGGER " removed. A title without " - " is taken whole.
std::string LearnedTitle(const std::string& mainTitle);

// The emulator-selection title for the learned title: "SEGGER <title> - Emulator selection" in the
// dialog generation, "<title> Emulator selection" in the Qt generation, then every "J-Flash ARM" and
// after that every remaining "J-Flash" becomes "J-Link".
std::string EmulatorSelectionTitle(const std::string& learnedTitle, bool qtGeneration);

// The window shown while an operation works: titled exactly "J-Flash".
WindowPlan PlanWorkingWindow(Operation operation);

// The windows that end an operation with the given outcome: none for a silent one, two identical
// ones for an outcome shown twice, else one.
std::vector<WindowPlan> PlanOutcomeWindows(const Outcome& outcome,
                                           Operation operation,
                                           const std::string& learnedTitle,
                                           bool qtGeneration);

}  // namespace jflashsim
