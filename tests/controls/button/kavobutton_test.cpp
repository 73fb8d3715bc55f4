#include "controls/button/kavobutton.h"
#include "platform/propertybag.h"
#include "tests/support/propertytablecheck.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace {

constexpr Gdi::ColorRef SystemFace = 0xD8E9EC; // 236, 233, 216

// A window with three buttons in a row; every event of the first one is
// written down as it arrives.
class ButtonWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.resize(400, 100);
        for (int i = 0; i < 3; ++i) {
            buttons[i] = new KAVOButton(&window);
            buttons[i]->setGeometry(10 + 120 * i, 10, 100, 30);
        }
        button = buttons[0];
        record(button);
        // Keep the pointer away until a test moves it.
        QCursor::setPos(QPoint(2000, 2000));
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        events.clear();
    }

    void record(KAVOButton *b)
    {
        auto mouse = [this](const char *name) {
            return [this, name](short &mouseButton, short &, float &, float &) {
                events.append(QStringLiteral("%1 %2").arg(QLatin1String(name)).arg(mouseButton));
            };
        };
        auto key = [this](const char *name) {
            return [this, name](short &code, short &) {
                events.append(QStringLiteral("%1 %2").arg(QLatin1String(name)).arg(code));
            };
        };
        QObject::connect(b, &KAVOButton::Click, [this] { events.append(QStringLiteral("Click")); });
        QObject::connect(b, &KAVOButton::MouseDown, mouse("MouseDown"));
        QObject::connect(b, &KAVOButton::MouseUp, mouse("MouseUp"));
        QObject::connect(b, &KAVOButton::KeyDown, key("KeyDown"));
        QObject::connect(b, &KAVOButton::KeyUp, key("KeyUp"));
        QObject::connect(b, &KAVOButton::KeyPress, [this](short &ascii) {
            events.append(QStringLiteral("KeyPress %1").arg(ascii));
        });
        QObject::connect(b, &KAVOButton::MouseOver,
                         [this] { events.append(QStringLiteral("MouseOver")); });
        QObject::connect(b, &KAVOButton::MouseOut,
                         [this] { events.append(QStringLiteral("MouseOut")); });
    }

    QWidget window;
    KAVOButton *buttons[3] = {};
    KAVOButton *button = nullptr;
    QStringList events;
    const QPoint centre{50, 15};
};

TEST_F(ButtonWindow, LeftClickPressesAndClicks)
{
    QTest::mousePress(button, Qt::LeftButton, {}, centre);
    EXPECT_EQ(button->paintMemory().LastPaintedState, PaintDown);
    QTest::mouseRelease(button, Qt::LeftButton, {}, centre);
    EXPECT_EQ(button->paintMemory().LastPaintedState, PaintUp);
    EXPECT_EQ(events, QStringList({"MouseDown 1", "MouseUp 1", "Click"}));
}

TEST_F(ButtonWindow, RightPressNeverClicksNorPresses)
{
    QTest::mousePress(button, Qt::RightButton, {}, centre);
    EXPECT_EQ(button->paintMemory().LastPaintedState, PaintUp);
    QTest::mouseRelease(button, Qt::RightButton, {}, centre);
    EXPECT_EQ(events, QStringList({"MouseDown 2", "MouseUp 2"}));
}

TEST_F(ButtonWindow, ReleaseOutsideIsNoClick)
{
    QTest::mousePress(button, Qt::LeftButton, {}, centre);
    QTest::mouseMove(button, QPoint(150, 15));
    EXPECT_EQ(button->paintMemory().LastPaintedState, PaintUp) << "up look once the pointer leaves";
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(150, 15));
    EXPECT_EQ(events, QStringList({"MouseDown 1", "MouseUp 1"}));
}

TEST_F(ButtonWindow, DoubleClickIsOneClickAndASecondPress)
{
    QTest::mousePress(button, Qt::LeftButton, {}, centre);
    QTest::mouseRelease(button, Qt::LeftButton, {}, centre);
    QTest::mouseDClick(button, Qt::LeftButton, {}, centre);
    EXPECT_EQ(button->paintMemory().LastPaintedState, PaintDown);
    QTest::mouseRelease(button, Qt::LeftButton, {}, centre);
    EXPECT_EQ(events,
              QStringList({"MouseDown 1", "MouseUp 1", "Click", "MouseDown 1", "MouseUp 1"}));
}

