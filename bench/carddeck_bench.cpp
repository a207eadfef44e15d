// Cost of painting one card, beside a plain copy of the same prepared pixmap.
// The argument is the scale in percent.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <QWidget>

#include "controls/carddeck.h"
#include "controls/picturecache.h"

namespace {

constexpr TCarddeck::TCardNum Face = 40;
constexpr TCarddeck::TCardNum Back = 0;
const QColor White(255, 255, 255);
const QColor Yellow(255, 255, 0);

qreal Scale(const benchmark::State& state)
{
    return static_cast<qreal>(state.range(0)) / 100.0;
}

QImage Target(const QSize& size, qreal scale)
{
    QImage target((QSizeF(size) * scale).toSize(), QImage::Format_RGB32);
    target.setDevicePixelRatio(scale);
    return target;
}

void PaintCard(benchmark::State& state, TCarddeck::TCardNum code, const QColor& cardColor)
{
    QWidget panel;
    auto* card = new TCarddeck(&panel);
    card->SetCardNum(code);
    card->SetCardColor(cardColor);
    QImage target = Target(card->size(), Scale(state));
    for (auto _ : state) {
        card->render(&target, QPoint(), QRegion(), QWidget::RenderFlags());
        benchmark::DoNotOptimize(target.constBits());
    }
}

void BM_PaintFace(benchmark::State& state)
{
    PaintCard(state, Face, White);
}

void BM_PaintRecolouredFace(benchmark::State& state)
{
    PaintCard(state, Face, Yellow);
}

void BM_PaintBack(benchmark::State& state)
{
    PaintCard(state, Back, White);
}

// The floor: a control that only copies a ready pixmap, drawn the same way.
class BlitControl : public QWidget {
public:
    explicit BlitControl(const QPixmap& picture) : picture_(picture) { resize(TCarddeck::CardWidth, TCarddeck::CardHeight); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.drawPixmap(0, 0, picture_);
    }

private:
    QPixmap picture_;
};

void BM_RawBlit(benchmark::State& state)
{
    const qreal scale = Scale(state);
    BlitControl control(PictureCache::Shared().Prepared(QStringLiteral("HEART1"), {}, scale));
    QImage target = Target(control.size(), scale);
    for (auto _ : state) {
        control.render(&target, QPoint(), QRegion(), QWidget::RenderFlags());
        benchmark::DoNotOptimize(target.constBits());
    }
}

}  // namespace

BENCHMARK(BM_PaintFace)->Arg(100)->Arg(300);
BENCHMARK(BM_PaintRecolouredFace)->Arg(100)->Arg(300);
BENCHMARK(BM_PaintBack)->Arg(100)->Arg(300);
BENCHMARK(BM_RawBlit)->Arg(100)->Arg(300);
