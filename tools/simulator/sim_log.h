// The simulator's log: time-stamped lines to stdout, to an optional file and to the main window; and
// its record, tab-separated lines for programs (see README.md).
#pragma once

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <string>

namespace jflashsim {

class SimLog {
public:
    // Without |toStdout| the lines go only to the file and the view, if any.
    explicit SimLog(bool toStdout = true);
    ~SimLog();
    SimLog(const SimLog&) = delete;
    SimLog& operator=(const SimLog&) = delete;

    // Appends to |path| from now on; false with a reason when it cannot be opened.
    bool OpenFile(const std::string& path, std::string& error);
    void SetViewSink(std::function<void(const std::string&)> sink) { m_viewSink = std::move(sink); }

    // Writes records to |path| from now on (appended); false with a reason when it cannot be opened.
    bool OpenRecord(const std::string& path, std::string& error);

    // Writes "HH:MM:SS.mmm text" to every sink at once; nothing is buffered.
    void Line(const std::string& text);
    // Writes the fields, joined by tabs, as one line of the record at once.
    void Record(std::initializer_list<std::string> fields);

    // Writes text unchanged to stdout; false when the process has no stdout to write to.
    bool WriteStdout(const std::string& text);

private:
    HANDLE m_stdout = nullptr;
    HANDLE m_file = INVALID_HANDLE_VALUE;
    HANDLE m_record = INVALID_HANDLE_VALUE;
    std::function<void(const std::string&)> m_viewSink;
};

// printf-style formatting into a std::string.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Shows a problem with the command line: on stderr when there is one, else in a message box.
void ReportProblem(const std::string& text);

}  // namespace jflashsim