TEST_F(ButtonWindow, SpacePressAndReleaseClickOnce)
{
    button->setFocus();
    QTest::keyPress(button, Qt::Key_Space);
    EXPECT_EQ(button->paintMemory().LastPaintedState, PaintDown);
    QTest::keyRelease(button, Qt::Key_Space);
    EXPECT_EQ(events, QStringList({"KeyDown 32", "KeyPress 32", "KeyUp 32", "Click"}));
    // A release with no press of its own, now or after an earlier click.
    events.clear();
    QTest::keyRelease(button, Qt::Key_Space);
    EXPECT_EQ(events, QStringList({"KeyUp 32"}));
}

TEST_F(ButtonWindow, SpaceReleaseWithoutPressIsNoClick)
{
    button->setFocus();
    QTest::keyRelease(button, Qt::Key_Space);
    EXPECT_EQ(events, QStringList({"KeyUp 32"}));
}

TEST_F(ButtonWindow, KeyDownHandlerCanSwallowTheKey)
{
    QObject::connect(button, &KAVOButton::KeyDown, [](short &code, short &) { code = 0; });
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Space);
    EXPECT_FALSE(events.contains("Click"));
    EXPECT_EQ(button->paintMemory().LastPaintedState, PaintUp);
}

TEST_F(ButtonWindow, ArrowKeysMoveTheFocus)
{
    buttons[1]->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return buttons[1]->hasFocus(); }, 2000));
    QTest::keyClick(buttons[1], Qt::Key_Right);
    EXPECT_TRUE(buttons[2]->hasFocus());
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Right);
    EXPECT_EQ(events.value(0), QStringLiteral("KeyDown 39")) << "KeyDown still comes first";
    QTest::keyClick(buttons[1], Qt::Key_Right);
    QTest::keyClick(buttons[2], Qt::Key_Up);
    EXPECT_TRUE(buttons[1]->hasFocus());
    QTest::keyClick(buttons[1], Qt::Key_Left);
    EXPECT_TRUE(button->hasFocus());
    EXPECT_TRUE(button->frame().hasFocus);
    QTest::keyClick(button, Qt::Key_Down);
    EXPECT_TRUE(buttons[1]->hasFocus());
    EXPECT_FALSE(button->frame().hasFocus);
}

TEST_F(ButtonWindow, CheckBoxTogglesAndStaysPressed)
{
    button->setCheckBoxBehaviour(true);
    QTest::mouseClick(button, Qt::LeftButton, {}, centre);
    EXPECT_TRUE(button->Value());
    EXPECT_EQ(button->paintMemory().LastPaintedState, PaintDown);
    QTest::mouseClick(button, Qt::LeftButton, {}, centre);
    EXPECT_FALSE(button->Value());
    EXPECT_EQ(button->paintMemory().LastPaintedState, PaintUp);
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Space);
    EXPECT_TRUE(button->Value());
}

TEST_F(ButtonWindow, AccessKeyClicks)
{
    button->setCaption(QStringLiteral("&Open"));
    EXPECT_EQ(button->accessKey(), QStringLiteral("o"));
    QTest::keyClick(&window, Qt::Key_O, Qt::AltModifier);
    EXPECT_TRUE(events.contains("Click"));
}

TEST_F(ButtonWindow, HoverEntersAndTheTimerFindsThePointerGone)
{
    QTest::mouseMove(button, centre);
    ASSERT_TRUE(QTest::qWaitFor([&] { return events.contains("MouseOver"); }, 2000));
    EXPECT_TRUE(button->frame().isHovering);
    EXPECT_TRUE(button->isHoverTimerActive());
    QTest::mouseMove(button, QPoint(60, 20));
    EXPECT_EQ(events.count("MouseOver"), 1) << "one MouseOver per visit";

    QCursor::setPos(QPoint(2000, 2000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return events.contains("MouseOut"); }, 2000));
    EXPECT_FALSE(button->frame().isHovering);
    EXPECT_FALSE(button->isHoverTimerActive());
}

TEST_F(ButtonWindow, ARestingPointerStopsThePollUntilItMovesAgain)
{
    QTest::mouseMove(button, centre);
    ASSERT_TRUE(QTest::qWaitFor([&] { return events.contains("MouseOver"); }, 2000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !button->isHoverTimerActive(); }, 500));
    EXPECT_TRUE(button->frame().isHovering);
    QTest::mouseMove(button, centre + QPoint(3, 0));
    EXPECT_TRUE(button->isHoverTimerActive());
    EXPECT_EQ(events, QStringList({"MouseOver"}));
    // A release wakes the poll too; where the pointer has not moved, it
    // rests again at its first look.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !button->isHoverTimerActive(); }, 500));
    QTest::mouseClick(button, Qt::LeftButton, {}, centre + QPoint(3, 0));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !button->isHoverTimerActive(); }, 500));
}

