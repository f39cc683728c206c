// Parse and build of a full 999-record report with comments, against a plain
// split into lines and join again of the same bytes. Prints the ratio.
#include "entry/ObservationList.h"
#include "entry/ObservationPage.h"
#include "report/Cp932.h"
#include "report/ReportReader.h"
#include "report/ReportWriter.h"
#include "report/TextLines.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

namespace {

std::string largeReport()
{
    selen::Report report = selen::Report::fresh();
    report.placeName = "Kawasaki, Kanagawa, Japan";
    report.emailAddress = "observer@example.org";
    report.representative = "Taro Example";
    report.headerMessage = {"Clear sky all night."};
    report.observations.clear();
    const std::string comment = selen::cp932::fixed("薄雲を通しての観測 thin cloud; star faint near the limb");
    for (int i = 0; i < selen::ObservationItem::kMaxRecords; ++i) {
        char line[128];
        std::snprintf(line, sizeof line, "2024%02d%02d%02d%02d%02d.%02d R%6d  DD   SGG0.04 1         11  +5AA",
                      i % 12 + 1, i % 28 + 1, i % 24, i % 60, (i * 7) % 60, i % 100, 1000 + i);
        selen::ObservationItem item = selen::ObservationItem::fromReportLine(line);
        item.setCommentFromLine("    " + comment);
        report.observations.push_back(item);
    }
    report.renumber();
    report.optionsMessage = {"Telescope 20 cm, video at 30 fps.", "", "Weather: fair."};
    return selen::buildReportText(report);
}

const std::string& reportText()
{
    static const std::string text = largeReport();
    return text;
}

void ParseAndBuild(benchmark::State& state)
{
    for (auto _ : state) {
        selen::ReadReport read = selen::parseReportText(reportText());
        std::string out = selen::buildReportText(read.report);
        benchmark::DoNotOptimize(out);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * reportText().size()));
}
BENCHMARK(ParseAndBuild);

// The least any reader and writer must do: cut the text into lines, copy
// each line out and join them again.
void SplitAndJoinBaseline(benchmark::State& state)
{
    for (auto _ : state) {
        std::vector<std::string> lines;
        for (std::string_view line : selen::splitLines(reportText()))
            lines.emplace_back(line);
        std::string out;
        out.reserve(reportText().size());
        for (const std::string& line : lines) {
            out += line;
            out += "\r\n";
        }
        benchmark::DoNotOptimize(out);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * reportText().size()));
}
BENCHMARK(SplitAndJoinBaseline);

// A field put into the selected record of a full list: the seconds field
// takes a typed value and writes its two columns.
void FieldPutWith999Records(benchmark::State& state)
{
    selen::Report report = selen::parseReportText(reportText()).report;
    selen::ObservationList list(report);
    selen::ObservationPage page(list);
    list.select(500);
    int n = 0;
    for (auto _ : state) {
        page.second.enter(n++ % 2 == 0 ? "12" : "34");
        benchmark::DoNotOptimize(list.selectedRecord());
    }
}
BENCHMARK(FieldPutWith999Records);

// Keeps the console output and remembers each benchmark's time per iteration.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration && run.iterations > 0)
                times[run.benchmark_name()] = run.GetAdjustedRealTime();
        }
    }
    std::map<std::string, double> times;
};

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    auto work = reporter.times.find("ParseAndBuild");
    auto base = reporter.times.find("SplitAndJoinBaseline");
    if (work != reporter.times.end() && base != reporter.times.end() && base->second > 0) {
        std::printf("report of %zu bytes: parse + build takes %.2fx the split-and-join baseline (target <= 3x)\n",
                    reportText().size(), work->second / base->second);
    }
    if (auto put = reporter.times.find("FieldPutWith999Records"); put != reporter.times.end())
        std::printf("a field put with 999 records: %.0f ns (target <= 1000 ns)\n", put->second);
    return 0;
}
