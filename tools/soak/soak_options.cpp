#include "soak_options.h"

#include <cstdlib>

namespace soak {

const char kSoakUsage[] =
    "TallyburnSoak: many programming cycles of Tallyburn against the programmer simulator, with\n"
    "outcomes and faults dealt from a seed, checking after every cycle that the count is right and\n"
    "that Tallyburn has come to an end state and still answers.\n"
    "\n"
    "Usage: TallyburnSoak [options]   (Tallyburn.exe and JFlashSim.exe are taken from its folder)\n"
    "\n"
    "  --cycles N        cycles to run (default 100)\n"
    "  --seed S          seed of the plan (default: from the clock); the same seed gives the same plan\n"
    "  --generation G    dialog (default), qt, or mix\n"
    "  --work-ms N       how long the simulator works per operation (default 300)\n"
    "  --folder PATH     work folder (default: a fresh temporary folder, removed when all is well)\n"
    "  --keep            keep the work folder\n"
    "  --help            this text\n"
    "\n"
    "Exit status: 0 when every count was right, no window was taken twice or wrongly and no cycle got\n"
    "stuck, 1 when not, 2 when the programs could not be started.\n";

const char* GenerationName(Generation generation) {
    return generation == Generation::Qt ? "qt" : generation == Generation::Mix ? "mix" : "dialog";
}

bool ParseSoakOptions(const std::vector<std::string>& args, SoakOptions& options, std::string& error) {
    SoakOptions parsed;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& name = args[i];
        if (name == "--help" || name == "--keep") {
            (name == "--help" ? parsed.help : parsed.keep) = true;
            continue;
        }
        if (i + 1 >= args.size()) {
            error = "unknown argument or missing value: " + name + " (see --help)";
            return false;
        }
        const std::string& value = args[++i];
        char* end = nullptr;
        const unsigned long long number = std::strtoull(value.c_str(), &end, 10);
        const bool isNumber = !value.empty() && value[0] != '-' && *end == '\0';
        if (name == "--cycles" && isNumber && number >= 1 && number <= 1000000) {
            parsed.cycles = static_cast<int>(number);
        } else if (name == "--seed" && isNumber && number <= 0xFFFFFFFFull) {
            parsed.seed = static_cast<uint32_t>(number);
            parsed.seedGiven = true;
        } else if (name == "--work-ms" && isNumber && number <= 60000) {
            parsed.workMs = static_cast<int>(number);
        } else if (name == "--generation" && (value == "dialog" || value == "qt" || value == "mix")) {
            parsed.generation = value == "qt" ? Generation::Qt : value == "mix" ? Generation::Mix : Generation::Dialog;
        } else if (name == "--folder" && !value.empty()) {
            parsed.folder = value;
        } else {
            error = "unknown argument or bad value: " + name + " " + value + " (see --help)";
            return false;
        }
    }
    options = parsed;
    return true;
}

}  // namespace soak