TEST_F(ButtonWindow, DragOffARestingButtonStillEndsTheHover)
{
    QTest::mouseMove(button, centre);
    ASSERT_TRUE(QTest::qWaitFor([&] { return events.contains("MouseOver"); }, 2000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !button->isHoverTimerActive(); }, 500));
    QTest::mousePress(button, Qt::LeftButton, {}, centre);
    // QTest moves the pointer only while no button is held.
    const QPoint outside(150, 15);
    QCursor::setPos(button->mapToGlobal(outside));
    QTest::mouseMove(button, outside);
    QTest::mouseRelease(button, Qt::LeftButton, {}, outside);
    QTest::qWait(50);
    EXPECT_EQ(events.count("MouseOut"), 1);
    EXPECT_GT(events.indexOf("MouseOut"), events.indexOf("MouseDown 1"))
        << "the poll finds the pointer gone during the drag or after the release";
    events.removeAll("MouseOut");
    EXPECT_EQ(events, QStringList({"MouseOver", "MouseDown 1", "MouseUp 1"}));
    EXPECT_FALSE(button->frame().isHovering);
}

TEST_F(ButtonWindow, LeavingTheWindowEndsHoverEvenWithoutAFurtherMove)
{
    QTest::mouseMove(button, centre);
    ASSERT_TRUE(QTest::qWaitFor([&] { return events.contains("MouseOver"); }, 2000));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(button, &leave);
    EXPECT_FALSE(button->frame().isHovering);
    EXPECT_FALSE(button->isHoverTimerActive());
    QTest::qWait(20);
    EXPECT_EQ(events, QStringList({"MouseOver", "MouseOut"}));
}

// A press on the resting button, a drag out of the window and a release
// outside: the Leave ends the hover, and the release wakes no poll to end
// it again.
TEST_F(ButtonWindow, ALeaveWhileThePollRestsEndsTheHoverOnce)
{
    QTest::mouseMove(button, centre);
    ASSERT_TRUE(QTest::qWaitFor([&] { return events.contains("MouseOver"); }, 2000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !button->isHoverTimerActive(); }, 500));
    QTest::mousePress(button, Qt::LeftButton, {}, centre);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(button, &leave);
    QCursor::setPos(QPoint(2000, 2000));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(150, 15));
    QTest::qWait(50);
    EXPECT_EQ(events, QStringList({"MouseOver", "MouseDown 1", "MouseOut", "MouseUp 1"}));
}

// Dragged off and back on with the left button held, the button shows
// pressed again, without a second hover.
TEST_F(ButtonWindow, DraggingBackOntoTheButtonPressesWithoutAHover)
{
    QTest::mouseMove(button, centre);
    ASSERT_TRUE(QTest::qWaitFor([&] { return events.contains("MouseOver"); }, 2000));
    QTest::mousePress(button, Qt::LeftButton, {}, centre);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(button, &leave);
    QTest::mouseMove(button, centre + QPoint(2, 0));
    QTest::mouseRelease(button, Qt::LeftButton, {}, centre + QPoint(2, 0));
    EXPECT_EQ(events, QStringList({"MouseOver", "MouseDown 1", "MouseOut", "MouseUp 1", "Click"}));
}

TEST_F(ButtonWindow, RegionFollowsTheLook)
{
    button->setButtonType(3);
    EXPECT_FALSE(button->mask().contains(QPoint(0, 0)));
    EXPECT_TRUE(button->mask().contains(QPoint(2, 0)));
    button->setButtonType(2);
    EXPECT_TRUE(button->mask().contains(QPoint(0, 0)));
}

TEST_F(ButtonWindow, TransparentShowsTheParentBehindIt)
{
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, QColor(10, 200, 30));
    window.setPalette(palette);
    window.setAutoFillBackground(true);
    button->setCaption(QString());
    button->setButtonType(11);
    ASSERT_NE(button->background(), nullptr);
    EXPECT_EQ(button->background()->pixel(5, 5), Gdi::rgb(10, 200, 30));
    EXPECT_EQ(button->surface().pixel(5, 5), Gdi::rgb(10, 200, 30));
    EXPECT_EQ(button->height(), 30);
}

TEST_F(ButtonWindow, DisableRefreshHoldsDrawingUntilRefresh)
{
    button->setCaption(QString());
    button->DisableRefresh();
    button->surface().setPixel(50, 15, 0x010203);
    button->setColorScheme(3);
    EXPECT_EQ(button->surface().pixel(50, 15), 0x010203u);
    button->Refresh();
    EXPECT_EQ(button->surface().pixel(50, 15), 0xC0C0C0u);
}

