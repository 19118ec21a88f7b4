#include "tools/report/report_html.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "tools/report/report_charts.h"
#include "tools/report/report_text.h"

namespace {

constexpr size_t kBadLinesShown = 50;  // per file; the rest are counted

constexpr char kStyle[] = R"(
:root { --pass: #2e7d32; --fail: #c62828; --line: #1f4e79; --muted: #5f6b76; --rule: #e3e8ec; }
* { box-sizing: border-box; }
body { font: 14px/1.45 "Segoe UI", "DejaVu Sans", Arial, sans-serif; color: #1d2329; margin: 0 auto;
       max-width: 780px; padding: 24px 20px 40px; }
h1 { font-size: 24px; margin: 0; }
h2 { font-size: 17px; margin: 30px 0 8px; padding-bottom: 4px; border-bottom: 2px solid var(--rule); }
h3 { font-size: 14px; margin: 14px 0 0; }
.sub, .note { color: var(--muted); }
.note { font-size: 12px; }
.verdict { padding: 10px 14px; border-radius: 6px; border-left: 6px solid; margin: 14px 0; }
.verdict.ok { background: #edf7ee; border-color: var(--pass); }
.verdict.bad { background: #fdecea; border-color: var(--fail); }
.tiles { display: grid; grid-template-columns: repeat(6, 1fr); gap: 8px; }
.tile { border: 1px solid var(--rule); border-radius: 6px; padding: 6px 10px; }
.tile b { display: block; font-size: 19px; white-space: nowrap; }
.tile span { color: var(--muted); font-size: 12px; }
table { border-collapse: collapse; width: 100%; font-size: 13px; }
th, td { padding: 4px 6px; border-bottom: 1px solid var(--rule); text-align: left; vertical-align: top; }
th { font-weight: 600; color: var(--muted); }
.n { text-align: right; font-variant-numeric: tabular-nums; white-space: nowrap; }
.r { text-align: right; }
.t { white-space: nowrap; font-size: 12px; text-align: right; }
tr.total td { font-weight: 600; border-top: 2px solid #c9d1d8; }
.fail { color: var(--fail); font-weight: 600; }
.key { display: inline-block; width: 10px; height: 10px; margin: 0 4px 0 10px; }
svg.chart { width: 100%; height: auto; display: block; margin: 4px 0; }
svg text { font: 11px "Segoe UI", "DejaVu Sans", Arial, sans-serif; fill: #39424a; }
svg .grid { stroke: var(--rule); }
svg .axis { stroke: #8a949c; }
svg .day { stroke: #c9d1d8; }
svg text.share { fill: var(--line); paint-order: stroke; stroke: #fff; stroke-width: 3px; }
details { margin: 6px 0; }
summary { cursor: pointer; font-weight: 600; }
@page { size: A4; margin: 14mm 12mm; }
@media print {
  body { max-width: none; padding: 0; font-size: 12px; }
  h2, h3 { break-after: avoid; }
  svg.chart, tr, .tiles, .verdict { break-inside: avoid; }
}
)";

std::string Cell(const std::string& html, bool number = false) {
    return number ? "<td class=\"n\">" + html + "</td>" : "<td>" + html + "</td>";
}

std::string Cell(long long number) {
    return Cell(std::to_string(number), true);
}

std::string Head(std::initializer_list<const char*> names, size_t firstNumber) {
    std::string row = "<tr>";
    size_t i = 0;
    for (const char* name : names)
        row += std::string(i++ >= firstNumber ? "<th class=\"n\">" : "<th>") + name + "</th>";
    return row + "</tr>";
}

// A log time on two lines, the date, then the time (to the minute, or to the second) and the offset.
std::string When(const std::string& time, bool seconds = true) {
    const std::string shown = Html(ShownTime(time));
    if (shown.size() != 26)
        return Cell(shown);
    return "<td class=\"t\">" + shown.substr(0, 10) + "<br/>" + shown.substr(11, seconds ? 8 : 5) + " " +
           shown.substr(20) + "</td>";
}

std::string Seconds(double seconds) {
    return seconds < 0 ? "-" : Fixed(seconds, 2) + " s";
}

std::string Period(const ShiftReport& report) {
    if (!report.from.empty() || !report.to.empty())
        return (report.from.empty() ? "the first line" : report.from) + " to " +
               (report.to.empty() ? "the last line" : report.to);
    if (report.total.lines == 0)
        return "no lines";
    return ShownTime(report.total.firstTime).substr(0, 10) + " to " + ShownTime(report.total.lastTime).substr(0, 10);
}

std::string Tile(const std::string& value, const char* label) {
    return "<div class=\"tile\"><b>" + value + "</b><span>" + label + "</span></div>";
}

std::string Verdict(const ShiftReport& report) {
    const size_t breaks = report.total.breaks.size();
    if (report.total.lines == 0)
        return "<div class=\"verdict bad\"><b>No log lines in the period.</b> There is nothing to count.</div>";
    std::string text =
        breaks == 0
            ? "<div class=\"verdict ok\"><b>The count has no break.</b> In every station's log the count rose "
              "by exactly one with each pass, fell to 0 only at a clear, and carried over unchanged from each "
              "stop to the next start: the count on the line equals the boards J-Flash reported."
            : "<div class=\"verdict bad\"><b>The count has " + std::to_string(breaks) +
                  (breaks == 1 ? " break" : " breaks") + ".</b> At " + (breaks == 1 ? "this line" : "these lines") +
                  " the count does not follow from the boards J-Flash reported (see Count audit).";
    if (report.badLines > 0)
        text += " " + std::to_string(report.badLines) + (report.badLines == 1 ? " line" : " lines") +
                " could not be read (see Input); the audit covers the lines that could.";
    return text + "</div>";
}

std::string StationRow(const StationFigures& s, bool total) {
    return std::string(total ? "<tr class=\"total\">" : "<tr>") + Cell(Html(s.name)) + Cell(s.passed) + Cell(s.failed) +
           Cell(Percent(s.passed, s.passed + s.failed), true) + Cell(s.retries) +
           "<td class=\"n\" title=\"J-Flash not found " + std::to_string(s.notFound) + ", post refused " +
           std::to_string(s.refused) + "\">" + std::to_string(s.notFound + s.refused) + "</td>" +
           When(s.firstTime, false) + When(s.lastTime, false) + Cell(Duration(s.unavailableSeconds), true) +
           (s.breaks.empty() ? Cell(0)
                             : Cell("<span class=\"fail\">" + std::to_string(s.breaks.size()) + "</span>", true)) +
           "</tr>";
}

std::string Causes(const StationFigures& s) {
    const std::vector<CauseShare> causes = Pareto(s.causes);
    if (causes.empty())
        return "<p>No failures.</p>";
    std::string html = ParetoChart(causes) + "<table>" + Head({"#", "Cause", "Failures", "Share", "Cumulative"}, 2);
    long long cumulative = 0;
    for (size_t i = 0; i < causes.size(); ++i) {
        cumulative += causes[i].failures;
        html += "<tr>" + Cell(i < 10 ? std::to_string(i + 1) : "others", true) + Cell(Html(causes[i].cause)) +
                Cell(causes[i].failures) + Cell(Percent(causes[i].failures, s.failed), true) +
                Cell(Percent(cumulative, s.failed), true) + "</tr>";
    }
    return html + "</table>";
}

std::string CycleRow(const StationFigures& s, bool total) {
    std::vector<int> all = s.passTenths[0];
    all.insert(all.end(), s.passTenths[1].begin(), s.passTenths[1].end());
    std::string row = std::string(total ? "<tr class=\"total\">" : "<tr>") + Cell(Html(s.name));
    const std::vector<int>* lists[] = {&all, &s.passTenths[0], &s.passTenths[1]};
    for (const std::vector<int>* tenths : lists)
        row += Cell(static_cast<long long>(tenths->size())) + Cell(Seconds(Quantile(*tenths, 0.5)), true) +
               Cell(Seconds(Quantile(*tenths, 0.9)), true);
    return row + "</tr>";
}

std::string Audit(const ShiftReport& report) {
    if (report.total.breaks.empty())
        return Verdict(report);
    std::string html = Verdict(report) + "<table>" +
                       Head({"Station", "Line", "Event", "Count before", "Count", "What it means", "Where"}, 3);
    for (const CountBreak& b : report.total.breaks)
        html += "<tr>" + Cell(Html(b.station)) + When(b.at.time) + Cell(EventName(b.at.event)) + "<td class=\"r\">" +
                std::to_string(b.before.count) + "<br/><span class=\"note\">" + EventName(b.before.event) + " " +
                Html(ShownTime(b.before.time)) + "</span></td>" +
                Cell("<span class=\"fail\">" + std::to_string(b.at.count) + "</span>", true) + Cell(Html(b.what)) +
                Cell(Html(FileName(b.file)) + ":" + std::to_string(b.at.line)) + "</tr>";
    return html + "</table>";
}

std::string Input(const ShiftReport& report) {
    std::string html = "<table>" + Head({"File", "Station", "Lines", "Unreadable lines"}, 2);
    for (const LogFileRead& file : report.files)
        html += "<tr>" + Cell(Html(file.path)) + Cell(Html(file.station)) + Cell(file.lines) +
                (file.bad.empty() ? Cell(0)
                                  : Cell("<span class=\"fail\">" + std::to_string(file.bad.size()) + "</span>", true)) +
                "</tr>";
    html += "</table>";
    for (const SkippedFile& file : report.skipped)
        html += "<p><span class=\"fail\">Skipped</span> " + Html(file.path) + ": " + Html(file.why) + "</p>";
    for (const std::string& path : report.merged)
        html += "<p>Not read again: " + Html(path) + ": its log already holds its lines.</p>";
    for (const LogFileRead& file : report.files) {
        if (file.bad.empty())
            continue;
        html += "<h3>Lines not read in " + Html(file.path) + "</h3><ul>";
        for (size_t i = 0; i < file.bad.size() && i < kBadLinesShown; ++i)
            html += "<li>line " + std::to_string(file.bad[i].line) + ": " + Html(file.bad[i].why) + "</li>";
        if (file.bad.size() > kBadLinesShown)
            html += "<li>and " + std::to_string(file.bad.size() - kBadLinesShown) + " more</li>";
        html += "</ul>";
    }
    return html;
}

std::string Boards(const ShiftReport& report) {
    const TimeAxis axis = AxisOf(report.total);
    int top = 1;
    for (const StationFigures& s : report.stations)
        top = std::max(top, BusiestSpan(s, axis));
    const std::string span = axis.spanSeconds == 3600    ? "hour"
                             : axis.spanSeconds == 86400 ? "day"
                                                         : std::to_string(axis.spanSeconds / 86400) + " days";
    const int offset = std::abs(axis.offsetMinutes);
    char zone[16];
    std::snprintf(zone, sizeof zone, "UTC%c%02d:%02d", axis.offsetMinutes < 0 ? '-' : '+', offset / 60, offset % 60);
    std::string html = "<h2>Boards per " + span +
                       "</h2><p class=\"note\"><span class=\"key\" style=\"background: #2e7d32\"></span>passed"
                       "<span class=\"key\" style=\"background: #c62828\"></span>failed &#183; days and hours at " +
                       zone + ", the time of most lines</p>";
    for (const StationFigures& s : report.stations)
        html += "<h3>" + Html(s.name) + "</h3>" + BoardsChart(s, axis, top);
    return html;
}

}  // namespace

std::string ReportHtml(const ShiftReport& report) {
    const StationFigures& total = report.total;
    const std::string period = Html(Period(report));
    std::string html = "<!DOCTYPE html>\n<html lang=\"en\"><head><meta charset=\"utf-8\"/><title>Production report, " +
                       period + "</title><style>" + kStyle + "</style></head><body>";
    html += "<h1>Production report</h1><p class=\"sub\">" + period + " &#183; " +
            std::to_string(report.stations.size()) + (report.stations.size() == 1 ? " station" : " stations") +
            " &#183; " + std::to_string(report.files.size()) + (report.files.size() == 1 ? " log file" : " log files") +
            "</p>" + Verdict(report);
    html += "<div class=\"tiles\">" + Tile(std::to_string(total.passed), "boards passed") +
            Tile(std::to_string(total.failed), "boards failed") +
            Tile(Percent(total.passed, total.passed + total.failed), "yield") +
            Tile(std::to_string(total.retries), "retries") +
            Tile(std::to_string(total.notFound + total.refused), "runs without a board") +
            Tile(Duration(total.unavailableSeconds), "log unavailable") + "</div>";

    html += "<h2>Stations</h2><table>" + Head({"Station", "Passed", "Failed", "Yield", "Retries", "No<br/>board",
                                               "First line", "Last line", "Log<br/>unavailable", "Count<br/>breaks"},
                                              1);
    for (const StationFigures& s : report.stations)
        html += StationRow(s, false);
    html += StationRow(total, true) +
            "</table><p class=\"note\">Yield: passed over passed and failed. No board: Run found no J-Flash, or "
            "J-Flash refused the command; not failures. A retry is no outcome: the board's pass or fail follows.</p>";

    html += "<h2>Failure causes</h2>" + Causes(total);
    for (const StationFigures& s : report.stations)
        if (report.stations.size() > 1 && s.failed > 0)
            html += "<details><summary>" + Html(s.name) + ": " + std::to_string(s.failed) +
                    (s.failed == 1 ? " failure" : " failures") + "</summary>" + Causes(s) + "</details>";

    if (total.lines > 0)
        html += Boards(report);
    html +=
        "<h2>Cycle time of passes</h2><table><tr><th></th><th class=\"n\" colspan=\"3\">All passes</th>"
        "<th class=\"n\" colspan=\"3\">Without erase</th><th class=\"n\" colspan=\"3\">With erase</th></tr>" +
        Head({"Station", "Passes", "Median", "90 %", "Passes", "Median", "90 %", "Passes", "Median", "90 %"}, 1);
    for (const StationFigures& s : report.stations)
        html += CycleRow(s, false);
    html += CycleRow(total, true) +
            "</table><p class=\"note\">Seconds from the press of Run to the count; 90 %: nine passes in ten took "
            "no longer.</p>";

    html += "<h2>Count audit</h2>" + Audit(report) + "<h2>Input</h2>" + Input(report);
    html +=
        "<p class=\"note\">Dates are the local dates of the lines' times. A cause that older logs end with "
        "the button's \" OK\" counts as the same cause without it.</p></body></html>\n";
    return html;
}
