// TallyburnReport: a shift report from Tallyburn's production logs, as one HTML page.
//
//   TallyburnReport [--from DATE] [--to DATE] [--out report.html] [--csv] LOG_OR_FOLDER...
//
// A folder stands for every *.csv in it. --from and --to (YYYY-MM-DD, both included) pick the lines
// by the local dates of their times. --csv also writes the stations' table (report.csv) and the
// failures per cause (report-causes.csv) beside the page. The exit status is 0 when every input was
// read and the count has no break, 1 when a file or a line was skipped, 2 when the count has a break,
// 3 for both, and 4 when no report was written (a wrong command line, or a file that cannot be written).
#include <algorithm>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <system_error>
#include <vector>

#include "app/log_text.h"
#include "tools/report/report_csv.h"
#include "tools/report/report_html.h"

namespace fs = std::filesystem;

namespace {

constexpr int kNoReport = 4;
constexpr char kUsage[] =
    "usage: TallyburnReport [--from YYYY-MM-DD] [--to YYYY-MM-DD] [--out report.html] [--csv] LOG_OR_FOLDER...\n";

struct Options {
    std::string from, to, out = "report.html";
    bool csv = false;
    DayRange range;
    std::vector<std::string> inputs;
};

// The options, or a problem in words.
std::string ReadOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        std::string* value = arg == "--from"  ? &options.from
                             : arg == "--to"  ? &options.to
                             : arg == "--out" ? &options.out
                                              : nullptr;
        if (value != nullptr) {
            if (++i == argc)
                return arg + " needs a value";
            *value = argv[i];
        } else if (arg == "--csv") {
            options.csv = true;
        } else if (arg.compare(0, 1, "-") == 0) {
            return "unknown option " + arg;
        } else {
            options.inputs.push_back(arg);
        }
    }
    if (!options.from.empty() && !ParseDate(options.from, options.range.first))
        return "--from " + options.from + " is not a date like 2026-12-07";
    if (!options.to.empty() && !ParseDate(options.to, options.range.last))
        return "--to " + options.to + " is not a date like 2026-12-07";
    if (options.range.first > options.range.last)
        return "--from is after --to";
    return options.inputs.empty() ? "no log file or folder given" : std::string();
}

// A path from text in the program's code page (the ANSI code page on Windows, as the command line and
// the log's text are), and back: never through the library's own narrow conversion, which on Windows
// takes UTF-8.
fs::path PathOf(const std::string& text) {
#ifdef _WIN32
    std::wstring wide(text.size() + 1, L'\0');
    const size_t length = std::mbstowcs(&wide[0], text.c_str(), wide.size());
    if (length == static_cast<size_t>(-1))
        return fs::path(text);
    wide.resize(length);
    return fs::path(wide);
#else
    return fs::path(text);
#endif
}

std::string TextOf(const fs::path& path) {
#ifdef _WIN32
    std::string text(path.native().size() * MB_CUR_MAX + 1, '\0');
    const size_t length = std::wcstombs(&text[0], path.c_str(), text.size());
    if (length == static_cast<size_t>(-1))
        return path.u8string();
    text.resize(length);
    return text;
#else
    return path.native();
#endif
}

bool IsCsv(const fs::path& path) {
    const fs::path::string_type extension = path.extension().native();
    const char csv[] = ".csv";
    if (extension.size() != 4)
        return false;
    for (size_t i = 0; i < 4; ++i)
        if ((extension[i] | 0x20) != csv[i])
            return false;
    return true;
}

struct InputFile {
    fs::path path;
    std::string shown;
};