TEST_F(ButtonWindow, HandPointerUsesOurOwnCursor)
{
    button->setHandPointer(true);
    EXPECT_EQ(button->MousePointer(), 99);
    EXPECT_EQ(button->cursor().shape(), Qt::BitmapCursor);
    EXPECT_FALSE(button->MouseIcon().isNull());
    button->setHandPointer(false);
    EXPECT_EQ(button->MousePointer(), 1);
    EXPECT_EQ(button->cursor().shape(), Qt::ArrowCursor);
}

TEST(KAVOButtonModel, FreshControlTakesTheHostsNameAndSystemColours)
{
    KAVOButton b;
    AmbientProperties ambient;
    ambient.displayName = QStringLiteral("KAVOButton7");
    b.setAmbient(ambient);
    b.initProperties();
    EXPECT_EQ(b.Caption(), QStringLiteral("KAVOButton7"));
    EXPECT_EQ(b.ButtonType(), 2);
    EXPECT_EQ(b.ColorScheme(), 1);
    EXPECT_EQ(b.BackColor(), SystemFace);
    EXPECT_EQ(b.BackOver(), SystemFace);
    EXPECT_EQ(b.ForeColor(), 0u);
    EXPECT_EQ(b.MaskColor(), 0xC0C0C0u);
    EXPECT_EQ(b.Version(), QStringLiteral("2.0.6"));
}

TEST(KAVOButtonModel, DesignTimeColourAndBoldRules)
{
    KAVOButton b;
    AmbientProperties design;
    design.userMode = false;
    b.setAmbient(design);
    b.setBackColor(0x112233);
    EXPECT_EQ(b.BackOver(), 0x112233u);
    b.setForeColor(0x0000FF);
    EXPECT_EQ(b.ForeOver(), 0x0000FFu);
    b.setButtonType(5);
    EXPECT_TRUE(b.FontBold());

    KAVOButton running;
    running.setBackColor(0x112233);
    EXPECT_EQ(running.BackOver(), SystemFace);
    running.setButtonType(5);
    EXPECT_FALSE(running.FontBold());
}

TEST(KAVOButtonProperties, EveryKeyIsWrittenAndReadBack)
{
    KAVOButton source;
    source.setButtonType(9);
    source.setCaption(QStringLiteral("确定  "));
    source.setColorScheme(2);
    source.setBackColor(0x8000000F);
    source.setBackOver(0x00FFEE);
    source.setForeColor(0x0000FF);
    source.setForeOver(0x00FF00);
    source.setMaskColor(0xFF00FF);
    source.setSoftBevel(true);
    source.setShowFocusRect(false);
    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(qRgb(1, 2, 3));
    source.setPictureNormal(ButtonPicture(ButtonPicture::Kind::Bitmap, image));
    source.setPicturePosition(3);
    source.setSpecialEffect(2);
    source.setCheckBoxBehaviour(true);
    source.setValue(true);
    source.setHandPointer(true);
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPointSize(11);
    font.setItalic(true);
    source.setFont(font);

    PropertyBag bag;
    source.writeProperties(bag);
    EXPECT_EQ(bag.keys(),
              QStringList({"BTYPE", "TX",     "ENAB",  "FONT", "COLTYPE", "FOCUSR", "BCOL", "BCOLO",
                           "FCOL",  "FCOLO",  "MCOL",  "MPTR", "MICON",   "PICN",   "PICH", "UMCOL",
                           "SOFT",  "PICPOS", "NGREY", "FX",   "HAND",    "CHECK",  "VALUE"}));

    // Through the form file's JSON, where numbers come back as doubles.
    const PropertyBag stored = PropertyBag::fromJson(bag.toJson());
    KAVOButton copy;
    copy.readProperties(stored);
    EXPECT_EQ(copy.ButtonType(), 9);
    EXPECT_EQ(copy.Caption(), QStringLiteral("确定  "));
    EXPECT_EQ(copy.ColorScheme(), 2);
    EXPECT_EQ(copy.BackColor(), 0x8000000Fu);
    EXPECT_EQ(copy.BackOver(), 0x00FFEEu);
    EXPECT_EQ(copy.ForeOver(), 0x00FF00u);
    EXPECT_EQ(copy.MaskColor(), 0xFF00FFu);
    EXPECT_TRUE(copy.SoftBevel());
    EXPECT_FALSE(copy.ShowFocusRect());
    EXPECT_EQ(copy.PictureNormal(), source.PictureNormal());
    EXPECT_EQ(copy.buttonGeometry().PictureWidth, 3);
    EXPECT_EQ(copy.PicturePosition(), 3);
    EXPECT_EQ(copy.SpecialEffect(), 2);
    EXPECT_TRUE(copy.Value());
    EXPECT_TRUE(copy.HandPointer());
    EXPECT_EQ(copy.MousePointer(), 99);
    EXPECT_EQ(copy.FontName(), QStringLiteral("DejaVu Serif"));
    EXPECT_TRUE(copy.FontItalic());
    EXPECT_EQ(copy.FontSize(), 11);
}

