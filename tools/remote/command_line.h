#pragma once
// The command line of our tools: "--name value" options and "--flag" switches, in any order. Each
// getter takes its option out of the line; whatever is left over at the end is an unknown argument.
#include <string>
#include <vector>

// Reads text as a whole decimal number from min to max: digits only, no sign, no blanks; false for
// anything else.
bool ParseWholeNumber(const std::string& text, unsigned long min, unsigned long max, unsigned long& value);
template <typename T>
bool ParseWholeNumber(const std::string& text, unsigned long min, unsigned long max, T& value) {
    unsigned long number = 0;
    return ParseWholeNumber(text, min, max, number) && (value = static_cast<T>(number), true);
}

class CommandLine {
public:
    // The arguments after the program's name.
    CommandLine(int argc, char** argv);

    // Whether the switch is there.
    bool Flag(const char* name);
    // Sets |value| when the option is there with a value; a missing value is a problem.
    bool Text(const char* name, std::string& value);
    // Sets |value| when the option is there with whole decimal number from min to max; anything else
    // given for it is a problem.
    bool Number(const char* name, unsigned long min, unsigned long max, unsigned long& value);
    template <typename T>
    bool Number(const char* name, unsigned long min, unsigned long max, T& value) {
        unsigned long number = 0;
        return Number(name, min, max, number) && (value = static_cast<T>(number), true);
    }

    // What is wrong with the arguments read so far and those left over; empty when nothing is.
    std::string Problem() const;

private:
    std::vector<std::string> m_args;
    std::vector<bool> m_taken;
    std::string m_problem;
};
