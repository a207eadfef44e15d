// Cost of painting one card: the picture is loaded afresh on every paint.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QWidget>

#include "controls/carddeck.h"

namespace {

void PaintCard(benchmark::State& state, TCarddeck::TCardNum code, const QColor& cardColor)
{
    QWidget panel;
    auto* card = new TCarddeck(&panel);
    card->SetCardNum(code);
    card->SetCardColor(cardColor);
    QImage target(card->size(), QImage::Format_RGB32);
    for (auto _ : state) {
        card->render(&target, QPoint(), QRegion(), QWidget::RenderFlags());
        benchmark::DoNotOptimize(target.constBits());
    }
}

void BM_PaintFace(benchmark::State& state)
{
    PaintCard(state, 40, QColor(255, 255, 255));
}

void BM_PaintRecolouredFace(benchmark::State& state)
{
    PaintCard(state, 40, QColor(255, 255, 0));
}

void BM_PaintBack(benchmark::State& state)
{
    PaintCard(state, 0, QColor(255, 255, 255));
}

}  // namespace

BENCHMARK(BM_PaintFace);
BENCHMARK(BM_PaintRecolouredFace);
BENCHMARK(BM_PaintBack);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
