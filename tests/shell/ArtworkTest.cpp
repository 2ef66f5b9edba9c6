// The window's pictures: each one drawn at the size and scale it is shown at, strips spanning
// whatever length they are given and icons keeping their shape inside it.

#include "Artwork.h"

#include <QApplication>
#include <QImage>
#include <gtest/gtest.h>

using namespace lumeport;

namespace {

class ArtworkTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "artwork-tests";
        static char* argv[] = {name, nullptr};
        if (!qApp) new QApplication(argc, argv);
    }
};

bool AnyInk(const QImage& image, const QRect& area) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0) return true;
    return false;
}

QImage Rendered(Art art, QSize size, qreal dpr) {
    return DrawArt(art, size, dpr).toImage().convertToFormat(QImage::Format_ARGB32);
}

TEST_F(ArtworkTest, EveryPictureFillsItsDeviceSizeWithSomethingVisible) {
    const QSize sizes[] = {{27, 27}, {63, 13}, {1600, 24}, {18, 600}};
    for (int i = static_cast<int>(Art::None) + 1; i < static_cast<int>(Art::Count); ++i) {
        const Art art = static_cast<Art>(i);
        for (const QSize& size : sizes)
            for (qreal dpr : {1.0, 2.0}) {
                const QPixmap picture = DrawArt(art, size, dpr);
                SCOPED_TRACE(testing::Message() << "art " << i << " at " << size.width() << "x"
                                                << size.height() << " x" << dpr);
                EXPECT_EQ(picture.size(), size * dpr);
                EXPECT_EQ(picture.devicePixelRatio(), dpr);
                EXPECT_TRUE(AnyInk(picture.toImage(), QRect(QPoint(), picture.size())));
            }
    }
    EXPECT_TRUE(DrawArt(Art::None, {16, 16}).isNull());
    EXPECT_TRUE(DrawArt(Art::Play, {0, 35}).isNull());
}

TEST_F(ArtworkTest, StripsReachEveryEdgeWhileIconsKeepTheirShape) {
    const struct {
        Art art;
        QSize size;
        QRect clear; // in device pixels at twice the scale: must stay empty
        QRect inked; // must hold part of the drawing
    } cases[] = {
        {Art::TitleBar, {1600, 24}, {}, {3190, 0, 10, 48}},
        {Art::ScrollTrack, {18, 600}, {}, {0, 1190, 36, 10}},
        {Art::BottomBar, {1600, 59}, {}, {3190, 108, 10, 10}},
        {Art::Play, {105, 35}, {0, 0, 68, 70}, {70, 0, 70, 70}},
        {Art::Stop, {27, 81}, {0, 0, 54, 52}, {0, 54, 54, 54}},
        {Art::Speaker, {58, 90}, {0, 0, 116, 48}, {0, 60, 116, 60}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "art " << static_cast<int>(c.art));
        const QImage image = Rendered(c.art, c.size, 2);
        if (c.clear.isEmpty()) {
            const QRect whole(QPoint(), image.size());
            for (QPoint corner :
                 {whole.topLeft(), whole.topRight(), whole.bottomLeft(), whole.bottomRight()})
                EXPECT_EQ(qAlpha(image.pixel(corner)), 255) << corner.x() << "," << corner.y();
        } else {
            EXPECT_FALSE(AnyInk(image, c.clear));
        }
        EXPECT_TRUE(AnyInk(image, c.inked));
    }
}

} // namespace
