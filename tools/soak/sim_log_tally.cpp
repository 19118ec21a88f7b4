#include "sim_log_tally.h"

#include <sstream>

namespace soak {

namespace {

bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// "fault hang=outcome/8000 as ..." gives "hang=outcome"; the line that ends a hang
// ("fault hang=outcome/8000: answers again") gives nothing.
std::string StruckFault(const std::string& text) {
    const std::string token = text.substr(6, text.find(' ', 6) - 6);
    if (token.empty() || token.back() == ':') {
        return std::string();
    }
    return token.substr(0, token.find('/'));
}

}  // namespace

SimLogTally& SimLogTally::operator+=(const SimLogTally& other) {
    resultsClosedByRequest += other.resultsClosedByRequest;
    wrongTextClosedByRequest += other.wrongTextClosedByRequest;
    for (const auto& fault : other.faults) {
        faults[fault.first] += fault.second;
    }
    operationsStarted += other.operationsStarted;
    endedAbruptly = endedAbruptly || other.endedAbruptly;
    return *this;
}

SimLogTally TallySimLog(const std::string& log) {
    SimLogTally tally;
    std::istringstream lines(log);
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        const size_t space = line.find(' ');
        if (space == std::string::npos) {
            continue;
        }
        const std::string text = line.substr(space + 1);
        if (StartsWith(text, "closed ") && text.find(" (after WM_CLOSE ") != std::string::npos) {
            const bool wrongText = EndsWith(text, " [program wrong-text]");
            if (wrongText || EndsWith(text, " [program success]") || EndsWith(text, " [program success-alt]")) {
                ++tally.resultsClosedByRequest;
                tally.wrongTextClosedByRequest += wrongText ? 1 : 0;
            }
        } else if (StartsWith(text, "fault ")) {
            const std::string fault = StruckFault(text);
            if (!fault.empty()) {
                ++tally.faults[fault];
            }
        } else if (text.find(" starts: outcome ") != std::string::npos) {
            ++tally.operationsStarted;
        } else if (StartsWith(text, "simulator ends abruptly")) {
            tally.endedAbruptly = true;
        }
    }
    return tally;
}

}  // namespace soak
