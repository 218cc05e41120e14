// How a full run grows past the largest database at hand. The tables of the
// benchmark database are read once and repeated under new names (2, 4 and 8
// times: 800 to 3,200 tables, 24,000 to 96,000 fields); the run gets them as
// if its reader had read them from a file, and everything after the reader
// (import, work store, conversion, source, workbook, writing) runs as for a
// real file. Each round runs in a child process of its own, so that its peak
// memory is its own; the child starts with the parent's pages (the schema
// read once), so the growth over that start is reported beside the peak.
//
//   build/src/bench_larger_schema [FILE.mdb] [RUNS] [class] [TIMES...]
//
// "class" makes class modules with collection classes instead of the
// standard module ("module" keeps the standard module); TIMES are the
// repetitions to run (default 1 2 4 8).
#include "import/schema_import.h"
#include "platform/mdb/schema_reader.h"
#include "run/run_driver.h"
#include "run/startup.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

using namespace schemist;

namespace {

struct Round {
    double wallSeconds = 0;
    double cpuSeconds = 0;
    double startMiB = 0;
    double peakMiB = 0;
};

// Copy n > 1 of a table is named NAME_n.
std::string copyName(const std::string& name, int copy)
{
    return copy > 1 ? name + "_" + std::to_string(copy) : name;
}

// The tables `times` over.
SourceSchema repeated(const SourceSchema& base, int times)
{
    SourceSchema out;
    out.tables.reserve(base.tables.size() * times);
    for (int copy = 1; copy <= times; ++copy)
        for (const SourceTable& table : base.tables) {
            out.tables.push_back(table);
            out.tables.back().name = copyName(table.name, copy);
        }
    return out;
}

double cpuSecondsSoFar()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

double peakMiBSoFar()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

// One run over `times` copies of the tables, into an empty folder.
Round runOnce(const RunSettings& settings, const SourceSchema& base, int times, const std::string& folder)
{
    std::vector<std::string> names;
    for (int copy = 1; copy <= times; ++copy)
        for (const SourceTable& table : base.tables)
            names.push_back(copyName(table.name, copy));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);

    Round round;
    round.startMiB = peakMiBSoFar();
    SchemaReader reader = [&](const std::string&, const SourceReadOptions&) { return repeated(base, times); };
    RunDriver driver(settings, reader);
    RunRequest request;
    request.sourcePath = "big.mdb";
    request.tables = std::move(names);
    request.outputFolder = folder;
    request.outputName = "Big";
    Progress progress;
    const double cpuBefore = cpuSecondsSoFar();
    const auto wallBefore = std::chrono::steady_clock::now();
    RunOutcome outcome = driver.start(request, progress);
    round.wallSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - wallBefore).count();
    round.cpuSeconds = cpuSecondsSoFar() - cpuBefore;
    round.peakMiB = peakMiBSoFar();
    if (!outcome.succeeded) {
        std::fprintf(stderr, "run failed: %s\n", outcome.error.c_str());
        std::exit(1);
    }
    return round;
}

// Runs one round in a child and hands its figures back through a pipe.
Round roundInChild(const RunSettings& settings, const SourceSchema& base, int times, const std::string& folder)
{
    int fds[2];
    if (pipe(fds) != 0)
        std::exit(1);
    std::fflush(stdout);
    pid_t child = fork();
    if (child == 0) {
        close(fds[0]);
        Round round = runOnce(settings, base, times, folder);
        ssize_t written = write(fds[1], &round, sizeof round);
        _exit(written == sizeof round ? 0 : 1);
    }
    close(fds[1]);
    Round round;
    ssize_t got = read(fds[0], &round, sizeof round);
    close(fds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (got != sizeof round || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        std::exit(1);
    return round;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string file = argc > 1 ? argv[1] : SCHEMIST_SOURCE_DIR "/../shared/fixtures/big.mdb";
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
    const bool classRun = argc > 3 && std::strcmp(argv[3], "class") == 0;

    char scratch[] = "/tmp/schemist-bench-XXXXXX";
    if (!mkdtemp(scratch))
        return 1;
    const std::string home = scratch;
    StartupState state = Startup([&](const std::string& name) -> std::optional<std::string> {
        if (name == "HOME" || name == "XDG_DOCUMENTS_DIR")
            return home;
        return std::nullopt;
    });
    if (state.storeProblem) {
        std::fprintf(stderr, "%s\n", state.storeProblem->c_str());
        return 1;
    }
    RunSettings settings = state.settings;
    if (classRun) {
        settings.ModuleKind = ModuleKind::ClassModules;
        settings.CollectionFlag = kTrue;
    }
    SourceSchema read = readSourceSchema(file, SourceReadOptions{});
    SourceSchema base;  // the local tables, as a run selects them
    for (const std::string& name : localTableNames(read))
        for (SourceTable& table : read.tables)
            if (table.name == name)
                base.tables.push_back(std::move(table));
    read = SourceSchema();

    std::printf("%-8s %8s %8s %8s %10s %10s %14s %14s\n", "tables", "fields", "wall_s", "cpu_s", "start_MiB",
                "peak_MiB", "cpu_ms/table", "KiB/table");
    std::size_t fieldsPerCopy = 0;
    for (const SourceTable& table : base.tables)
        fieldsPerCopy += table.fields.size();
    std::vector<int> repetitions;
    for (int i = 4; i < argc; ++i)
        repetitions.push_back(std::max(1, std::atoi(argv[i])));
    if (repetitions.empty())
        repetitions = {1, 2, 4, 8};
    for (int times : repetitions) {
        std::vector<double> wall, cpu, start, peak;
        for (int i = 0; i < runs; ++i) {
            Round round = roundInChild(settings, base, times, home + "/out");
            wall.push_back(round.wallSeconds);
            cpu.push_back(round.cpuSeconds);
            start.push_back(round.startMiB);
            peak.push_back(round.peakMiB);
        }
        const std::size_t tables = base.tables.size() * times;
        std::printf("%-8zu %8zu %8.2f %8.2f %10.1f %10.1f %14.3f %14.1f\n", tables, fieldsPerCopy * times,
                    median(wall), median(cpu), median(start), median(peak), median(cpu) * 1000 / tables,
                    (median(peak) - median(start)) * 1024 / tables);
    }
    std::filesystem::remove_all(home);
    return 0;
}