TEST(KAVOButtonProperties, EverySetterAnnouncesItsStoredKey)
{
    KAVOButton b;
    QStringList announced;
    QObject::connect(&b, &UserControl::propertyChanged,
                     [&](const QString &key) { announced.append(key); });
    b.setButtonType(2);
    b.setCaption(QStringLiteral("x"));
    b.setEnabled(true);
    b.setFont(b.Font());
    b.setColorScheme(1);
    b.setShowFocusRect(true);
    b.setBackColor(0);
    b.setBackOver(0);
    b.setForeColor(0);
    b.setForeOver(0);
    b.setMaskColor(0);
    b.setMousePointer(0);
    b.setMouseIcon(ButtonPicture());
    b.setPictureNormal(ButtonPicture());
    b.setPictureOver(ButtonPicture());
    b.setUseMaskColor(true);
    b.setSoftBevel(false);
    b.setPicturePosition(0);
    b.setUseGreyscale(false);
    b.setSpecialEffect(0);
    b.setHandPointer(false);
    b.setCheckBoxBehaviour(false);
    b.setValue(false);

    PropertyBag bag;
    b.writeProperties(bag);
    QStringList expected = bag.keys();
    expected.replace(expected.indexOf(QStringLiteral("PICH")), QStringLiteral("PICO"));
    EXPECT_EQ(announced, expected);
}

TEST(KAVOButtonProperties, MissingKeysTakeTheirDefaults)
{
    PropertyBag bag;
    bag.write(QStringLiteral("BCOL"), 0x123456u, QVariant());
    bag.write(QStringLiteral("FCOL"), 0x0000FFu, QVariant());
    bag.write(QStringLiteral("MPTR"), 5, QVariant());
    KAVOButton b;
    b.readProperties(bag);
    EXPECT_EQ(b.BackOver(), 0x123456u);
    EXPECT_EQ(b.ForeOver(), 0x0000FFu);
    EXPECT_EQ(b.ButtonType(), 2);
    EXPECT_EQ(b.Caption(), QString());
    EXPECT_TRUE(b.Enabled());
    EXPECT_EQ(b.ColorScheme(), 1);
    EXPECT_EQ(b.MaskColor(), 0xC0C0C0u);
    EXPECT_TRUE(b.UseMaskColor());
    EXPECT_TRUE(b.PictureNormal().isNull());
    EXPECT_EQ(b.MousePointer(), 1) << "HAND decides the pointer over a stored MPTR";

    KAVOButton empty;
    empty.readProperties(PropertyBag());
    EXPECT_EQ(empty.BackColor(), SystemFace);
    EXPECT_EQ(empty.BackOver(), SystemFace);
    EXPECT_EQ(empty.ForeColor(), 0u);
}

TEST(KAVOButtonProperties, UnreadableFontOrPictureKeepsWhatThereIs)
{
    KAVOButton b;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(13);
    b.setFont(font);
    PropertyBag bag;
    bag.write(QStringLiteral("FONT"), QStringLiteral("not a font"), QVariant());
    bag.write(QStringLiteral("PICN"), QStringLiteral("bitmap:@@@"), QVariant());
    b.readProperties(bag);
    EXPECT_EQ(b.FontSize(), 13);
    EXPECT_TRUE(b.PictureNormal().isNull());
}

TEST(KAVOButtonProperties, TableRowsRoundTrip)
{
    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(qRgb(1, 2, 3));
    const QString picture = ButtonPicture(ButtonPicture::Kind::Bitmap, image).toStoredString();
    // HAND decides the pointer's picture on reading.
    PropertyTableCheck::expectEveryRowRoundTrips<KAVOButton>({picture}, {"MICON"});
    PropertyTableCheck::expectDefaultsStoredAsTheTableSays<KAVOButton>();
    PropertyTableCheck::expectUnusableValuesReadAsMissing<KAVOButton>();
}

} // namespace
