#include "outcome_script.h"

#include "text_util.h"
#include "tools/remote/command_line.h"

namespace jflashsim {

namespace {
const int kMaxRepeat = 10000;
const size_t kMaxSteps = 100000;
}  // namespace

bool ParseOutcomeScript(const std::string& text, std::vector<Outcome>& steps, std::string& error) {
    std::vector<Outcome> parsed;
    for (const std::string& rawItem : Split(text, ',')) {
        std::string item = Trim(rawItem);
        if (item.empty()) {
            error = "empty item in outcome list \"" + text + "\"";
            return false;
        }
        int count = 1;
        size_t star = item.rfind('*');
        if (star != std::string::npos) {
            if (!ParseWholeNumber(Trim(item.substr(star + 1)), 1, kMaxRepeat, count)) {
                error = "repeat count in \"" + item + "\" must be from 1 to " + std::to_string(kMaxRepeat);
                return false;
            }
            item = Trim(item.substr(0, star));
        }
        Outcome outcome;
        if (!ParseOutcome(item, outcome, error)) {
            return false;
        }
        if (parsed.size() + count > kMaxSteps) {
            error = "outcome list longer than " + std::to_string(kMaxSteps) + " steps";
            return false;
        }
        parsed.insert(parsed.end(), count, outcome);
    }
    steps = std::move(parsed);
    return true;
}

OutcomeScript::OutcomeScript(std::vector<Outcome> steps, ScriptEnd end) : m_steps(std::move(steps)), m_end(end) {
    if (m_steps.empty()) {
        m_steps.push_back(Outcome());
    }
}

Outcome OutcomeScript::Next() {
    if (m_position >= m_steps.size()) {
        if (m_end == ScriptEnd::Stop) {
            Outcome silent;
            silent.kind = OutcomeKind::Silent;
            return silent;
        }
        m_position = 0;
    }
    Outcome outcome = m_steps[m_position++];
    if (m_end == ScriptEnd::Repeat && m_position == m_steps.size()) {
        m_position = 0;
    }
    return outcome;
}

std::string OutcomeScript::Describe() const {
    const size_t before = 2;
    const size_t after = 5;
    std::string text;
    size_t first = m_position > before ? m_position - before : 0;
    size_t last = m_position + after < m_steps.size() ? m_position + after : m_steps.size() - 1;
    if (first > 0) {
        text += "... ";
    }
    for (size_t i = first; i <= last; ++i) {
        std::string step = FormatOutcome(m_steps[i]);
        text += i == m_position ? "[" + step + "]" : step;
        if (i != last) {
            text += ", ";
        }
    }
    if (last + 1 < m_steps.size()) {
        text += " ...";
    }
    if (Exhausted()) {
        return text + " (all " + std::to_string(m_steps.size()) + " used: silent from now on)";
    }
    return text + " (step " + std::to_string(m_position + 1) + " of " + std::to_string(m_steps.size()) +
           (m_end == ScriptEnd::Repeat ? ", repeats)" : ", then silent)");
}

}  // namespace jflashsim
