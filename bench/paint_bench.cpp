// Painting the main window's month, with the shipped saints and without: the counts must cost
// next to nothing once the days are loaded.
#include "calendar/calendar_control.h"
#include "common/clock.h"
#include "data/saints_data.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

using namespace orvelle;

namespace {
void PaintMonth(benchmark::State& state, bool withSaints)
{
    TSystemClock clock;
    TCalendarControl control(clock);
    control.ApplyMainWindowValues();
    control.resize(441, 212);
    control.SetSelectedDate(EncodeDate(2026, 12, 8));
    TSaintsData saints;
    if (withSaints) {
        saints.SetDataIniPath(ORVELLE_SHIPPED_SAINTS);
        control.SetSaintsData(&saints);
    }
    QImage image(441, 212, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&image);
        control.Paint(painter, image.rect());
    }
    control.SetSaintsData(nullptr);
}
void BM_PaintMonthWithoutSaints(benchmark::State& state) { PaintMonth(state, false); }
void BM_PaintMonthWithSaints(benchmark::State& state) { PaintMonth(state, true); }
BENCHMARK(BM_PaintMonthWithoutSaints)->MinTime(1.0);
BENCHMARK(BM_PaintMonthWithSaints)->MinTime(1.0);
} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
