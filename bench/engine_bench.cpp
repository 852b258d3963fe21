// What one key costs the engine, refresh included, against a window that does nothing.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

#include "calc_engine_ext.h"
#include "fpu_precision.h"

namespace {

class NullView : public ICalcDisplay, public ICalcWindow {
public:
    void PushState(const CalcState& state) override
    {
        selections = SelectionsShowing(state);
        benchmark::DoNotOptimize(state.strResult.data());
    }
    void EnableKey(int, bool) override {}
    void Announce(const std::string&, Announcement) override {}
    void SetPrecisionRange(int, int) override {}
    void SetPrecisionMenuTexts(int, int) override {}
    void CheckPrecisionMode(bool) override {}
    void SaveAndClose() override {}
    void ShowExtendedView(bool) override {}
    void TogglePrecisionControl() override {}

    ControlSelections selections;
};

class TextClipboard : public IClipboard {
public:
    bool PutText(const std::string& value) override
    {
        text = value;
        return true;
    }
    bool GetText(std::string& value) override
    {
        value = text;
        return true;
    }
    std::string text;
};

struct Bench {
    Bench() : engine(view, view, clipboard, options, Edition::Classic)
    {
        Send(CalcEvent::Command(CalcOp::Refresh));
        Send(CalcEvent::Command(CalcOp::SetUpPrecision));
    }
    // An event through the engine's door, as the window hands it over.
    void Send(const CalcEvent& event)
    {
        engine.Handle(event, [this] { return view.selections; });
    }
    void Click(int id) { Send(CalcEvent::Click(id)); }
    NullView view;
    TextClipboard clipboard;
    EngineOptions options;
    CalcEngineExt engine;
};

void DigitKey(benchmark::State& state)
{
    Bench b;
    int i = 0;
    for (auto _ : state) {
        if (++i % 12 == 0)
            b.Click(IDC_KEY_DELETE);  // keep the typed text a realistic length
        b.Click(IDC_KEY_DIGIT0 + 7);
    }
}
BENCHMARK(DigitKey);

void OperationKey(benchmark::State& state)
{
    Bench b;
    b.Click(IDC_KEY_DIGIT0 + 3);
    b.Click(IDC_KEY_ADD);
    b.Click(IDC_KEY_DIGIT0 + 7);
    for (auto _ : state)
        b.Click(IDC_KEY_EQUALS);  // "=" repeats the addition
}
BENCHMARK(OperationKey);

void FunctionKey(benchmark::State& state)
{
    Bench b;
    b.Click(IDC_KEY_DIGIT0 + 3);
    for (auto _ : state)
        b.Click(IDC_KEY_SIN);
}
BENCHMARK(FunctionKey);

void Paste1000Characters(benchmark::State& state)
{
    Bench b;
    std::string text;
    while (text.size() < 1000)
        text += "1234.5+678*9=";
    text.resize(1000);
    b.clipboard.text = text;
    for (auto _ : state)
        b.Send(CalcEvent::Command(CalcOp::Paste));
}
BENCHMARK(Paste1000Characters);

void PasteMegabyte(benchmark::State& state)
{
    Bench b;
    b.clipboard.text.assign(1 << 20, '7');
    for (auto _ : state)
        b.Send(CalcEvent::Command(CalcOp::Paste));
}
BENCHMARK(PasteMegabyte)->Unit(benchmark::kMillisecond);

// Baselines of the same run: what the C library alone costs for one number in and one out.
// A key that costs a few of these is as cheap as the engine can reasonably be.
void BaselineStrtod(benchmark::State& state)
{
    const char* text = "12345.678901";
    for (auto _ : state) {
        benchmark::DoNotOptimize(text);
        benchmark::DoNotOptimize(std::strtod(text, nullptr));
    }
}
BENCHMARK(BaselineStrtod);

void BaselineFormatDouble(benchmark::State& state)
{
    double value = 12345.678901;
    char buffer[64];
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        std::snprintf(buffer, sizeof buffer, "%.17g", value);
        benchmark::DoNotOptimize(buffer);
    }
}
BENCHMARK(BaselineFormatDouble);

}  // namespace

int main(int argc, char** argv)
{
    SetExtendedPrecision();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
