#pragma once
// Where the production log goes: the file named by the "log" key, and the file that takes the lines
// still waiting when Tallyburn closes.
#include <string>

// The log file for the key's value: empty for an empty value; a value that is a full path (a drive
// letter and colon, a UNC path \\server\share\..., or a path from the root) is used as it is; any
// other value is taken from the executable's directory (given without a trailing backslash).
std::string LogPathFor(const std::string& value, const std::string& executableDirectory);

// The log's path with the stamp added to its file name before the extension:
// "C:\Line\Tallyburn-log.csv" and "20261207-234124" give "C:\Line\Tallyburn-log-20261207-234124.csv".
std::string StampedLogPath(const std::string& path, const std::string& stamp);

// The inverse of StampedLogPath on file names: the name of the log that an overflow file
// "<stem>-YYYYMMDD-HHMMSS<extension>" belongs to ("Tallyburn-log-20261207-234124.csv" gives
// "Tallyburn-log.csv"); empty for a name that is not an overflow file's.
std::string LogNameOfOverflow(const std::string& fileName);