// The files of the inputs (a folder's *.csv by name), each once; what cannot be listed is skipped.
std::vector<InputFile> FilesOf(const std::vector<std::string>& inputs, std::vector<SkippedFile>& skipped) {
    std::vector<InputFile> files;
    std::set<fs::path> seen;
    auto add = [&](const fs::path& path, const std::string& shown) {
        std::error_code error;
        const fs::path absolute = fs::absolute(path, error).lexically_normal();
        if (seen.insert(error ? path : absolute).second)
            files.push_back({path, shown});
    };
    for (const std::string& input : inputs) {
        const fs::path folder = PathOf(input);
        std::error_code error;
        if (fs::is_directory(folder, error)) {
            std::vector<fs::path> found;
            for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
                if (IsCsv(it->path()) && it->is_regular_file(error))
                    found.push_back(it->path());
            if (error)
                skipped.push_back({input, "the folder cannot be read: " + error.message()});
            std::sort(found.begin(), found.end());
            for (const fs::path& path : found)
                add(path, TextOf(folder / path.filename()));
        } else if (fs::is_regular_file(folder, error)) {
            add(folder, input);
        } else {
            skipped.push_back({input, "no such file or folder"});
        }
    }
    return files;
}

bool Read(const fs::path& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

// Whether the file is there and starts with the log's header.
bool HoldsLog(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    const std::string header(kLogHeader, sizeof kLogHeader - 3);  // without CR LF
    std::string first(header.size(), '\0');
    return in.read(&first[0], static_cast<std::streamsize>(first.size())) && first == header;
}

bool Write(const fs::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    return !out.fail();
}

}  // namespace

int main(int argc, char** argv) {
    std::setlocale(LC_CTYPE, "");  // the system's code page for file names; numbers stay in the C locale
    Options options;
    const std::string problem = ReadOptions(argc, argv, options);
    if (!problem.empty()) {
        std::fprintf(stderr, "TallyburnReport: %s\n%s", problem.c_str(), kUsage);
        return kNoReport;
    }
    const size_t dot = options.out.find_last_of('.'), slash = options.out.find_last_of("\\/");
    const std::string stem = options.out.substr(
        0, dot != std::string::npos && (slash == std::string::npos || dot > slash) ? dot : std::string::npos);
    std::vector<std::pair<std::string, std::string>> outputs = {{options.out, ""}};
    if (options.csv)
        outputs.insert(outputs.end(), {{stem + ".csv", ""}, {stem + "-causes.csv", ""}});
    for (const auto& output : outputs) {
        if (HoldsLog(PathOf(output.first))) {
            std::fprintf(stderr, "TallyburnReport: %s is a production log; the report does not overwrite it\n",
                         output.first.c_str());
            return kNoReport;
        }
    }

    std::vector<SkippedFile> skipped;
    const std::vector<InputFile> files = FilesOf(options.inputs, skipped);
    std::vector<LogInput> logs;
    for (size_t i = 0; i < files.size(); ++i) {
        if (files.size() > 1)
            std::fprintf(stderr, "\rTallyburnReport: reading file %zu of %zu", i + 1, files.size());
        std::string text;
        if (Read(files[i].path, text))
            logs.push_back({files[i].shown, ParseLog(text)});
        else
            skipped.push_back({files[i].shown, "the file cannot be read"});
    }
    if (files.size() > 1)
        std::fprintf(stderr, "\n");

    const ShiftReport report = MakeReport(logs, std::move(skipped), options.range, options.from, options.to);
    outputs[0].second = ReportHtml(report);
    if (options.csv) {
        outputs[1].second = StationsCsv(report);
        outputs[2].second = CausesCsv(report);
    }
    for (const auto& output : outputs) {
        if (!Write(PathOf(output.first), output.second)) {
            std::fprintf(stderr, "TallyburnReport: %s cannot be written\n", output.first.c_str());
            return kNoReport;
        }
    }
    std::fprintf(stderr,
                 "TallyburnReport: %s: %zu stations, %d passed, %d failed, %zu files skipped, %lld lines skipped, %zu "
                 "count breaks\n",
                 options.out.c_str(), report.stations.size(), report.total.passed, report.total.failed,
                 report.skipped.size(), report.badLines, report.total.breaks.size());
    return report.Status();
}
