#include "tools/remote/command_line.h"

CommandLine::CommandLine(int argc, char** argv) : m_args(argv + 1, argv + argc), m_taken(m_args.size(), false) {}

bool CommandLine::Flag(const char* name) {
    for (size_t i = 0; i < m_args.size(); ++i) {
        if (!m_taken[i] && m_args[i] == name) {
            m_taken[i] = true;
            return true;
        }
    }
    return false;
}

bool CommandLine::Text(const char* name, std::string& value) {
    for (size_t i = 0; i < m_args.size(); ++i) {
        if (m_taken[i] || m_args[i] != name)
            continue;
        m_taken[i] = true;
        if (i + 1 == m_args.size() || m_args[i + 1].empty()) {
            m_problem = std::string(name) + " needs a value";
            return false;
        }
        m_taken[i + 1] = true;
        value = m_args[i + 1];
        return true;
    }
    return false;
}

bool ParseWholeNumber(const std::string& text, unsigned long min, unsigned long max, unsigned long& value) {
    // Ten digits at the most, so that the number cannot overflow while it is read.
    if (text.empty() || text.size() > 10)
        return false;
    unsigned long long number = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        number = number * 10 + static_cast<unsigned>(c - '0');
    }
    if (number < min || number > max)
        return false;
    value = static_cast<unsigned long>(number);
    return true;
}

bool CommandLine::Number(const char* name, unsigned long min, unsigned long max, unsigned long& value) {
    std::string text;
    if (!Text(name, text))
        return false;
    if (!ParseWholeNumber(text, min, max, value)) {
        m_problem = std::string(name) + " needs a whole number from " + std::to_string(min) + " to " +
                    std::to_string(max) + ", not \"" + text + "\"";
        return false;
    }
    return true;
}

std::string CommandLine::Problem() const {
    if (!m_problem.empty())
        return m_problem;
    for (size_t i = 0; i < m_args.size(); ++i) {
        if (!m_taken[i])
            return "unknown argument \"" + m_args[i] + "\" (see --help)";
    }
    return std::string();
}
