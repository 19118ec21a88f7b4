#include "tools/report/report_charts.h"

#include <algorithm>

#include "tools/report/report_text.h"

namespace {

constexpr char kPass[] = "#2e7d32";
constexpr char kFail[] = "#c62828";
constexpr char kLine[] = "#1f4e79";
constexpr int kWidth = 700;

std::string N(double value) {
    return Fixed(value, 1);
}

// A grid step of 1, 2 or 5 times a power of ten that divides 0..top into at most four steps.
long long GridStep(long long top) {
    long long step = 1;
    for (;;) {
        for (long long factor : {1, 2, 5})
            if (step * factor * 4 >= top)
                return step * factor;
        step *= 10;
    }
}

std::string Text(double x, double y, const std::string& text, const char* anchor, const char* style = "") {
    return "<text x=\"" + N(x) + "\" y=\"" + N(y) + "\" text-anchor=\"" + anchor + "\"" + style + ">" + text +
           "</text>";
}

std::string Rect(double x, double y, double w, double h, const char* fill, const std::string& title) {
    return "<rect x=\"" + N(x) + "\" y=\"" + N(y) + "\" width=\"" + N(w) + "\" height=\"" + N(h) + "\" fill=\"" + fill +
           "\"><title>" + title + "</title></rect>";
}

std::string Line(double x1, double y1, double x2, double y2, const char* cls) {
    return "<line class=\"" + std::string(cls) + "\" x1=\"" + N(x1) + "\" y1=\"" + N(y1) + "\" x2=\"" + N(x2) +
           "\" y2=\"" + N(y2) + "\"/>";
}

std::string Open(int height, const std::string& label) {
    return "<svg class=\"chart\" viewBox=\"0 0 " + std::to_string(kWidth) + " " + std::to_string(height) +
           "\" role=\"img\" aria-label=\"" + label + "\">";
}

// Horizontal grid lines and their labels at the left, for 0..top over the plot's height.
std::string Grid(long long top, double left, double right, double y0, double height) {
    std::string svg;
    for (long long value = 0, step = GridStep(top); value <= top; value += step) {
        const double y = y0 + height - height * static_cast<double>(value) / static_cast<double>(top);
        svg += Line(left, y, right, y, value == 0 ? "axis" : "grid");
        svg += Text(left - 4, y + 4, std::to_string(value), "end");
    }
    return svg;
}

std::string Hour(long long hour) {
    return (hour < 10 ? "0" : "") + std::to_string(hour) + ":00";
}

long long RoundedUp(long long value, long long step) {
    return std::max(step, (value + step - 1) / step * step);
}

}  // namespace

std::string ParetoChart(const std::vector<CauseShare>& causes) {
    std::vector<CauseShare> bars(causes.begin(), causes.begin() + std::min<size_t>(causes.size(), 10));
    long long all = 0;
    for (const CauseShare& cause : causes)
        all += cause.failures;
    if (causes.size() > 10)
        bars.push_back({"others", 0});
    for (size_t i = 10; i < causes.size(); ++i)
        bars.back().failures += causes[i].failures;
    if (bars.empty())
        return std::string();

    const int height = 230;
    const double left = 44, right = kWidth - 44, top = 18, plot = height - top - 26;
    long long most = 0;
    for (const CauseShare& bar : bars)
        most = std::max<long long>(most, bar.failures);
    const long long scale = RoundedUp(most, GridStep(most));
    std::string svg = Open(height, "Failures per cause, most first, with their cumulative share") +
                      Grid(scale, left, right, top, plot);
    for (int percent = 0; percent <= 100; percent += 25)
        svg += Text(right + 4, top + plot - plot * percent / 100 + 4, std::to_string(percent) + " %", "start");

    const double slot = (right - left) / static_cast<double>(bars.size());
    const double barWidth = std::min(60.0, slot * 0.6);
    std::string points;
    long long cumulative = 0;
    for (size_t i = 0; i < bars.size(); ++i) {
        const double x = left + slot * static_cast<double>(i) + slot / 2;
        const double h = plot * bars[i].failures / static_cast<double>(scale);
        const std::string rank = i < 10 ? std::to_string(i + 1) : "others";
        svg += Rect(x - barWidth / 2, top + plot - h, barWidth, h, kFail,
                    rank + ": " + Html(bars[i].cause) + ", " + std::to_string(bars[i].failures));
        svg += Text(x, top + plot - h - 4, std::to_string(bars[i].failures), "middle");
        svg += Text(x, height - 8, rank, "middle");
        cumulative += bars[i].failures;
        const double y = top + plot - plot * static_cast<double>(cumulative) / static_cast<double>(all);
        points += (points.empty() ? "" : " ") + N(x) + "," + N(y);
        svg += "<circle cx=\"" + N(x) + "\" cy=\"" + N(y) + "\" r=\"3\" fill=\"" + kLine + "\"/>";
        if (cumulative < all)  // the last share is 100 %, beside the scale's own label
            svg += Text(x + 6, y - 5, Percent(cumulative, all), "start", " class=\"share\"");
    }
    svg += "<polyline points=\"" + points + "\" fill=\"none\" stroke=\"" + kLine + "\" stroke-width=\"2\"/>";
    return svg + "</svg>";
}

