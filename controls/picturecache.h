#pragma once

#include <cstdint>
#include <list>
#include <utility>
#include <vector>

#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QString>

// The program's pictures, decoded once and kept ready to blit. A picture is
// asked for with its colour swaps (each pure colour `from` becomes `to`, in
// order) and, for the screen, the scale it is painted at. Each set of swaps
// at one scale is a variant; only the most recently used variants are kept,
// so a change of card colour, counter colours or scale drops the stale ones.
// Pictures may only be asked for on the thread that runs the application.
class QPainter;

class PictureCache {
public:
    using Swaps = std::vector<std::pair<QRgb, QRgb>>;

    // Enough for one scale's white cards, coloured cards and counter digits,
    // with one to spare for the variant being replaced.
    static constexpr int MaxVariants = 4;
    // A zoom times a screen scale that misses a whole number by less than
    // this is taken as whole.
    static constexpr qreal WholeTolerance = 1e-6;

    // The one cache the program's controls share.
    static PictureCache& Shared();

    // The named picture, recoloured, as 32-bit RGB pixels.
    QImage Recoloured(const QString& name, const Swaps& swaps);
    // The same, prepared for a painter whose device scale is `scale`: one
    // device pixel per pixel, so painting it is a plain copy.
    QPixmap Prepared(const QString& name, const Swaps& swaps, qreal scale);

    // A picture made ready for that scale, for pictures the cache does not
    // hold. At whole scales pixels are repeated, never blended, so the pixel
    // art stays crisp; between them it is smoothed from the next whole scale.
    static QPixmap ForScale(const QImage& picture, qreal scale);
    static bool IsWholeScale(qreal scale);
    // How many device pixels one of the painter's pixels covers: the screen's
    // scale, or the target's when a control is drawn into a picture. 1 when
    // the painter turns or shears, which a plain copy cannot follow.
    static qreal DeviceScale(const QPainter& painter);

    int VariantCount() const { return static_cast<int>(variants_.size()); }
    void Clear();

private:
    struct Variant {
        Swaps swaps;
        qreal scale = 0;  // 0 for the pictures kept as images
        QHash<QString, QImage> images;
        QHash<QString, QPixmap> pixmaps;
    };

    Variant& Use(const Swaps& swaps, qreal scale);

    // Most recently used first. There are so few that a scan beats a map.
    std::list<Variant> variants_;
};
