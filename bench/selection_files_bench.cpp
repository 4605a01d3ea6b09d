// A whole fan selection with all its files (the command with a front end that answers the chooser
// and starts no plotter) against the bare operating-point search it is built round. The files
// should cost at most as much again as the search. The working directory lies in TMPDIR: on a
// disk file system each replaced file may wait for the disk, so compare CPU times there, or run
// with TMPDIR=/dev/shm.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "commands/commands.h"
#include "model/operating_point.h"
#include "output/storage/working_dir.h"

namespace fs = std::filesystem;

namespace {

constexpr int32_t kFan = 19;  // CORVA-4 at 730 1/min, with both silencer variants

// The ten-storey block of the examples: typed density 1.2, round duct 0.315 m of galvanised
// steel, rectangular grilles 0.2 x 0.25 m with loss coefficient 2.5.
CalcRecord BlockRecord()
{
    CalcRecord record;
    ResetCalcRecord(record);
    FileProblems problems;
    const ValueFileTarget nowhere{"", false};
    const auto confirm = [&](DialogId dialog, std::vector<std::string> edits, int choice) {
        DialogInput input;
        input.Edits = std::move(edits);
        input.Choice = choice;
        if (!ConfirmDialog(dialog, input, record, nowhere, problems).Accepted)
            std::abort();
    };
    confirm(DialogId::OKBottomDlg, {"1.2"}, 0);
    confirm(DialogId::Form4, {"0.315"}, 0);
    confirm(DialogId::OKBottomDlg33333, {}, 0);
    confirm(DialogId::Form22, {"3", "10", "0.2", "0.25", "2.5"}, 0);
    record.DensitySource = kDensityTyped;
    record.DuctShape = kRoundDuct;
    record.InstallationKind = kRectangularGrille;
    return record;
}

// Confirms the chooser with the benchmark's fan and does nothing else.
class ChooserOnly final : public FrontEnd {
public:
    explicit ChooserOnly(CalcRecord& record) : record_(record) {}
    bool ShowDialog(DialogId dialog) override
    {
        DialogInput input;
        input.Choice = kFan;
        FileProblems problems;
        return ConfirmDialog(dialog, input, record_, ValueFileTarget{"", false}, problems).Accepted;
    }
    void ShowMessage(const std::string&, const std::string&) override { std::abort(); }
    bool StartPlotter(const std::string&) override { return false; }
    void Repaint() override {}

private:
    CalcRecord& record_;
};

// A fresh working directory with "wykresy", removed when the benchmark ends.
class WorkingDirectory {
public:
    WorkingDirectory()
        : path_((fs::temp_directory_path() / ("went_char_bench_" + std::to_string(std::random_device{}()))).string())
    {
        fs::create_directories(path_);
        FileProblems problems;
        PrepareWorkingDirectory(path_, problems);
        if (!problems.Empty())
            std::abort();
    }
    ~WorkingDirectory() { fs::remove_all(path_); }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

void SelectionWithFiles(benchmark::State& state)
{
    const WorkingDirectory dir;
    CalcRecord record = BlockRecord();
    ChooserOnly ui(record);
    for (auto _ : state) {
        Session session{record, dir.Path(), ui, {}};
        if (commands::SelectFanOnly(session) != CommandResult::Done)
            state.SkipWithError("the fan has no operating point");
        benchmark::DoNotOptimize(record.FanFlow);
    }
}
BENCHMARK(SelectionWithFiles)->Unit(benchmark::kMillisecond);

void BareSearch(benchmark::State& state)
{
    const CalcRecord record = BlockRecord();
    const FanEntry& entry = *LookupFan(kFan);
    const NetworkModel network = BuildNetwork(record, entry.ConnectionDiameter);
    const FanScales scales = ComputeScales(entry, record.AirDensity, record.StoreyCount);
    for (auto _ : state) {
        const OperatingPoint point = FindOperatingPoint(entry, network, scales, record.AirDensity);
        if (!point.Found)
            state.SkipWithError("the fan has no operating point");
        benchmark::DoNotOptimize(point);
    }
}
BENCHMARK(BareSearch)->Unit(benchmark::kMillisecond);

}  // namespace
