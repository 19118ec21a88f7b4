#pragma once
// What Tallyburn knows of J-Flash's windows: the classes, the menu commands it posts, the key it
// presses and the texts by which J-Flash's message windows tell the outcome.

// Main-window classes of the two generations, and the class of their message windows.
constexpr char kDialogGenerationClass[] = "MainWindow";
constexpr char kQtGenerationClass[] = "QWidget";
constexpr char kDialogMessageClass[] = "#32770";

// Menu commands posted to the main window as WM_COMMAND.
constexpr unsigned kEraseCommand = 633;
constexpr unsigned kUnsecureCommand = 626;
constexpr unsigned kProgramCommand = 642;
constexpr unsigned kEndCommand = 601;

// The Qt generation starts programming with F7.
constexpr unsigned kProgramKey = 0x76;  // VK_F7

// The title of the window J-Flash shows while it works.
constexpr char kWorkingTitle[] = "J-Flash";

// Texts of the result windows (a child's text begins with them).
constexpr char kProgramSucceeded[] = "Target erased, programmed and verified successfully";
constexpr char kEraseSucceeded[] = "Erase operation completed successfully";
constexpr char kUnsecureSucceeded[] = "Chip unsecured successfully";

// A result window under the alternative title holds a child of this class instead of a text.
constexpr char kAlternativeResultChildClass[] = "ESTATIC_WindowClass";

// Errors after which the whole cycle is tried again, in the order they are looked for.
constexpr const char* kRetryableErrors[] = {
    "RAM check failed @ address",
    "PC of target system has unexpected value after checking target RAM.",
    "Bad JTAG communication:",
};
