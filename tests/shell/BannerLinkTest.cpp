#include "BannerLink.h"

#include "support/ProgramFixture.h"

using namespace lumeport;

namespace {

TEST_F(ProgramFixture, TheBannerLinkRunsLeftAndReentersFromTheRight) {
    start();
    Form1& f = form();
    BannerLink& link = program().banner();
    const double start = f.Picture31->width() + 500;
    EXPECT_DOUBLE_EQ(f.Label59->left(), start);
    link.Scroll();
    EXPECT_DOUBLE_EQ(f.Label59->left(), start - 15);
    f.Label59->setLeft(-f.Label59->width()); // its right edge at the banner's left edge
    link.Scroll();
    EXPECT_DOUBLE_EQ(f.Label59->left(), start);
    link.Open();
    EXPECT_EQ(shell_.opened, QStringList{HomePage});
}

} // namespace
