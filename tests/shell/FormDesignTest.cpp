// The window made from its design table, and the control wrapper's twips geometry and mouse
// events that every handler relies on.

#include "FormDesign.h"

#include "Form1.h"

#include <QApplication>
#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace lumeport;

namespace {

class ShellTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "shell-tests";
        static char* argv[] = {name, nullptr};
        if (!qApp) new QApplication(argc, argv);
    }
};

TEST_F(ShellTest, EveryDesignRowBecomesANamedControlInsideAnEarlierContainer) {
    Form1 form(96 / 1440.0);
    QSet<QString> made{"Form1"};
    for (const ControlDesign& row : Form1Design()) {
        const QString key =
            row.index < 0 ? row.name : QString("%1(%2)").arg(row.name).arg(row.index);
        EXPECT_FALSE(made.contains(key)) << "twice: " << key.toStdString();
        if (row.interval == 0) {
            EXPECT_TRUE(made.contains(row.container))
                << key.toStdString() << " in " << row.container.toStdString();
            Control* control = form.controlNamed(key);
            ASSERT_NE(control, nullptr) << key.toStdString();
            EXPECT_EQ(control->widget()->parentWidget(), form.containerWidget(row.container));
            EXPECT_EQ(control->visible(), row.visible) << key.toStdString();
        }
        made.insert(key);
    }
    EXPECT_EQ(form.widget()->windowTitle(), "Lumeport");
    EXPECT_TRUE(form.widget()->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(form.Timer2->interval(), 10);
    EXPECT_TRUE(form.Timer2->isActive());
    EXPECT_FALSE(form.Timer1->isActive());
}

TEST_F(ShellTest, TwipsBecomePixelsAtTheDisplaysResolution) {
    const struct {
        int dpi;
        double twips;
        int pixels;
    } cases[] = {{96, 1500, 100}, {120, 1200, 100}, {96, 15, 1}, {192, 750, 100}};
    for (const auto& c : cases) {
        Form1 form(c.dpi / 1440.0);
        Control& panel = *form.Picture3;
        panel.setGeometry(c.twips, 0, c.twips, c.twips);
        EXPECT_EQ(panel.widget()->x(), c.pixels) << c.dpi;
        EXPECT_EQ(panel.widget()->width(), c.pixels) << c.dpi;
        EXPECT_DOUBLE_EQ(panel.left(), c.twips);
    }
}

TEST_F(ShellTest, ControlsLaidEdgeToEdgeInTwipsStayEdgeToEdgeInPixels) {
    Form1 form(96 / 1440.0);
    Label& first = *form.Label9;
    Label& second = *form.Label6;
    first.setGeometry(10, 0, 107, 100);
    second.setGeometry(117, 0, 107, 100);
    EXPECT_EQ(first.widget()->geometry().right() + 1, second.widget()->x());
}

TEST_F(ShellTest, SelfSizingLabelsFollowTheirText) {
    Form1 form(96 / 1440.0);
    Label& label = *form.Label43;
    label.setCaption("下一课");
    const double short_ = label.width();
    label.setCaption("打开/关闭选课面板");
    EXPECT_GT(label.width(), short_);
    EXPECT_GT(label.height(), 0);
    EXPECT_DOUBLE_EQ(label.width(), label.textSize(label.caption()).width());
}

TEST_F(ShellTest, ArrayElementsAreCopiesOfTheTemplate) {
    Form1 form(96 / 1440.0);
    ControlArray<Label>& tiles = form.SenWordLabel;
    Label* tile = tiles.Load(1);
    ASSERT_NE(tile, nullptr);
    EXPECT_EQ(tile->font().pointSize, tiles.Template()->font().pointSize);
    EXPECT_EQ(tile->widget()->parentWidget(), tiles.Template()->widget()->parentWidget());
    EXPECT_FALSE(tile->visible());
    tiles.Load(2);
    EXPECT_EQ(tiles.upperBound(), 2);
    tiles.UnloadAll();
    EXPECT_EQ(tiles.upperBound(), 0);
    EXPECT_EQ(tiles[1], nullptr);
}

TEST_F(ShellTest, MouseEventsArriveInTheOrderAHandMakesThem) {
    Form1 form(96 / 1440.0);
    Control& button = *form.Command8;
    QStringList seen;
    QObject::connect(&button, &Control::mouseDown, [&](Qt::MouseButton, double x, double y) {
        seen << QString("down %1,%2").arg(x).arg(y);
    });
    QObject::connect(&button, &Control::mouseUp, [&] { seen << "up"; });
    QObject::connect(&button, &Control::clicked, [&] { seen << "click"; });
    QObject::connect(&button, &Control::doubleClicked, [&] { seen << "double"; });

    QTest::mouseClick(button.widget(), Qt::LeftButton, {}, QPoint(2, 3));
    EXPECT_EQ(seen, (QStringList{"down 30,45", "up", "click"}));
    seen.clear();
    // A double click as the window system delivers it: a click, then a double-click press
    // and its release.
    QTest::mouseClick(button.widget(), Qt::LeftButton, {}, QPoint(2, 3));
    QTest::mouseEvent(QTest::MouseDClick, button.widget(), Qt::LeftButton, {}, QPoint(2, 3));
    QTest::mouseRelease(button.widget(), Qt::LeftButton, {}, QPoint(2, 3));
    EXPECT_EQ(seen, (QStringList{"down 30,45", "up", "click", "double", "up"}));
    seen.clear();
    QTest::mouseClick(button.widget(), Qt::RightButton, {}, QPoint(2, 3));
    EXPECT_EQ(seen, (QStringList{"down 30,45", "up"}));
}

} // namespace
