#pragma once
// The settings file: its name beside the executable, its one section and its four keys.

constexpr const char kSettingsFileName[] = "Tallyburn.ini";
constexpr const char kSettingsSection[] = "setup";
constexpr const char kKeyAppTitle[] = "AppTitle";
constexpr const char kKeyEndDelay[] = "end_delay";
constexpr const char kKeyCounter[] = "counter";
constexpr const char kKeyOnTop[] = "ontop";

constexpr int kDefaultEndDelay = 350;  // milliseconds
