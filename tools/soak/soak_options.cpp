#include "soak_options.h"

namespace soak {

namespace {

// Strict decimal within [min, max]; no sign, no blanks.
bool ParseNumber(const std::string& text, long long min, long long max, long long& value) {
    if (text.empty() || text.size() > 10) {
        return false;
    }
    long long result = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
        result = result * 10 + (c - '0');
    }
    if (result < min || result > max) {
        return false;
    }
    value = result;
    return true;
}

}  // namespace

int SoakOptions::StuckBound() const {
    if (stuckMs > 0) {
        return stuckMs;
    }
    const int startDelay = 1000, missingLimit = 5000, retryLooks = 9900, margin = 5000;
    return startDelay + workMs + missingLimit + retryLooks + blockedCallMs + margin;
}

int SoakOptions::SettleBound() const {
    return settleMs > 0 ? settleMs : hangMs + 3 * workMs + 10000;
}

const char* GenerationName(Generation generation) {
    switch (generation) {
        case Generation::Dialog:
            return "dialog";
        case Generation::Qt:
            return "qt";
        case Generation::Mix:
            return "mix";
    }
    return "?";
}

bool ParseSoakOptions(const std::vector<std::string>& args, SoakOptions& options, std::string& error) {
    SoakOptions parsed;
    for (size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        std::string value;
        bool inlineValue = false;
        const size_t eq = name.find('=');
        if (name.compare(0, 2, "--") == 0 && eq != std::string::npos) {
            value = name.substr(eq + 1);
            name = name.substr(0, eq);
            inlineValue = true;
        }
        auto takeValue = [&]() {
            if (!inlineValue) {
                if (i + 1 >= args.size()) {
                    error = name + " needs a value";
                    return false;
                }
                value = args[++i];
            }
            return true;
        };
        // The value is stored even when it is refused: a refusal ends the parse without a result.
        auto number = [&](long long min, long long max, long long& out) {
            if (!takeValue()) {
                return false;
            }
            if (!ParseNumber(value, min, max, out)) {
                error = name + " needs a number from " + std::to_string(min) + " to " + std::to_string(max);
                return false;
            }
            return true;
        };
        auto flag = [&](bool& out) {
            if (inlineValue) {
                error = name + " takes no value";
                return false;
            }
            out = true;
            return true;
        };
        long long n = 0;
        bool ok = true;
        if (name == "--help" || name == "-h") {
            ok = flag(parsed.help);
        } else if (name == "--keep") {
            ok = flag(parsed.keep);
        } else if (name == "--cycles") {
            ok = number(1, 1000000, n);
            parsed.cycles = static_cast<int>(n);
        } else if (name == "--seed") {
            ok = number(0, 4294967295LL, n);
            parsed.seed = static_cast<uint32_t>(n);
            parsed.seedGiven = true;
        } else if (name == "--work-ms") {
            ok = number(0, 60000, n);
            parsed.workMs = static_cast<int>(n);
        } else if (name == "--hang-ms") {
            ok = number(1, 600000, n);
            parsed.hangMs = static_cast<int>(n);
        } else if (name == "--end-delay") {
            ok = number(0, 60000, n);
            parsed.endDelayMs = static_cast<int>(n);
        } else if (name == "--blocked-ms") {
            ok = number(0, 600000, n);
            parsed.blockedCallMs = static_cast<int>(n);
        } else if (name == "--stuck-ms") {
            ok = number(1000, 3600000, n);
            parsed.stuckMs = static_cast<int>(n);
        } else if (name == "--settle-ms") {
            ok = number(1000, 3600000, n);
            parsed.settleMs = static_cast<int>(n);
        } else if (name == "--generation") {
            ok = takeValue();
            if (ok && value == "dialog") {
                parsed.generation = Generation::Dialog;
            } else if (ok && value == "qt") {
                parsed.generation = Generation::Qt;
            } else if (ok && value == "mix") {
                parsed.generation = Generation::Mix;
            } else if (ok) {
                error = "--generation is dialog, qt or mix";
                ok = false;
            }
        } else if (name == "--folder") {
            ok = takeValue();
            if (ok && value.empty()) {
                error = "--folder needs a path";
                ok = false;
            }
            parsed.folder = value;
        } else {
            error = "unknown argument \"" + args[i] + "\" (see --help)";
            ok = false;
        }
        if (!ok) {
            return false;
        }
    }
    options = parsed;
    return true;
}

std::string SoakUsage() {
    return "TallyburnSoak: many programming cycles of Tallyburn against the programmer simulator, with\n"
           "outcomes and faults drawn at random, checking after every cycle that the count is right and\n"
           "that Tallyburn has come to an end state and still answers.\n"
           "\n"
           "Usage: TallyburnSoak [options]   (Tallyburn.exe and JFlashSim.exe are taken from its folder)\n"
           "\n"
           "  --cycles N          cycles to run (default 100)\n"
           "  --seed S            seed of the random outcomes (default: from the clock); the same seed\n"
           "                      gives the same outcomes again\n"
           "  --generation G      dialog (default), qt, or mix (changes now and then)\n"
           "  --work-ms N         how long the simulator works per operation (default 300)\n"
           "  --hang-ms N         how long a hang fault lasts (default 8000)\n"
           "  --end-delay N       Tallyburn's end_delay (default 50)\n"
           "  --blocked-ms N      how long one call into a hung programmer may block Tallyburn (default 5000)\n"
           "  --stuck-ms N        a cycle not ended after N ms is stuck (default: 1000 + work + 5000 +\n"
           "                      9900 + blocked + 5000)\n"
           "  --settle-ms N       how long the simulator may take to finish after a cycle (default: hang +\n"
           "                      3 x work + 10000)\n"
           "  --folder PATH       work folder (default: a fresh temporary folder, removed when all is well)\n"
           "  --keep              keep the work folder\n"
           "  --help              this text\n"
           "\n"
           "Exit status: 0 when every count was right and no cycle got stuck, 1 when not, 2 when the\n"
           "programs could not be started.\n";
}

}  // namespace soak
