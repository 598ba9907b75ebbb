// Painting the main window's month, with the shipped saints and without: the counts must cost
// next to nothing once the days are loaded. `--paint-times=N` paints N times each way outside the
// benchmark, for an instruction count (callgrind) that does not vary with the machine's load.
#include "calendar/calendar_control.h"
#include "common/clock.h"
#include "data/saints_data.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <cstring>
#include <string>

using namespace orvelle;

namespace {
class MonthPainter {
  public:
    explicit MonthPainter(bool withSaints)
    {
        FControl.ApplyMainWindowValues();
        FControl.resize(FImage.size());
        FControl.SetSelectedDate(EncodeDate(2026, 12, 8));
        if (withSaints) {
            FSaints.SetDataIniPath(ORVELLE_SHIPPED_SAINTS);
            FControl.SetSaintsData(&FSaints);
        }
        Paint(); // sets up the fonts and loads the month's days, which happen once, not per paint
    }
    ~MonthPainter() { FControl.SetSaintsData(nullptr); }

    void Paint()
    {
        QPainter painter(&FImage);
        FControl.Paint(painter, FImage.rect());
    }

  private:
    TSystemClock FClock;
    TCalendarControl FControl{FClock};
    TSaintsData FSaints;
    QImage FImage{441, 212, QImage::Format_ARGB32_Premultiplied};
};

void PaintMonth(benchmark::State& state, bool withSaints)
{
    MonthPainter month(withSaints);
    for (auto _ : state)
        month.Paint();
}
void BM_PaintMonthWithoutSaints(benchmark::State& state) { PaintMonth(state, false); }
void BM_PaintMonthWithSaints(benchmark::State& state) { PaintMonth(state, true); }
BENCHMARK(BM_PaintMonthWithoutSaints)->MinTime(1.0);
BENCHMARK(BM_PaintMonthWithSaints)->MinTime(1.0);

// One function a way, never merged (noipa), so callgrind counts each alone.
template <bool WithSaints> [[gnu::noipa]] void PaintTimes(MonthPainter& month, int times)
{
    for (int i = 0; i < times; ++i)
        month.Paint();
}
} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    constexpr char kTimes[] = "--paint-times=";
    if (argc == 2 && std::strncmp(argv[1], kTimes, sizeof kTimes - 1) == 0) {
        const int times = std::stoi(argv[1] + sizeof kTimes - 1);
        MonthPainter without(false), with(true);
        PaintTimes<false>(without, times);
        PaintTimes<true>(with, times);
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
