// CTallyburnDialog, the production log: opened at start when the "log" key names a file, then one line
// for each event of the tool, handed to the log's writer so that nothing here waits for the file.
#include <string>

#include "app/LogFile.h"
#include "app/ProductionLog.h"
#include "app/Settings.h"
#include "app/TallyburnApp.h"
#include "app/TallyburnDialog.h"
#include "app/log_path.h"
#include "app/log_text.h"
#include "automation/WindowTexts.h"
#include "tallyburn_version.h"

namespace {
constexpr char kStartCause[] = "Tallyburn " TALLYBURN_VERSION;
}

void CTallyburnDialog::OpenLog() {
    const CString value = App().GetProfileString(kSettingsSection, kKeyLog, "");
    const std::string path = LogPathFor(value.str(), executableDirectory.str());
    if (path.empty())
        return;
    m_log = std::make_unique<CProductionLog>(path, LogFilesOnDisk(LogFileAppend()));
    LogEvent("start", kStartCause);
}

void CTallyburnDialog::CloseLog() {
    if (!m_log)
        return;
    LogEvent("stop", "");
    m_log->Close();
    m_log.reset();
}

void CTallyburnDialog::WriteLogLine(const char* event,
                                    const std::string& seconds,
                                    const std::string& erase,
                                    const std::string& cause) {
    if (m_log)
        m_log->Add(m_counter,
                   CsvLine({IsoTime(LocalNow()), event, std::to_string(m_counter), seconds, erase, InertText(cause)}));
}

void CTallyburnDialog::LogEvent(const char* event, const std::string& cause) {
    WriteLogLine(event, "", "", cause);
}

void CTallyburnDialog::LogOutcome(const char* event, const std::string& cause) {
    if (m_log)
        WriteLogLine(event, Tenths(static_cast<long long>(Seams().tickCount() - m_runPressedMs)),
                     m_cycleErased ? "1" : "0", cause);
}

std::string CTallyburnDialog::LoggedTexts(HWND window) const {
    return m_log ? ChildTexts(window) : std::string();
}

std::string CTallyburnDialog::LoggedText(HWND window) const {
    return m_log ? OneLineText(window) : std::string();
}
