#include "outcome_windows.h"

#include "text_util.h"

namespace jflashsim {

const char* OperationName(Operation operation) {
    switch (operation) {
        case Operation::Erase:
            return "erase";
        case Operation::Unsecure:
            return "unsecure";
        case Operation::Program:
            return "program";
    }
    return "?";
}

const char* SuccessText(Operation operation) {
    switch (operation) {
        case Operation::Erase:
            return "Erase operation completed successfully";
        case Operation::Unsecure:
            return "Chip unsecured successfully";
        case Operation::Program:
            return "Target erased, programmed and verified successfully";
    }
    return "";
}

const char* WindowRoleName(WindowRole role) {
    switch (role) {
        case WindowRole::Working:
            return "working";
        case WindowRole::Result:
            return "result";
        case WindowRole::Error:
            return "error";
        case WindowRole::Warning:
            return "warning";
        case WindowRole::Emulator:
            return "emulator selection";
    }
    return "?";
}

std::string LearnedTitle(const std::string& mainTitle) {
    std::string title = mainTitle.substr(0, mainTitle.find(" - "));
    return ReplaceAll(title, "SEGGER ", "");
}

std::string EmulatorSelectionTitle(const std::string& learnedTitle, bool qtGeneration) {
    std::string title =
        qtGeneration ? learnedTitle + " Emulator selection" : "SEGGER " + learnedTitle + " - Emulator selection";
    title = ReplaceAll(title, "J-Flash ARM", "J-Link");
    return ReplaceAll(title, "J-Flash", "J-Link");
}

std::string Lengthened(const std::string& text) {
    std::string longer = text;
    if (longer.size() < kLongTextLength) {
        longer += " ";
    }
    for (char digit = '0'; longer.size() < kLongTextLength; digit = digit == '9' ? '0' : digit + 1) {
        longer += digit;
    }
    return longer;
}

WindowPlan PlanWorkingWindow(Operation operation) {
    WindowPlan plan;
    plan.role = WindowRole::Working;
    plan.title = "J-Flash";
    plan.operation = operation;
    plan.outcome = "working";
    switch (operation) {
        case Operation::Erase:
            plan.text = "Erasing chip...";
            break;
        case Operation::Unsecure:
            plan.text = "Unsecuring chip...";
            break;
        case Operation::Program:
            plan.text = "Erasing, programming and verifying target...";
            break;
    }
    return plan;
}

std::vector<WindowPlan> PlanOutcomeWindows(const Outcome& outcome,
                                           Operation operation,
                                           const std::string& learnedTitle,
                                           bool qtGeneration) {
    WindowPlan plan;
    plan.title = learnedTitle;
    switch (outcome.kind) {
        case OutcomeKind::Silent:
            return {};
        case OutcomeKind::Success:
            plan.text = SuccessText(operation);
            break;
        case OutcomeKind::SuccessAlt:
            // Under this title the child's class alone marks success, so the text deliberately differs
            // from the success text: a controller that reads it instead of the class is caught.
            plan.title = learnedTitle + " ";
            plan.text = std::string("Done: ") + OperationName(operation) + " completed";
            plan.estaticChild = true;
            break;
        case OutcomeKind::WrongText:
            plan.text =
                operation == Operation::Program ? "Target programmed, verify skipped." : "Operation cancelled by user.";
            break;
        case OutcomeKind::ErrorRam:
            plan.role = WindowRole::Error;
            plan.text = "RAM check failed @ address 0x20000000. Write: 0xAA55AA55, Read: 0x00000000";
            break;
        case OutcomeKind::ErrorPc:
            plan.role = WindowRole::Error;
            plan.text = "PC of target system has unexpected value after checking target RAM.";
            break;
        case OutcomeKind::ErrorJtag:
            plan.role = WindowRole::Error;
            plan.text = "Bad JTAG communication: Timeout reading memory.";
            break;
        case OutcomeKind::ErrorOther:
            plan.role = WindowRole::Error;
            plan.text = "Target voltage too low.";
            break;
        case OutcomeKind::Warning:
            plan.role = WindowRole::Warning;
            plan.text = "The connected device does not match the device selected in the project.";
            break;
        case OutcomeKind::Emulator:
            plan.role = WindowRole::Emulator;
            plan.title = EmulatorSelectionTitle(learnedTitle, qtGeneration);
            plan.text = "More than one emulator is connected. Select the emulator to use:";
            break;
    }
    if (plan.role == WindowRole::Error) {
        plan.title = learnedTitle + " Error";
    } else if (plan.role == WindowRole::Warning) {
        plan.title = learnedTitle + " Warning";
    }
    if (outcome.longTitle) {
        plan.title = Lengthened(plan.title);
    }
    if (outcome.longText) {
        plan.text = Lengthened(plan.text);
    }
    plan.operation = operation;
    plan.outcome = OutcomeKindName(outcome.kind);
    return std::vector<WindowPlan>(outcome.twice ? 2 : 1, plan);
}

}  // namespace jflashsim