TimeAxis AxisOf(const StationFigures& total) {
    TimeAxis axis;
    if (total.lines == 0)
        return axis;
    // The first and last lines need not be the earliest and latest: a clock may have been set back.
    long long earliest = std::min(total.first.utc, total.last.utc), latest = std::max(total.first.utc, total.last.utc);
    for (const std::vector<long long>* instants : {&total.passUtc, &total.failUtc}) {
        for (long long utc : *instants) {
            earliest = std::min(earliest, utc);
            latest = std::max(latest, utc);
        }
    }
    int most = 0;
    for (const auto& offset : total.offsets)
        if (offset.second > most)
            most = offset.second, axis.offsetMinutes = offset.first;
    const long long shift = axis.offsetMinutes * 60LL;
    auto dayOf = [&](long long utc) { return (utc + shift - (utc + shift < 0 ? 86399 : 0)) / 86400; };
    const long long firstDay = dayOf(earliest), days = dayOf(latest) - firstDay + 1;
    axis.start = firstDay * 86400 - shift;
    axis.spanSeconds = days <= 16 ? 3600 : 86400 * ((days + 399) / 400);
    axis.spans = static_cast<int>((days * 86400 + axis.spanSeconds - 1) / axis.spanSeconds);
    return axis;
}

std::vector<int> Spans(const std::vector<long long>& instants, const TimeAxis& axis) {
    std::vector<int> spans(static_cast<size_t>(axis.spans), 0);
    for (long long utc : instants) {
        const long long span = (utc - axis.start) / axis.spanSeconds;
        if (span >= 0 && span < axis.spans)
            ++spans[static_cast<size_t>(span)];
    }
    return spans;
}

int BusiestSpan(const StationFigures& station, const TimeAxis& axis) {
    const std::vector<int> passes = Spans(station.passUtc, axis), failures = Spans(station.failUtc, axis);
    int most = 0;
    for (size_t i = 0; i < passes.size(); ++i)
        most = std::max(most, passes[i] + failures[i]);
    return most;
}

std::string BoardsChart(const StationFigures& station, const TimeAxis& axis, int top) {
    if (axis.spans == 0)
        return std::string();
    const int height = 130;
    const double left = 36, right = kWidth - 8, y0 = 8, plot = height - y0 - 22;
    const long long scale = RoundedUp(top, GridStep(top));
    std::string svg = Open(height, "Boards passed and failed over time at " + Html(station.name)) +
                      Grid(scale, left, right, y0, plot);
    const std::vector<int> passes = Spans(station.passUtc, axis), failures = Spans(station.failUtc, axis);
    const double width = (right - left) / axis.spans;
    const long long firstDay = (axis.start + axis.offsetMinutes * 60LL) / 86400;  // a midnight: no remainder
    for (int i = 0; i < axis.spans; ++i) {
        if (passes[i] + failures[i] == 0)
            continue;
        const double x = left + width * i + (width > 3 ? 0.5 : 0), w = width > 3 ? width - 1 : width;
        const double hp = plot * passes[i] / static_cast<double>(scale);
        const double hf = plot * failures[i] / static_cast<double>(scale);
        const long long since = i * axis.spanSeconds;  // from the first midnight
        const std::string when =
            ShownDay(firstDay + since / 86400) + (axis.spanSeconds < 86400 ? " " + Hour(since % 86400 / 3600) : "");
        const std::string title =
            when + ": " + std::to_string(passes[i]) + " passed, " + std::to_string(failures[i]) + " failed";
        svg += Rect(x, y0 + plot - hp, w, hp, kPass, title);
        if (failures[i] > 0)
            svg += Rect(x, y0 + plot - hp - hf, w, hf, kFail, title);
    }
    // A tick at each midnight (at each span's start when spans are days), labelled with the day where
    // there is room; the hours too over two days or less.
    const long long tickDays = std::max<long long>(1, axis.spanSeconds / 86400);
    const long long ticks = axis.spans * axis.spanSeconds / 86400 / tickDays;
    const double tickWidth = (right - left) / static_cast<double>(ticks);
    const long long labelEvery = static_cast<long long>(90 / tickWidth) + 1;
    for (long long t = 0; t <= ticks; ++t) {
        const double x = left + tickWidth * static_cast<double>(t);
        svg += Line(x, y0, x, y0 + plot + 4, "day");
        if (t < ticks && t % labelEvery == 0)
            svg += Text(x + 3, height - 6, ShownDay(firstDay + t * tickDays), "start");
        for (int hour = 6; ticks <= 2 && tickDays == 1 && t < ticks && hour < 24; hour += 6)
            svg += Text(x + tickWidth * hour / 24, height - 6, Hour(hour), "middle");
    }
    return svg + "</svg>";
}
