// torve-bench: measures the game's hot paths and prints one table, each figure beside what it
// is compared with. Run by `make bench` in the built game folder under a private X server.
//
//   torve-bench [--game DIR] [--replays DIR] [--sim PATH] [--keep] [--micro] [benchmark flags]
//
// --micro runs only the query, eraser and mask benchmarks; --keep leaves the prepared game folder (levels, scripts) in place for a look with torve-sim.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "BenchLevels.h"
#include "GameBench.h"
#include "Spawn.h"
#include "TerrainBench.h"
#include "platform/LargeBlocks.h"
#include "platform/WriteQueue.h"

namespace fs = std::filesystem;

namespace {

// Keeps the medians of the repeated runs, in nanoseconds, by benchmark name.
class Collector : public benchmark::BenchmarkReporter {
public:
    bool ReportContext(const Context&) override { return true; }
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Aggregate || run.aggregate_name != "median") continue;
            medians[run.run_name.function_name] = run.GetAdjustedRealTime();
        }
    }
    std::map<std::string, double> medians;
};

struct Row {
    std::string what, compared, now, ratio, target, met;
};

std::string fixed(double v, int digits) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", digits, v);
    return text;
}

std::string microseconds(double ns) { return fixed(ns / 1000, ns < 10'000 ? 2 : 1) + " us"; }
std::string milliseconds(double ms) { return fixed(ms, ms < 10 ? 3 : 1) + " ms"; }
std::string megabytes(long kb) { return fixed(static_cast<double>(kb) / 1024, 1) + " MB"; }
const char* yesNo(bool ok) { return ok ? "yes" : "NO"; }

void printTable(const std::vector<Row>& rows) {
    const Row head{"measure", "compared with", "now", "ratio", "target", "met"};
    size_t width[6] = {};
    const auto widen = [&width](const Row& r) {
        const std::string* cells[] = {&r.what, &r.compared, &r.now, &r.ratio, &r.target, &r.met};
        for (int i = 0; i < 6; ++i) width[i] = std::max(width[i], cells[i]->size());
    };
    widen(head);
    for (const Row& r : rows) widen(r);
    const auto line = [&width](const Row& r) {
        const std::string* cells[] = {&r.what, &r.compared, &r.now, &r.ratio, &r.target, &r.met};
        std::string out = "|";
        for (int i = 0; i < 6; ++i) out += " " + *cells[i] + std::string(width[i] - cells[i]->size(), ' ') + " |";
        std::cout << out << "\n";
    };
    line(head);
    std::string rule = "|";
    for (size_t w : width) rule += std::string(w + 2, '-') + "|";
    std::cout << rule << "\n";
    for (const Row& r : rows) line(r);
}

std::vector<double> numbers(const std::string& text) {
    std::istringstream in(text);
    std::vector<double> values;
    for (double v; in >> v;) values.push_back(v);
    return values;
}

// The median over a few fresh processes of one child mode's first figure.
double childMedian(const std::vector<std::string>& args, int runs, bool untilReady) {
    std::vector<double> values;
    for (int i = 0; i < runs; ++i) {
        const ChildRun run = runChild(args);
        if (untilReady && run.out.rfind("ready", 0) == 0) values.push_back(run.readySeconds * 1000);
        else if (!untilReady && !numbers(run.out).empty()) values.push_back(numbers(run.out)[0]);
    }
    return values.empty() ? -1 : summarise(values).median;
}

}  // namespace

int main(int argc, char** argv) {
    returnLargeBlocksToTheSystem();
    const fs::path exeDir = fs::path(selfPath()).parent_path();
    std::string gameDir = (exeDir / "game").string(), replayDir = (exeDir / ".." / "tests" / "replays").string();
    std::string simExe = (exeDir / "torve-sim").string();
    std::vector<char*> rest{argv[0]};
    std::vector<std::string> child;
    bool keep = false, micro = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--game" && i + 1 < argc) gameDir = argv[++i];
        else if (arg == "--replays" && i + 1 < argc) replayDir = argv[++i];
        else if (arg == "--sim" && i + 1 < argc) simExe = argv[++i];
        else if (arg == "--keep") keep = true;
        else if (arg == "--micro") micro = true;
        else if (arg == "--child") {
            while (++i < argc) child.push_back(argv[i]);
        } else {
            rest.push_back(argv[i]);
        }
    }
    // As the game writes its saves.
    WriteQueue::start();
    // Child modes run inside the folder the parent prepared, which is their working directory.
    if (!child.empty()) {
        const auto level = [&child]() {
            std::ifstream in(child.at(2));
            std::string error;
            return BenchLevel{child.at(1), child.at(2), parseInputScript(in, error).value_or(InputScript{})};
        };
        if (child[0] == "startup") return childStartup();
        if (child[0] == "cold") return childColdChange(child.at(1));
        if (child[0] == "restarts") return childRestarts(level(), 100);
        if (child[0] == "upload") return childUpload();
        if (child[0] == "editor") return childEditor();
        if (child[0] == "replays") return childReplays(level(), child.size() > 3 ? std::atoi(child[3].c_str()) : 50);
        std::cerr << "torve-bench: unknown child mode " << child[0] << "\n";
        return 2;
    }

    const BenchSetup setup = prepareBench(gameDir, replayDir, simExe);
    std::cerr << "torve-bench: measuring in " << setup.folder << " (about half a minute)\n";
    std::vector<Row> rows;
    constexpr double kFrameBudgetMs = 1000.0 / 60;

    // Whole frames on every level; the heaviest one is the one with the slowest median.
    const BenchLevel* heaviest = &setup.levels[0];
    Timings heaviestFrames;
    // Of three plays: the median of medians and of p99s, the worst frame of all; and the frames
    // the system preempted, with the worst of them.
    std::vector<std::pair<std::string, Timings>> frames;
    std::vector<Timings> preemptedFrames;
    for (const BenchLevel& level : setup.levels) {
        if (micro) break;
        std::vector<double> medians, p99s;
        Timings best, preempted;
        for (int run = 0; run < 3; ++run) {
            const FrameTimings t = measureFrames(level);
            medians.push_back(t.own.median);
            p99s.push_back(t.own.p99);
            best.worst = std::max(best.worst, t.own.worst);
            preempted.samples += t.preempted.samples;
            preempted.worst = std::max(preempted.worst, t.preempted.worst);
        }
        best.median = summarise(medians).median;
        best.p99 = summarise(p99s).median;
        frames.push_back({level.name, best});
        preemptedFrames.push_back(preempted);
        if (best.median >= heaviestFrames.median) {
            heaviestFrames = best;
            heaviest = &level;
        }
    }

    registerTerrainBenchmarks(heaviest->name);
    std::vector<char*> benchArgs = rest;
    std::string repetitions = "--benchmark_repetitions=5", aggregates = "--benchmark_report_aggregates_only=true";
    std::string minTime = "--benchmark_min_time=0.1";
    benchArgs.insert(benchArgs.begin() + 1, {repetitions.data(), aggregates.data(), minTime.data()});
    int benchArgc = static_cast<int>(benchArgs.size());
    benchmark::Initialize(&benchArgc, benchArgs.data());
    Collector collector;
    benchmark::RunSpecifiedBenchmarks(&collector);
    const auto ns = [&collector](const std::string& name) {
        const auto it = collector.medians.find(name);
        return it == collector.medians.end() ? -1.0 : it->second;
    };

    const std::string where = setup.standIn ? " (stand-in level)" : " (" + heaviest->name + ")";
    for (const char* rule : {"box", "circle"}) {
        for (const char* size : {"player", "boomerang", "platform"}) {
            const double plain = ns(std::string("query/") + rule + "/" + size + "/plain");
            const double now = ns(std::string("query/") + rule + "/" + size + "/engine");
            if (plain < 0 || now < 0) continue;
            const bool box = std::strcmp(rule, "box") == 0;
            rows.push_back({std::string(rule) + " query, " + size + where, microseconds(plain) + " plain",
                            microseconds(now), fixed(plain / now, 1) + "x", box ? ">= 10x" : "-",
                            box ? yesNo(plain / now >= 10) : "-"});
        }
    }
    for (const char* mode : {"boomerang", "arrow"}) {
        const double plain = ns(std::string("erase/") + mode + "/plain"), now = ns(std::string("erase/") + mode + "/engine");
        if (plain < 0 || now < 0) continue;
        rows.push_back({std::string("eraser pass, ") + mode + (std::strcmp(mode, "arrow") ? " r50" : " r20"),
                        microseconds(plain) + " plain", microseconds(now), fixed(plain / now, 1) + "x", "-", "-"});
    }
    if (ns("mask/build/1600x160") > 0)
        rows.push_back({"solidity mask build, 1600x160 picture", "-", microseconds(ns("mask/build/1600x160")), "-", "-", "-"});

    constexpr double kWorstFrameMs = 2;
    for (size_t i = 0; i < frames.size(); ++i) {
        const auto& [name, t] = frames[i];
        const bool isHeaviest = name == heaviest->name;
        rows.push_back({"frame, median / p99 / worst, " + name, "16.7 ms budget",
                        milliseconds(t.median) + " / " + milliseconds(t.p99) + " / " + milliseconds(t.worst),
                        fixed(100 * t.median / kFrameBudgetMs, 2) + " %",
                        std::string(isHeaviest ? "< 2 % (heaviest), " : "") + "worst < 2 ms",
                        yesNo((!isHeaviest || t.median < 0.02 * kFrameBudgetMs) && t.worst < kWorstFrameMs)});
        rows.push_back({"  frames preempted by the system, worst", "-",
                        std::to_string(preemptedFrames[i].samples) + ", " + milliseconds(preemptedFrames[i].worst), "-", "-",
                        "-"});
    }

    if (micro) {
        printTable(rows);
        if (!keep) fs::remove_all(setup.folder);
        return 0;
    }
    const std::string self = selfPath();
    const double cold = childMedian({self, "--child", "cold", heaviest->name}, 5, false);
    const WarmChanges warm = measureWarmChanges(*heaviest, 30);
    rows.push_back({"level change, cold (first load)", "-", milliseconds(cold), "-", "-", "-"});
    rows.push_back({"level change, warm restart, median / worst", "cold " + milliseconds(cold),
                    milliseconds(warm.whole.median) + " / " + milliseconds(warm.whole.worst),
                    fixed(cold / warm.whole.median, 1) + "x", "< 50 ms", yesNo(warm.whole.median < 50)});
    rows.push_back({"  of which the objects (LevelObjectSet::load)", "-",
                    milliseconds(warm.objects.median) + " / " + milliseconds(warm.objects.worst), "-", "-", "-"});

    const double startup = childMedian({self, "--child", "startup"}, 5, true);
    const char* startWindow = std::getenv("DISPLAY") ? "start-up to first frame (real window)" : "start-up to first frame (headless)";
    rows.push_back({startWindow, "-", milliseconds(startup), "-", "< 1000 ms", yesNo(startup >= 0 && startup < 1000)});

    const ChildRun upload = runChild({self, "--child", "upload"});
    const std::vector<double> up = numbers(upload.out);
    if (up.size() == 5) {
        // The draw call also draws the picture; drawing it unchanged costs `idle`.
        const double idle = up[4], pass = std::max(up[1] - idle, 0.001), whole = up[3] - idle;
        rows.push_back({"texture upload per eraser pass, bytes", fixed(up[2] / 1e6, 1) + " MB whole 2048^2",
                        fixed(up[0] / 1e3, 1) + " kB", fixed(up[2] / up[0], 0) + "x", ">= 20x", yesNo(up[2] / up[0] >= 20)});
        rows.push_back({"texture upload per eraser pass, time", milliseconds(whole) + " whole 2048^2",
                        milliseconds(pass), fixed(whole / pass, 1) + "x", ">= 20x", yesNo(whole / pass >= 20)});
        rows.push_back({"  drawing the picture unchanged (subtracted above)", "-", milliseconds(idle), "-", "-", "-"});
    } else {
        rows.push_back({"texture upload per eraser pass", "-", "needs a display", "-", ">= 20x", "-"});
    }

    const std::vector<double> edit = numbers(runChild({self, "--child", "editor"}).out);
    if (edit.size() == 6) {
        rows.push_back({std::string("editor frame, 500 objects at ") + fixed(100 * edit[2], 0) + " %, a stroke a frame" +
                            (std::getenv("DISPLAY") ? "" : " (headless)"),
                        "-", milliseconds(edit[0]) + " median, " + milliseconds(edit[1]) + " worst", "-", "< 4 ms",
                        yesNo(edit[0] < 4)});
        rows.push_back({"  the same with the window's display", "-", milliseconds(edit[3]) + " median", "-", "-", "-"});
        rows.push_back({"editor frame panning over them", "-", milliseconds(edit[4]) + " median, " + milliseconds(edit[5]) + " worst",
                        "-", "< 16 ms", yesNo(edit[4] < 16)});
    }

    // A child started from this large process inherits its peak in the kernel's account
    // (ru_maxrss), so the replays are measured by /usr/bin/time, which starts them afresh.
    long peak = 0;
    std::string peakLevel;
    const bool timeTool = fs::exists("/usr/bin/time");
    for (const BenchLevel& level : setup.levels) {
        if (!timeTool) break;
        WriteQueue::waitForWrites();
        fs::remove("save.save");  // each replay starts its level from the beginning
        const ChildRun sim = runChild({"/usr/bin/time", "-f", "%M", "-o", "replay-rss.txt", setup.simExe, "--level",
                                       level.name, "--input", level.scriptPath});
        std::ifstream rss("replay-rss.txt");
        long kb = 0;
        if (sim.status == 0 && rss >> kb && kb > peak) {
            peak = kb;
            peakLevel = level.name;
        }
    }
    rows.push_back({std::string("peak memory, torve-sim ") + (setup.standIn ? "stand-in run" : "replays, highest: " + peakLevel),
                    "-", timeTool ? megabytes(peak) : "needs /usr/bin/time", "-", "stated", "-"});
    const ChildRun restarts = runChild({self, "--child", "restarts", heaviest->name, heaviest->scriptPath});
    const std::vector<double> rss = numbers(restarts.out);
    if (rss.size() == 4) {
        const double growth = rss[2] - rss[0];
        rows.push_back({"resident memory after restart 1 / 10 / 100", "-",
                        megabytes(static_cast<long>(rss[0])) + " / " + megabytes(static_cast<long>(rss[1])) + " / " +
                            megabytes(static_cast<long>(rss[2])),
                        "+" + megabytes(static_cast<long>(growth)), "flat", yesNo(growth < 0.02 * rss[0])});
    }

    printTable(rows);
    std::cout << "Medians of repeated runs on a shared machine; single figures move by 10-30 % between runs.\n";
    if (setup.standIn) std::cout << "No level with a replay is shipped yet: the stand-in level of bench/BenchLevels.cpp was used.\n";
    fs::current_path(exeDir);
    if (!keep) fs::remove_all(setup.folder);
    return 0;
}
