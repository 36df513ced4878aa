// Benchmarks: compiling formulas, building and recalculating a long chain
// listed in natural and in worst order, and many sums over one long column,
// recalculated whole and after one of its cells changed.
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

#include "Abacine.h"

namespace {

// Fields 1..n named "f<id>" holding numbers; cells 20001..21000 form a column.
struct BenchHost {
    std::vector<double> values = std::vector<double>(65536, 1.0);
    std::vector<char> upToDate = std::vector<char>(65536, 1);
    uint32_t column = (20001u << 16) | 21000u;
};

uint16_t Callback(void* context, uint16_t code, uintptr_t a, uintptr_t b)
{
    BenchHost& host = *static_cast<BenchHost*>(context);
    const uint16_t id = static_cast<uint16_t>(a);
    switch (code) {
    case abacine::kFieldByName: {
        const char* name = reinterpret_cast<const char*>(a);
        if (name[0] != 'f')
            return 0;
        *reinterpret_cast<uint16_t*>(b) = static_cast<uint16_t>(std::atoi(name + 1));
        return 1;
    }
    case abacine::kRangeByName:
        if (std::strcmp(reinterpret_cast<const char*>(a), "COL") != 0)
            return 0;
        *reinterpret_cast<uint32_t*>(b) = host.column;
        return 1;
    case abacine::kFieldExists:
    case abacine::kRangeValid:
    case abacine::kRangeUpToDate:
        return 1;
    case abacine::kFieldUpToDate:
        return host.upToDate[id];
    case abacine::kSetUpToDate:
        host.upToDate[id] = static_cast<char>(b);
        return 0;
    case abacine::kRangeFirst:
        return static_cast<uint16_t>(a >> 16);
    case abacine::kRangeNext:
        return b < (a & 0xFFFF) ? static_cast<uint16_t>(b + 1) : 0;
    case abacine::kFieldClass:
        return 1;
    case abacine::kFieldValue: {
        OPERAND* op = reinterpret_cast<OPERAND*>(b);
        op->nType = 1;
        op->dNumber = host.values[id];
        return 0;
    }
    case abacine::kStoreResult:
        host.values[id] = reinterpret_cast<const OPERAND*>(b)->dNumber;
        return 0;
    default:
        return 0;
    }
}

void CompileTenThousand(benchmark::State& state)
{
    BenchHost host;
    for (auto _ : state) {
        FORMULA_SET set(&host, &Callback);
        char error[200];
        for (int i = 1; i <= 10000; ++i) {
            std::string text = "f";
            text += std::to_string(30000 + i % 100);
            text += " * 2 + ROUND(f";
            text += std::to_string(30100 + i % 50);
            text += " / 3, 2)";
            if (!set.AddFormula(static_cast<uint16_t>(i), text.c_str(), error))
                state.SkipWithError(error);
        }
        benchmark::DoNotOptimize(set.formulas.Count());
    }
}
BENCHMARK(CompileTenThousand)->Unit(benchmark::kMillisecond);

// A chain of 10,000 formulas: field 100 holds a number, and field i (101 to
// 10100) reads field i-1. Listed in natural order each formula follows the one
// it reads; in the worst order the list runs last first.
constexpr int kChainInput = 100;
constexpr int kChainLength = 10000;

void AddChain(FORMULA_SET& set, bool worstOrder, benchmark::State& state)
{
    char error[200];
    for (int n = 0; n < kChainLength; ++n) {
        const int i = worstOrder ? kChainInput + kChainLength - n : kChainInput + 1 + n;
        std::string text = "f";
        text += std::to_string(i - 1);
        text += "+1";
        if (!set.AddFormula(static_cast<uint16_t>(i), text.c_str(), error)) {
            state.SkipWithError(error);
            return;
        }
    }
}

void CheckChain(const BenchHost& host, benchmark::State& state)
{
    if (host.values[kChainInput + kChainLength] != host.values[kChainInput] + kChainLength)
        state.SkipWithError("chain gave a wrong result");
}

void BuildChain(benchmark::State& state, bool worstOrder)
{
    BenchHost host;
    for (auto _ : state) {
        FORMULA_SET set(&host, &Callback);
        AddChain(set, worstOrder, state);
        benchmark::DoNotOptimize(set.formulas.Count());
    }
}
BENCHMARK_CAPTURE(BuildChain, natural, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BuildChain, worst, true)->Unit(benchmark::kMillisecond);

// Every formula out of date, then Calculate(0).
void RecalculateChain(benchmark::State& state, bool worstOrder)
{
    BenchHost host;
    FORMULA_SET set(&host, &Callback);
    AddChain(set, worstOrder, state);
    for (auto _ : state) {
        set.SetAllOutOfDate();
        set.Calculate(0);
    }
    CheckChain(host, state);
}
BENCHMARK_CAPTURE(RecalculateChain, natural, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RecalculateChain, worst, true)->Unit(benchmark::kMillisecond);

// The chain's input changes: its dependants are marked, then Calculate(0).
void ChangeChainInput(benchmark::State& state, bool worstOrder)
{
    BenchHost host;
    FORMULA_SET set(&host, &Callback);
    AddChain(set, worstOrder, state);
    for (auto _ : state) {
        host.values[kChainInput] += 1;
        set.SetFieldDependantsOOD(kChainInput);
        set.Calculate(0);
    }
    CheckChain(host, state);
}
BENCHMARK_CAPTURE(ChangeChainInput, natural, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ChangeChainInput, worst, true)->Unit(benchmark::kMillisecond);

void ThousandSumsOverAColumn(benchmark::State& state)
{
    BenchHost host;
    FORMULA_SET set(&host, &Callback);
    char error[200];
    for (int i = 1; i <= 1000; ++i)
        set.AddFormula(static_cast<uint16_t>(40000 + i), "SUM(COL)", error);
    for (auto _ : state) {
        set.SetAllOutOfDate();
        set.Calculate(0);
    }
    if (host.values[40001] != 1000)
        state.SkipWithError("sum gave a wrong result");
}
BENCHMARK(ThousandSumsOverAColumn)->Unit(benchmark::kMillisecond);

// As HyperFormula is timed: one cell of the column changes, its dependants
// are marked, then Calculate(0).
void ChangeACellUnderAThousandSums(benchmark::State& state)
{
    BenchHost host;
    FORMULA_SET set(&host, &Callback);
    char error[200];
    for (int i = 1; i <= 1000; ++i)
        set.AddFormula(static_cast<uint16_t>(40000 + i), "SUM(COL)", error);
    set.Calculate(0);
    for (auto _ : state) {
        host.values[20001] += 1;
        set.SetFieldDependantsOOD(20001);
        set.Calculate(0);
    }
    if (host.values[40001] != 999 + host.values[20001])
        state.SkipWithError("sum gave a wrong result");
}
BENCHMARK(ChangeACellUnderAThousandSums)->Unit(benchmark::kMillisecond);

} // namespace
