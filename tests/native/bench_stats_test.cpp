#include "bench/sample_stats.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(BenchSummarize, MedianMinAndMaxOfUnsortedSamples) {
    const struct {
        const char* Name;
        std::vector<double> Samples;
        double Median, Min, Max;
    } rows[] = {
        {"none", {}, 0, 0, 0},
        {"one", {7.5}, 7.5, 7.5, 7.5},
        {"odd count", {30, 10, 20}, 20, 10, 30},
        {"even count: mean of the middle two", {4, 1, 3, 2}, 2.5, 1, 4},
        {"outlier does not move the median", {100, 101, 99, 5000, 100}, 100, 99, 5000},
        {"repeated values", {3, 3, 1, 3}, 3, 1, 3},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        const bench::Summary summary = bench::Summarize(row.Samples);
        EXPECT_DOUBLE_EQ(summary.median, row.Median);
        EXPECT_DOUBLE_EQ(summary.min, row.Min);
        EXPECT_DOUBLE_EQ(summary.max, row.Max);
        EXPECT_EQ(summary.count, row.Samples.size());
    }
}

bench::Comparison Comparing(double launcherMedian, double baselineMedian, double goal) {
    bench::Comparison comparison;
    comparison.name = "Start";
    comparison.unit = "ms";
    comparison.launcher = bench::Summarize({launcherMedian});
    comparison.baseline = bench::Summarize({baselineMedian});
    comparison.goalRatio = goal;
    return comparison;
}

TEST(BenchGoal, RatioAgainstTheGoal) {
    const struct {
        const char* Name;
        double Launcher, Baseline, Goal;
        bool Met;
    } rows[] = {
        {"faster than the baseline", 90, 100, 1.10, true},
        {"exactly at the goal", 110, 100, 1.10, true},
        {"just over the goal", 110.1, 100, 1.10, false},
        {"far over", 300, 100, 1.20, false},
        {"no baseline measured is never met", 50, 0, 1.10, false},
        {"a row without a goal only explains", 300, 100, 0, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(bench::GoalMet(Comparing(row.Launcher, row.Baseline, row.Goal)), row.Met);
    }
    EXPECT_DOUBLE_EQ(bench::Ratio(bench::Summarize({150}), bench::Summarize({100})), 1.5);
    EXPECT_DOUBLE_EQ(bench::Ratio(bench::Summarize({150}), bench::Summarize({})), 0);
}

TEST(BenchTable, RowsByteForByte) {
    bench::Comparison timed;
    timed.name = "Process start";
    timed.unit = "ms";
    timed.decimals = 1;
    timed.launcher = bench::Summarize({212.34, 200.0, 250.55});
    timed.baseline = bench::Summarize({100.0, 110.0, 90.0, 105.0});
    timed.goalRatio = 1.10;
    EXPECT_EQ(bench::MarkdownRow(timed),
              "| Process start | 212.3 ms (200.0–250.6) | 102.5 ms (90.0–110.0) | 2.07× | "
              "≤ 1.10× | **no** |");

    bench::Comparison memory = timed;
    memory.name = "Peak working set";
    memory.unit = "KiB";
    memory.decimals = 0;
    memory.launcher = bench::Summarize({20000, 20480});
    memory.baseline = bench::Summarize({19000});
    memory.goalRatio = 1.20;
    EXPECT_EQ(
        bench::MarkdownRow(memory),
        "| Peak working set | 20240 KiB (20000–20480) | 19000 KiB (19000–19000) | 1.07× | ≤ 1.20× | yes |");

    memory.goalRatio = 0;
    EXPECT_EQ(bench::MarkdownRow(memory),
              "| Peak working set | 20240 KiB (20000–20480) | 19000 KiB (19000–19000) | 1.07× | — | — |");
}

} // namespace
