// Start-up of the whole program against a minimal Qt window (both as
// processes, offscreen), and a page change with 999 records in the window.
#include "../tests/editor/EditorFakes.h"

#include "report/ReportWriter.h"
#include "shell/MainWindow.h"

#include <QApplication>
#include <QLineEdit>
#include <QTabWidget>

#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/wait.h>

#include <cstdio>
#include <map>
#include <string>

extern char** environ;

#define ASSERT_TRUE_OR_SKIP(condition)                     \
    if (!(condition)) {                                     \
        state.SkipWithError("could not prepare: " #condition); \
        return;                                             \
    }

namespace {

std::string probeFolder;

void runProcess(benchmark::State& state, const std::string& program)
{
    const std::string path = probeFolder + "/" + program;
    for (auto _ : state) {
        pid_t pid = 0;
        char* argv[] = {const_cast<char*>(path.c_str()), nullptr};
        if (posix_spawn(&pid, path.c_str(), nullptr, nullptr, argv, environ) != 0) {
            state.SkipWithError("cannot start the probe");
            return;
        }
        int status = 0;
        waitpid(pid, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("the probe failed");
            return;
        }
    }
}

void SelenStartup(benchmark::State& state) { runProcess(state, "startup_probe"); }
void MinimalWindowStartup(benchmark::State& state) { runProcess(state, "minimal_window_probe"); }
BENCHMARK(SelenStartup)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(MinimalWindowStartup)->Unit(benchmark::kMillisecond)->Iterations(10);

// Switching between the header and the site page rebuilds the whole report
// text of 999 records and shows it in the output editor. A header field
// changes before each switch, so the editor really gets a new text.
void PageChangeWith999Records(benchmark::State& state)
{
    using namespace selen;
    test::SessionFixture f;
    std::vector<ObservationItem> records;
    for (int i = 0; i < ObservationItem::kMaxRecords; ++i)
        records.push_back(test::fullRecord(i));
    f.files.files["/r.LOR"] = buildReportText(test::reportWith(records));
    shell::MainWindow window(f.session);
    window.show();
    f.dialogs.openNames = {"/r.LOR"};
    f.session.openReport();
    QApplication::processEvents();
    int page = 1;
    for (auto _ : state) {
        state.PauseTiming();
        f.session.header.representative.enter(page == 1 ? "Taro Tsukimi" : "Hanako Tsukimi");
        state.ResumeTiming();
        page = page == 1 ? 2 : 1;
        window.pages()->setCurrentIndex(page);
        QApplication::processEvents();
    }
}
BENCHMARK(PageChangeWith999Records)->Unit(benchmark::kMillisecond);

// Typing one character into the seconds field of the observation page: the
// put into the selected record and the repaint of its one row. A fixed count
// of keystrokes, so that the two report sizes are compared like for like.
void TypeIntoSeconds(benchmark::State& state)
{
    using namespace selen;
    test::SessionFixture f;
    std::vector<ObservationItem> records;
    for (int i = 0; i < state.range(0); ++i)
        records.push_back(test::fullRecord(i));
    f.files.files["/r.LOR"] = buildReportText(test::reportWith(records));
    ASSERT_TRUE_OR_SKIP(f.settings.write("Page", "CurrentPage", "3"));
    shell::MainWindow window(f.session);
    window.show();
    f.dialogs.openNames = {"/r.LOR"};
    f.session.openReport();
    auto* seconds = window.findChild<QLineEdit*>(QStringLiteral("Edit28"));
    QApplication::processEvents();
    int n = 0;
    for (auto _ : state) {
        seconds->setText(QString::number(10 + n++ % 40));
        emit seconds->textEdited(seconds->text());
        QApplication::processEvents();
    }
}
BENCHMARK(TypeIntoSeconds)->Arg(1)->Arg(999)->Unit(benchmark::kMicrosecond)->Iterations(300);

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            times[run.benchmark_name()] = run.GetAdjustedRealTime();
            cpuTimes[run.benchmark_name()] = run.GetAdjustedCPUTime();
        }
    }
    std::map<std::string, double> times;
    std::map<std::string, double> cpuTimes;
};

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    probeFolder = QCoreApplication::applicationDirPath().toStdString();
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    auto value = [&](const char* name, bool cpu = false) {
        for (const auto& [key, time] : cpu ? reporter.cpuTimes : reporter.times)
            if (key.rfind(name, 0) == 0)
                return time;
        return 0.0;
    };
    if (value("MinimalWindowStartup") > 0)
        std::printf("start-up: %.2fx a minimal Qt window (target <= 2x)\n",
                    value("SelenStartup") / value("MinimalWindowStartup"));
    std::printf("page change with 999 records: %.1f ms (target <= 20 ms)\n", value("PageChangeWith999Records"));
    const double one = value("TypeIntoSeconds/1/", true), many = value("TypeIntoSeconds/999/", true);
    std::printf("typing a character into the seconds field: %.0f us CPU with 1 record, %.0f us with 999, ratio %.2f "
                "(targets <= 250 us and <= 1.3x)\n",
                one, many, one > 0 ? many / one : 0.0);
    return 0;
}
