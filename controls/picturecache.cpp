#include "controls/picturecache.h"

#include <cmath>

#include <QCoreApplication>
#include <QPainter>

#include "pictures/pictures.h"

// Qt's own QPixmapCache evicts picture by picture under one size limit
// shared with the whole toolkit; it cannot drop a stale colour or scale as a
// whole, and a full deck at 300% would not fit its default limit.

namespace {

// Swaps run one after the other, so a later swap also sees what an earlier
// one produced; callers order them with that in mind.
QImage Recolour(const QImage& stored, const PictureCache::Swaps& swaps)
{
    QImage work = stored.convertToFormat(QImage::Format_RGB32);
    for (const auto& [from, to] : swaps)
        for (int y = 0; y < work.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(work.scanLine(y));
            for (int x = 0; x < work.width(); ++x)
                if (line[x] == from)
                    line[x] = to;
        }
    return work;
}

void ClearSharedCache()
{
    PictureCache::Shared().Clear();
}

}  // namespace

PictureCache& PictureCache::Shared()
{
    static PictureCache cache;
    return cache;
}

PictureCache::Variant& PictureCache::Use(const Swaps& swaps, qreal scale)
{
    for (auto it = variants_.begin(); it != variants_.end(); ++it)
        if (it->scale == scale && it->swaps == swaps) {
            variants_.splice(variants_.begin(), variants_, it);
            return variants_.front();
        }
    if (variants_.empty())  // pixmaps must not outlive the application
        qAddPostRoutine(ClearSharedCache);
    variants_.push_front(Variant{swaps, scale, {}, {}});
    if (static_cast<int>(variants_.size()) > MaxVariants)
        variants_.pop_back();
    return variants_.front();
}

QImage PictureCache::Recoloured(const QString& name, const Swaps& swaps)
{
    Variant& variant = Use(swaps, 0);
    auto found = variant.images.constFind(name);
    if (found != variant.images.constEnd())
        return *found;
    const QImage stored = LoadPicture(name);
    if (stored.isNull())
        return stored;
    return *variant.images.insert(name, Recolour(stored, swaps));
}

QPixmap PictureCache::Prepared(const QString& name, const Swaps& swaps, qreal scale)
{
    Variant& variant = Use(swaps, scale);
    auto found = variant.pixmaps.constFind(name);
    if (found != variant.pixmaps.constEnd())
        return *found;
    const QImage stored = LoadPicture(name);
    if (stored.isNull())
        return QPixmap();
    return *variant.pixmaps.insert(name, ForScale(Recolour(stored, swaps), scale));
}

// Between whole factors, repeating pixels would make some rows and columns
// of the pixel art one pixel thicker than their neighbours, which shows on
// outlines and pips. The picture is first blown up to the next whole factor,
// pixels repeated, then smoothed down to the size wanted: every edge stays
// sharp but for at most one blended pixel, and a zoom that fits the window
// exactly fills it.
QPixmap PictureCache::ForScale(const QImage& picture, qreal scale)
{
    if (scale == 1.0)
        return QPixmap::fromImage(picture);
    const QSize size(static_cast<int>(std::lround(picture.width() * scale)),
                     static_cast<int>(std::lround(picture.height() * scale)));
    const qreal whole = std::ceil(scale);
    QImage scaled;
    if (IsWholeScale(scale)) {
        scaled = picture.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    } else {
        const QImage blownUp = picture.scaled(picture.size() * static_cast<int>(whole), Qt::IgnoreAspectRatio,
                                              Qt::FastTransformation);
        scaled = blownUp.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    QPixmap pixmap = QPixmap::fromImage(scaled);
    pixmap.setDevicePixelRatio(scale);
    return pixmap;
}

bool PictureCache::IsWholeScale(qreal scale)
{
    return std::abs(scale - std::round(scale)) < WholeTolerance;
}

qreal PictureCache::DeviceScale(const QPainter& painter)
{
    const QTransform transform = painter.deviceTransform();
    if (transform.type() > QTransform::TxScale || transform.m11() != transform.m22() || transform.m11() <= 0)
        return 1.0;
    return transform.m11();
}

void PictureCache::Clear()
{
    variants_.clear();
}
