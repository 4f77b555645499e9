// Summaries of repeated timings and the benchmark table's rows: portable, so they are tested natively.
#pragma once

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace bench {

struct Summary {
    double median = 0;
    double min = 0;
    double max = 0;
    size_t count = 0;
};

// The median of an even count is the mean of the two middle samples. No samples give all zeros.
inline Summary Summarize(std::vector<double> samples) {
    Summary summary;
    summary.count = samples.size();
    if (samples.empty())
        return summary;
    std::sort(samples.begin(), samples.end());
    const size_t middle = samples.size() / 2;
    summary.median = samples.size() % 2 ? samples[middle] : (samples[middle - 1] + samples[middle]) / 2;
    summary.min = samples.front();
    summary.max = samples.back();
    return summary;
}

// How many times the baseline the launcher takes; 0 when there is no baseline to compare with.
inline double Ratio(const Summary& launcher, const Summary& baseline) {
    return baseline.median > 0 ? launcher.median / baseline.median : 0;
}

// One compared measurement: the launcher's samples against the bare program's, and the ratio aimed at.
struct Comparison {
    std::string name;
    std::string unit; // printed after each figure, e.g. "ms"
    int decimals = 1; // of each figure
    Summary launcher;
    Summary baseline;
    double goalRatio = 0; // 0: shown for explanation, with no goal
};

// A row without a goal counts as met: it explains, it is not judged.
inline bool GoalMet(const Comparison& comparison) {
    if (comparison.goalRatio <= 0)
        return true;
    const double ratio = Ratio(comparison.launcher, comparison.baseline);
    return ratio > 0 && ratio <= comparison.goalRatio;
}

// "12.3 ms (11.0–15.2)": the median, then the smallest and largest sample.
inline std::string Figures(const Summary& summary, const std::string& unit, int decimals) {
    char text[128];
    std::snprintf(text, sizeof text, "%.*f %s (%.*f–%.*f)", decimals, summary.median, unit.c_str(), decimals,
                  summary.min, decimals, summary.max);
    return text;
}

// | name | launcher | baseline | ratio | goal | met |
inline std::string MarkdownRow(const Comparison& comparison) {
    char ratio[64];
    std::snprintf(ratio, sizeof ratio, "%.2f×", Ratio(comparison.launcher, comparison.baseline));
    char goal[64] = "—";
    const char* met = "—";
    if (comparison.goalRatio > 0) {
        std::snprintf(goal, sizeof goal, "≤ %.2f×", comparison.goalRatio);
        met = GoalMet(comparison) ? "yes" : "**no**";
    }
    return "| " + comparison.name + " | " +
           Figures(comparison.launcher, comparison.unit, comparison.decimals) + " | " +
           Figures(comparison.baseline, comparison.unit, comparison.decimals) + " | " + ratio + " | " + goal +
           " | " + met + " |";
}

inline std::string MarkdownHeader() {
    return "| Measurement | Launcher: median (min–max) | Baseline: median (min–max) | Ratio | Goal | Met |\n"
           "|---|---|---|---|---|---|";
}

} // namespace bench
