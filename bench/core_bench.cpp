// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The core on its own: building the form object, and every user action.
// Counters report heap allocations per action and the growth of live
// allocations over all repetitions (which must stay 0).

#include <atomic>
#include <cstdlib>
#include <new>

#include <benchmark/benchmark.h>

#include "model/form.h"

namespace {

std::atomic<long> liveAllocations { 0 };
std::atomic<long> allAllocations { 0 };

} // namespace

void *operator new(std::size_t size)
{
    void *p = std::malloc(size ? size : 1);
    if (!p)
        throw std::bad_alloc();
    ++liveAllocations;
    ++allAllocations;
    return p;
}

void operator delete(void *p) noexcept
{
    if (p) {
        --liveAllocations;
        std::free(p);
    }
}

void operator delete(void *p, std::size_t) noexcept
{
    operator delete(p);
}

namespace {

using quillomar::Form;

// Runs `action` repeatedly on one form and records the allocation counters.
template<typename Action>
void measureAction(benchmark::State &state, Action action)
{
    Form form;
    action(form); // the first report replaces the introduction
    const long live = liveAllocations, all = allAllocations;
    for (auto _ : state)
        action(form);
    const long growth = liveAllocations - live, made = allAllocations - all;
    state.counters["allocs/action"]
            = double(made) / double(std::max<std::int64_t>(state.iterations(), 1));
    state.counters["live growth"] = double(growth);
}

void FormCreation(benchmark::State &state)
{
    for (auto _ : state) {
        Form form;
        benchmark::DoNotOptimize(form.Text1(0).text().data());
    }
}
BENCHMARK(FormCreation);

void UserSelectsAuthor(benchmark::State &state)
{
    const int a = int(state.range(0));
    measureAction(state, [a](Form &form) { form.UserSelectsAuthor(a); });
}
BENCHMARK(UserSelectsAuthor)->DenseRange(0, 8);

void UserSelectsTale(benchmark::State &state)
{
    const int p = int(state.range(0));
    measureAction(state, [p](Form &form) { form.UserSelectsTale(p); });
}
BENCHMARK(UserSelectsTale)->DenseRange(0, 47);

// Every author and every tale in turn, as a user jumping around would.
void EveryActionInTurn(benchmark::State &state)
{
    int step = 0;
    measureAction(state, [&step](Form &form) {
        const int i = step++ % (9 + 48);
        if (i < 9)
            form.UserSelectsAuthor(i);
        else
            form.UserSelectsTale(i - 9);
    });
}
BENCHMARK(EveryActionInTurn);

} // namespace

BENCHMARK_MAIN();
