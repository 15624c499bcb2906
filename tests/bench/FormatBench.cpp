// Format against the C library in the same run: swprintf for integer and
// string templates, snprintf for e, f and g. Prints each pair's ratio
// (Format's time over the C library's; below 1 means Format is faster).
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cwchar>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "text/Format.h"

namespace {

constexpr int kValues = 256;

struct Inputs {
    std::vector<int> Ints;
    std::vector<double> Doubles;
    Inputs() {
        std::mt19937 engine(11);
        for (int i = 0; i < kValues; ++i) {
            Ints.push_back(static_cast<int>(engine() >> (engine() % 31)));
            Doubles.push_back(std::ldexp(static_cast<double>(engine()), static_cast<int>(engine() % 80) - 60));
        }
    }
};

const Inputs& Data() {
    static const Inputs inputs;
    return inputs;
}

void FormatIntegers(benchmark::State& state) {
    GString s;
    int i = 0;
    for (auto _ : state) {
        const int v = Data().Ints[i++ % kValues];
        benchmark::DoNotOptimize(Format(s, u"%d items, %5u free, %#x flags, %-8d|", v, v, v, v));
    }
}

void SwprintfIntegers(benchmark::State& state) {
    wchar_t buffer[256];
    int i = 0;
    for (auto _ : state) {
        const int v = Data().Ints[i++ % kValues];
        benchmark::DoNotOptimize(std::swprintf(buffer, 256, L"%d items, %5u free, %#x flags, %-8d|", v, v, v, v));
    }
}

void FormatStrings(benchmark::State& state) {
    GString s;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            Format(s, u"\"%s\\%s\" (%.8s) %-12s|", u"C:\\Program Files", u"Fonetika\\setup.exe", u"keyboard-layout", u"x"));
}

void SwprintfStrings(benchmark::State& state) {
    wchar_t buffer[256];
    for (auto _ : state)
        benchmark::DoNotOptimize(std::swprintf(buffer, 256, L"\"%ls\\%ls\" (%.8ls) %-12ls|", L"C:\\Program Files",
                                               L"Fonetika\\setup.exe", L"keyboard-layout", L"x"));
}

template <const char16_t* kOurs, const char* kTheirs>
struct FloatPair {
    static void Ours(benchmark::State& state) {
        GString s;
        int i = 0;
        for (auto _ : state) benchmark::DoNotOptimize(Format(s, kOurs, Data().Doubles[i++ % kValues]));
    }
    static void Theirs(benchmark::State& state) {
        char buffer[512];
        int i = 0;
        for (auto _ : state)
            benchmark::DoNotOptimize(std::snprintf(buffer, sizeof buffer, kTheirs, Data().Doubles[i++ % kValues]));
    }
};

constexpr char16_t kOursE[] = u"%e", kOursF[] = u"%.3f", kOursG[] = u"%.6g";
constexpr char kTheirsE[] = "%e", kTheirsF[] = "%.3f", kTheirsG[] = "%.6g";

// Keeps each benchmark's time per iteration for the ratios: the median of
// the repetitions when --benchmark_repetitions asks for several.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            const std::string& name = run.run_name.function_name;
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
                times_[name] = run.GetAdjustedRealTime();
                medians_[name] = true;
            } else if (run.run_type == Run::RT_Iteration && !medians_[name]) {
                times_[name] = run.GetAdjustedRealTime();
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
    void PrintRatios() const {
        const char* pairs[][3] = {{"integers", "FormatIntegers", "SwprintfIntegers"},
                                  {"strings", "FormatStrings", "SwprintfStrings"},
                                  {"e", "FormatE", "SnprintfE"},
                                  {"f", "FormatF", "SnprintfF"},
                                  {"g", "FormatG", "SnprintfG"}};
        std::printf("\nFormat / C library, time per call:\n");
        for (const auto& pair : pairs) {
            const auto ours = times_.find(pair[1]), theirs = times_.find(pair[2]);
            if (ours != times_.end() && theirs != times_.end())
                std::printf("  %-9s %.2f\n", pair[0], ours->second / theirs->second);
        }
    }

private:
    std::map<std::string, double> times_;
    std::map<std::string, bool> medians_;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::RegisterBenchmark("FormatIntegers", FormatIntegers);
    benchmark::RegisterBenchmark("SwprintfIntegers", SwprintfIntegers);
    benchmark::RegisterBenchmark("FormatStrings", FormatStrings);
    benchmark::RegisterBenchmark("SwprintfStrings", SwprintfStrings);
    benchmark::RegisterBenchmark("FormatE", FloatPair<kOursE, kTheirsE>::Ours);
    benchmark::RegisterBenchmark("SnprintfE", FloatPair<kOursE, kTheirsE>::Theirs);
    benchmark::RegisterBenchmark("FormatF", FloatPair<kOursF, kTheirsF>::Ours);
    benchmark::RegisterBenchmark("SnprintfF", FloatPair<kOursF, kTheirsF>::Theirs);
    benchmark::RegisterBenchmark("FormatG", FloatPair<kOursG, kTheirsG>::Ours);
    benchmark::RegisterBenchmark("SnprintfG", FloatPair<kOursG, kTheirsG>::Theirs);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios();
    benchmark::Shutdown();
    return 0;
}
