#pragma once
// The settings file: its name beside the executable, its one section and its keys.

constexpr const char kSettingsFileName[] = "Tallyburn.ini";
constexpr const char kSettingsSection[] = "setup";
constexpr const char kKeyAppTitle[] = "AppTitle";
constexpr const char kKeyEndDelay[] = "end_delay";
constexpr const char kKeyCounter[] = "counter";
constexpr const char kKeyOnTop[] = "ontop";
// The production log's file; read only, never written by Tallyburn.
constexpr const char kKeyLog[] = "log";

constexpr int kDefaultEndDelay = 350;  // milliseconds
