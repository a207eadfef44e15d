#include <gtest/gtest.h>

#include <QPixmap>

#include "controls/picturecache.h"

namespace {

PictureCache::Swaps WhiteTo(QRgb colour)
{
    return {{0xFFFFFFFFu, colour}};
}

// A picture is made once and handed out again until a change of colour or
// scale has pushed its variant out; the cache never holds more than its bound.
TEST(PictureCacheTest, KeepsRecentVariantsAndDropsStaleOnes)
{
    PictureCache cache;
    const QString name = QStringLiteral("HEART1");
    const qint64 first = cache.Prepared(name, WhiteTo(0xFFFFFF00u), 1).cacheKey();
    EXPECT_EQ(cache.Prepared(name, WhiteTo(0xFFFFFF00u), 1).cacheKey(), first);
    EXPECT_EQ(cache.Prepared(name, WhiteTo(0xFFFFFF00u), 3).size(), QSize(213, 285));

    for (QRgb colour = 0xFF000001u; colour <= 0xFF000000u + PictureCache::MaxVariants; ++colour)
        cache.Prepared(name, WhiteTo(colour), 1);
    EXPECT_EQ(cache.VariantCount(), PictureCache::MaxVariants);
    EXPECT_NE(cache.Prepared(name, WhiteTo(0xFFFFFF00u), 1).cacheKey(), first);
    EXPECT_TRUE(cache.Prepared(QStringLiteral("NOSUCHPICTURE"), {}, 1).isNull());
    cache.Clear();
}

}  // namespace
