// The window laid out on two screens: every region against the edges of a window that fills
// the screen above the taskbar, in twips as the layout computes them.

#include "WindowLayout.h"

#include "support/ProgramFixture.h"

using namespace lumeport;

namespace {

struct Screen {
    int width, height, workHeight;
};

class WindowLayoutTest : public ProgramFixture, public testing::WithParamInterface<Screen> {
protected:
    void SetUp() override {
        const Screen s = GetParam();
        display_.screen = {s.width, s.height};
        display_.workArea = {0, 0, s.width, s.workHeight};
        start();
    }
};

TEST_P(WindowLayoutTest, RegionsHangOnTheWindowsEdges) {
    const Screen s = GetParam();
    const double W = s.width * 15.0, H = s.workHeight * 15.0;
    Form1& f = form();
    const struct {
        const Control* control;
        double left, top, width, height;
    } rows[] = {
        {&f, 0, 0, W, H},
        {f.Picture1, W - 4080 - 105, 1170, 4080, H - 2485 - 115},
        {f.Picture12, 105, 1605, W - 4080 - 105 - 30 - 105, H - 2485},
        {f.WindowsMediaPlayer1, 0, 0, W - 4080 - 240, H - 2485},
        {f.Picture16, 2790, 1605, W - 2790 - 105, H - 2485},
        {f.Picture14, 0, 0, W - 2790 - 105 - 255, 8970},
        {f.Picture3, 105, 1605, 2640, H - 1605 - 885},
        {f.Picture2, 0, H - 2485 - 1230, W - 4080 - 240, 1230},
        {f.Picture30, 1155, f.Picture30->top(), W - 4080 - 240 - 1155 - 60, f.Picture30->height()},
        {f.Image6, 0, H - 885, W, 885},
        {f.Image7, W - 810, H - 885, 810, 885},
        {f.Command2, 180, H - 640, 525, 525},
        {f.Command1, 180, H - 640, 525, 525},
        {f.Command3, 705, H - 580, 405, 405},
        {f.Command10, 2430, H - 580, 405, 405},
        {f.Picture4, 540, H - 840, f.Picture4->width(), 120},
        {f.Picture8, 3300, H - 430, 975, 195},
        {f.Command6, W - 360, 90, 300, 180},
        {f.Command7, W - 300 - 300 - 30 - 160, 90, 300, 180},
        {f.Image27, W - 30 - 300 - 105, 90, 30, 180},
        {f.Image5, W - 5745 + 60, 540, 5745, 630},
        {f.Picture31, W - 5745 + 420, 540, 5220, 630},
        {f.Label47, W - 15, 0, 15, H},
        {f.Command29, W - 535, H - 525, 330, 345},
        {f.Picture28, W - 2670 - 90, 1185, 2670, 360},
        {f.Picture19, 990, 1185, 2600, 360},
        {f.Picture7, W - 4080 - 105, H - 885 - 600 + 15, 4080, 600},
        {f.Picture18, 2790, 1605, W - 2790 - 105, H - 2485},
        {f.Picture25, 2790, 1605, W - 2790 - 105, H - 2485},
        {f.Picture27, 2790, 1605, W - 2790 - 105, H - 2485},
        {f.Text11, 1365, f.Text11->top(), W - 2895 - 1365 - 60, H - 2485 - 1590 - 60},
        {f.Label12, W - 2500, H - 435, f.Label12->width(), f.Label12->height()},
        {f.Label11, W - 2500 + f.Label12->width(), H - 435, f.Label11->width(),
         f.Label11->height()},
    };
    for (const auto& row : rows) {
        const std::string name = row.control->name().toStdString();
        EXPECT_DOUBLE_EQ(row.control->left(), row.left) << name;
        EXPECT_DOUBLE_EQ(row.control->top(), row.top) << name;
        EXPECT_DOUBLE_EQ(row.control->width(), row.width) << name;
        EXPECT_DOUBLE_EQ(row.control->height(), row.height) << name;
    }
    EXPECT_EQ(f.widget()->geometry(), QRect(0, 0, s.width, s.workHeight));
}

INSTANTIATE_TEST_SUITE_P(Screens, WindowLayoutTest,
                         testing::Values(Screen{1600, 900, 860}, Screen{1280, 720, 680}),
                         [](const auto& info) { return std::to_string(info.param.width); });

TEST(TaskbarHeight, IsWhatTheWorkAreaLeavesAtTheBottom) {
    const struct {
        QRect workArea;
        int height;
    } cases[] = {{{0, 0, 1600, 860}, 40}, {{0, 40, 1600, 860}, 0}, {{60, 0, 1540, 900}, 0}};
    for (const auto& c : cases) {
        FakeDisplay display;
        display.workArea = c.workArea;
        EXPECT_EQ(GetTaskbarHeight(display), c.height);
    }
}

// At 120 dpi the interface keeps its pixel size: every design size shrinks by 0.8 in twips,
// which is the same number of pixels at 12 twips to the pixel.
TEST_F(ProgramFixture, ScalingKeepsTheDesignsPixelSizes) {
    display_.dpi = 120;
    start();
    EXPECT_EQ(form().state.ScaleRatio, double(0.8f));
    const double r = form().state.ScaleRatio; // single precision, as the layout uses it
    EXPECT_DOUBLE_EQ(form().Picture3->width(), 2640 * r);
    EXPECT_EQ(form().Picture3->widget()->width(), 176);
    EXPECT_DOUBLE_EQ(form().Label43->font().pointSize, 9 * r);
    EXPECT_DOUBLE_EQ(form().Picture3->left(), 105 * r);
    EXPECT_DOUBLE_EQ(form().Label47->left(), form().width() - 15); // the border is not scaled
    EXPECT_EQ(form().widget()->geometry(), QRect(0, 0, 1600, 860));
}

TEST_F(ProgramFixture, ADisplayWithoutAResolutionCountsAs96Dpi) {
    display_.dpi = 0;
    start();
    EXPECT_EQ(form().state.ScaleRatio, 1.0);
    EXPECT_EQ(form().widget()->geometry(), QRect(0, 0, 1600, 860));
}

} // namespace
