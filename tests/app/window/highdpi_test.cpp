#include "app/window/demoform.h"
#include "controls/button/kavobutton.h"
#include "controls/xpcontainer/xpcontainer.h"
#include "controls/xpprogressbar/xp_progressbar.h"
#include "platform/recordingmessageboxservice.h"
#include "settings/settingsstore.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QListWidget>
#include <QTest>

#include <cmath>

// The main window at the scale factor CTest gives this binary through
// QT_SCALE_FACTOR (1.5 and 2): the layout stays in logical pixels and the
// owner-drawn controls are their logical pixels enlarged, never blurred.
namespace {

class HighDpiTest : public ::testing::Test {
protected:
    HighDpiTest()
    {
        programSettings() = Settings{};
        form.setProgramEnder([](int) {});
        form.load(QString::fromStdString(dir.file("config.ini")));
        form.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
    }

    static QRect pixels(int left, int top, int width, int height)
    {
        return QRect(left / 15, top / 15, width / 15, height / 15);
    }

    TempDir dir;
    RecordingMessageBoxService messages;
    DemoForm form;
};

double scale()
{
    return qApp->devicePixelRatio();
}

// The colours of the logical pixels whose area covers a device pixel.
QList<QRgb> coveringColours(const QImage &logical, int deviceX, int deviceY)
{
    QList<QRgb> colours;
    int left = int(std::floor(deviceX / scale()));
    int top = int(std::floor(deviceY / scale()));
    int right = int(std::floor((deviceX + 1 - 1e-9) / scale()));
    int bottom = int(std::floor((deviceY + 1 - 1e-9) / scale()));
    for (int y = top; y <= std::min(bottom, logical.height() - 1); ++y) {
        for (int x = left; x <= std::min(right, logical.width() - 1); ++x)
            colours << logical.pixel(x, y);
    }
    return colours;
}

} // namespace

TEST_F(HighDpiTest, RunsAtTheScaleFactorItWasGiven)
{
    ASSERT_GT(scale(), 1.0) << "QT_SCALE_FACTOR did not reach the test";
    EXPECT_EQ(form.devicePixelRatio(), scale());
}

TEST_F(HighDpiTest, LayoutStaysInLogicalPixels)
{
    EXPECT_EQ(form.size(), QSize(419, 297));
    EXPECT_EQ(form.XPC()->size(), form.size());
    EXPECT_EQ(form.KAVOButton1()->geometry(), pixels(5940, 45, 255, 255));
    EXPECT_EQ(form.KAVOButton7()->geometry(), pixels(3150, 420, 1005, 885));
    EXPECT_EQ(form.List1()->geometry(), pixels(90, 1350, 6105, 2130));
    EXPECT_EQ(form.Command1()->geometry(), pixels(90, 3510, 2685, 645));
    EXPECT_EQ(form.Pro()->geometry(), pixels(2850, 3510, 3345, 645));
    QPixmap shot = form.grab();
    EXPECT_EQ(shot.deviceIndependentSize().toSize(), form.size());
    EXPECT_EQ(shot.width(), int(std::round(419 * scale())));
}

// Every device pixel of an owner-drawn control takes the colour of a
// logical pixel it lies on: no colour mixed from neighbours, which is what
// smoothing would leave along every edge.
TEST_F(HighDpiTest, OwnerDrawnControlsAreEnlargedWithoutBlur)
{
    const QList<UserControl *> controls
        = {form.Command1(), form.KAVOButton2(), form.Pro(), form.XPC()};
    for (UserControl *control : controls) {
        QImage shot = control->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QImage logical = control->surface().image().convertToFormat(QImage::Format_RGB32);
        int blurred = 0;
        for (int y = 0; y < shot.height(); ++y) {
            for (int x = 0; x < shot.width(); ++x) {
                if (!coveringColours(logical, x, y).contains(shot.pixel(x, y)))
                    ++blurred;
            }
        }
        EXPECT_EQ(blurred, 0) << control->objectName().toStdString();
    }
}

// At ratio 2 each logical pixel is an exact two-by-two block: the frame of
// the Convert button one pixel inside its edge lands on device pixels 2
// and 3.
TEST_F(HighDpiTest, AtRatioTwoEachLogicalPixelIsATwoByTwoBlock)
{
    if (scale() != 2.0)
        GTEST_SKIP() << "only at ratio 2";
    KAVOButton *button = form.Command1();
    QImage shot = button->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage &logical = button->surface().image();
    ASSERT_EQ(shot.size(), button->size() * 2);
    for (QPoint point :
         {QPoint(1, 1), QPoint(1, button->height() / 2), QPoint(button->width() / 2, 1),
          QPoint(button->width() - 2, button->height() - 2)}) {
        QRgb colour = logical.pixel(point);
        for (QPoint corner : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)})
            EXPECT_EQ(shot.pixel(point * 2 + corner), colour) << point.x() << "," << point.y();
    }
}

// A button copies the window behind it into its background; a plain grab
// above ratio 1 is larger than the button and would give it the wrong part.
TEST_F(HighDpiTest, BackgroundsAreCopiedInLogicalPixels)
{
    QRect header(200, 2, 40, 20);
    for (QPoint point : {header.topLeft(), header.bottomRight()})
        ASSERT_EQ(form.XPC()->childAt(point), nullptr) << "the header has nothing on it here";
    QImage behind = UserControl::grabLogical(form.XPC(), header);
    ASSERT_EQ(behind.size(), header.size());
    const QImage &panel = form.XPC()->surface().image();
    int wrong = 0;
    for (int y = 0; y < header.height(); ++y) {
        for (int x = 0; x < header.width(); ++x)
            wrong += behind.pixel(x, y) != panel.pixel(header.topLeft() + QPoint(x, y));
    }
    EXPECT_EQ(wrong, 0);
}
