#include "controls/xpcombo/xpcombo.h"
#include "platform/propertybag.h"
#include "platform/twips.h"
#include "tests/support/propertytablecheck.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <utility>

namespace {

QLineEdit *textField(XPCombo &combo)
{
    return combo.findChild<QLineEdit *>(QStringLiteral("JTexto"));
}
QLabel *dropButton(XPCombo &combo)
{
    return combo.findChild<QLabel *>(QStringLiteral("JImgCbo"));
}

// A combo that is shown (off screen), so resizing reaches its layout at once.
void showOffScreen(XPCombo &combo)
{
    combo.setAttribute(Qt::WA_DontShowOnScreen);
    combo.show();
}

std::string joined(const QStringList &list)
{
    return list.join(QStringLiteral(" | ")).toStdString();
}

Gdi::ColorRef pixelAt(const QImage &image, int x, int y)
{
    return Gdi::fromQRgb(image.pixel(x, y));
}

struct TextTopCase {
    double points;
    int topTwips;
};

class TextTopTest : public testing::TestWithParam<TextTopCase> {};

TEST_P(TextTopTest, TextFieldRisesWithFontSize)
{
    XPCombo combo;
    QFont font = combo.Font();
    font.setPointSizeF(GetParam().points);
    combo.setFont(font);
    EXPECT_EQ(textField(combo)->y(), Twips::toPixels(GetParam().topTwips));
    EXPECT_EQ(textField(combo)->x(), 5);
}

// Halves go to the even neighbour: 10.5 points moves 2 steps, 11.5 moves 4.
INSTANTIATE_TEST_SUITE_P(Sizes, TextTopTest,
                         testing::Values(TextTopCase{8, 60}, TextTopCase{7, 60}, TextTopCase{9, 45},
                                         TextTopCase{10.5, 30}, TextTopCase{11.5, 0},
                                         TextTopCase{12, 0}));

TEST(XPComboFont, TheDroppedListShowsTheControlsFont)
{
    XPCombo combo;
    combo.setFont(QFont(QStringLiteral("Courier"), 14));
    const QFont list = combo.findChild<QComboBox *>(QStringLiteral("JCombo"))->view()->font();
    EXPECT_EQ(list.family(), QStringLiteral("Courier"));
    EXPECT_EQ(list.pointSizeF(), 14);
}

TEST(XPComboLayout, WidthAtLeast400TwipsAndHeightFixed)
{
    XPCombo combo;
    showOffScreen(combo);
    combo.resize(Twips::toPixels(200), 60);
    EXPECT_GE(Twips::fromPixels(combo.width()), XPCombo::MinWidth);
    EXPECT_EQ(combo.height(), 21);

    combo.resize(Twips::toPixels(1245), 5);
    const int w = Twips::fromPixels(combo.width());
    EXPECT_EQ(combo.height(), 21);
    EXPECT_EQ(dropButton(combo)->geometry(), QRect(Twips::toPixels(w - 285), 2, 17, 17));
    EXPECT_EQ(textField(combo)->width(), Twips::toPixels(w - 375));
    const auto *list = combo.findChild<QComboBox *>(QStringLiteral("JCombo"));
    EXPECT_EQ(list->geometry().top(), 2);
    EXPECT_EQ(list->geometry().bottom(), combo.height() - 1);
    EXPECT_EQ(list->width(), combo.width());
}

TEST(XPComboLooks, DropButtonPicturesAndBorder)
{
    XPCombo combo;
    showOffScreen(combo);
    combo.resize(100, 21);
    combo.setEnabled(true);
    const int bx = dropButton(combo)->x();
    const int by = dropButton(combo)->y();
    QImage image = combo.grab().toImage();
    EXPECT_EQ(pixelAt(image, 0, 0), Gdi::rgb(127, 157, 185));
    EXPECT_EQ(pixelAt(image, 99, 20), Gdi::rgb(127, 157, 185));
    EXPECT_EQ(pixelAt(image, bx, by), ComboPictures::NormalFace);
    // Chevron: rows 6 to 11, nine columns wide from column 4, pointing down.
    EXPECT_EQ(pixelAt(image, bx + 4, by + 6), ComboPictures::ArrowColour);
    EXPECT_EQ(pixelAt(image, bx + 12, by + 6), ComboPictures::ArrowColour);
    EXPECT_EQ(pixelAt(image, bx + 8, by + 6), ComboPictures::NormalFace);
    EXPECT_EQ(pixelAt(image, bx + 8, by + 11), ComboPictures::ArrowColour);
    EXPECT_EQ(pixelAt(image, bx + 7, by + 11), ComboPictures::NormalFace);
    EXPECT_EQ(pixelAt(image, bx + 8, by + 12), ComboPictures::NormalFace);
    EXPECT_EQ(pixelAt(image, bx + 3, by + 6), ComboPictures::NormalFace);

    combo.showPicture(ComboPictures::Hot);
    image = combo.grab().toImage();
    EXPECT_EQ(pixelAt(image, bx, by), ComboPictures::HotFrame);
    EXPECT_EQ(pixelAt(image, bx + 16, by + 16), ComboPictures::HotFrame);
    EXPECT_EQ(pixelAt(image, bx + 1, by + 1), ComboPictures::HotFace);

    combo.showPicture(ComboPictures::Pressed);
    image = combo.grab().toImage();
    EXPECT_EQ(pixelAt(image, bx, by + 8), ComboPictures::PressedShadow);
    EXPECT_EQ(pixelAt(image, bx + 8, by), ComboPictures::PressedShadow);
    EXPECT_EQ(pixelAt(image, bx + 16, by + 8), ComboPictures::PressedLight);
    EXPECT_EQ(pixelAt(image, bx + 8, by + 16), ComboPictures::PressedLight);
    EXPECT_EQ(pixelAt(image, bx + 8, by + 11), ComboPictures::ArrowColour);

    combo.setEnabled(false);
    image = combo.grab().toImage();
    EXPECT_EQ(combo.shownPicture(), ComboPictures::Disabled);
    EXPECT_EQ(pixelAt(image, 0, 0), Gdi::rgb(192, 192, 192));
    EXPECT_EQ(pixelAt(image, bx + 1, by + 1), ComboPictures::DisabledFace);
    EXPECT_EQ(pixelAt(image, bx + 8, by + 11), Gdi::rgb(192, 168, 136));
}

class XPComboInput : public testing::Test {
protected:
    void SetUp() override
    {
        combo.resize(Twips::toPixels(1245), 21);
        combo.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&combo));
        for (const char *item : {"A3", "A4", "A5"})
            combo.AddItem(QString::fromLatin1(item));
    }
    void TearDown() override
    {
        combo.findChild<QComboBox *>(QStringLiteral("JCombo"))->hidePopup();
    }

    XPCombo combo;
};

TEST_F(XPComboInput, DisabledDropButtonStillDropsListBelowControl)
{
    combo.setEnabled(false);
    EXPECT_FALSE(textField(combo)->isEnabled());
    QTest::mousePress(dropButton(combo), Qt::LeftButton, {}, QPoint(8, 8));
    ASSERT_TRUE(QTest::qWaitFor([&] { return combo.isDroppedDown(); }, 2000));
    EXPECT_EQ(combo.shownPicture(), ComboPictures::Normal);
    const auto *list = combo.findChild<QComboBox *>(QStringLiteral("JCombo"));
    const QWidget *popup = list->view()->window();
    EXPECT_EQ(popup->pos(), combo.mapToGlobal(QPoint(0, combo.height())));
    EXPECT_GE(popup->width(), combo.width());

    combo.ToggleDropDown();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !combo.isDroppedDown(); }, 2000));
}

TEST_F(XPComboInput, HoverLookStaysAfterPointerLeaves)
{
    int moves = 0;
    QObject::connect(&combo, &XPCombo::MouseMove,
                     [&](short &, short &, float &, float &) { ++moves; });
    QTest::mouseMove(dropButton(combo), QPoint(5, 5));
    ASSERT_TRUE(QTest::qWaitFor([&] { return moves > 0; }, 2000));
    EXPECT_EQ(combo.shownPicture(), ComboPictures::Hot);
    QTest::mouseMove(textField(combo), QPoint(3, 3));
    EXPECT_EQ(combo.shownPicture(), ComboPictures::Hot);
    combo.ResetPic();
    EXPECT_EQ(combo.shownPicture(), ComboPictures::Normal);
}

TEST_F(XPComboInput, PickingFromListCopiesTextWithoutClick)
{
    combo.setListIndex(0);
    QSignalSpy changes(&combo, &XPCombo::Change);
    QSignalSpy clicks(&combo, &XPCombo::Click);
    combo.ToggleDropDown();
    auto *view = combo.findChild<QComboBox *>(QStringLiteral("JCombo"))->view();
    ASSERT_TRUE(QTest::qWaitFor([&] { return view->isVisible(); }, 2000));
    QTest::keyClick(view, Qt::Key_Down);
    QTest::keyClick(view, Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return combo.Text() == QStringLiteral("A4"); }, 2000));
    EXPECT_EQ(combo.ListIndex(), 1);
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(clicks.count(), 0);
}

TEST_F(XPComboInput, TextFieldEventsInOrder)
{
    QStringList events;
    QObject::connect(&combo, &XPCombo::MouseDown, [&](short &button, short &, float &x, float &) {
        events << QStringLiteral("MouseDown %1 %2").arg(button).arg(x);
    });
    QObject::connect(&combo, &XPCombo::Click, [&] { events << QStringLiteral("Click"); });
    QObject::connect(&combo, &XPCombo::Change, [&] { events << QStringLiteral("Change"); });
    QObject::connect(&combo, &XPCombo::KeyDown, [&](short &code, short &shift) {
        events << QStringLiteral("KeyDown %1 %2").arg(code).arg(shift);
    });
    QObject::connect(&combo, &XPCombo::KeyPress,
                     [&](short &ascii) { events << QStringLiteral("KeyPress %1").arg(ascii); });
    QObject::connect(&combo, &XPCombo::KeyUp,
                     [&](short &code, short &) { events << QStringLiteral("KeyUp %1").arg(code); });
    QTest::mouseClick(textField(combo), Qt::LeftButton, {}, QPoint(4, 3));
    QTest::keyClick(textField(combo), Qt::Key_Left);
    QTest::keyClick(textField(combo), Qt::Key_B);
    EXPECT_EQ(joined(events),
              joined({"MouseDown 1 60", "Click", "KeyDown 37 0", "KeyUp 37", "KeyDown 66 0",
                      "KeyPress 98", "Change", "KeyUp 66"}));
}

TEST_F(XPComboInput, KeyPressHandlerReplacesOrDiscardsCharacter)
{
    combo.setText(QString());
    QObject::connect(&combo, &XPCombo::KeyPress, [](short &ascii) {
        if (ascii == 'x')
            ascii = 0;
        else
            ascii = short(QChar(ascii).toUpper().unicode());
    });
    QTest::keyClicks(textField(combo), QStringLiteral("axb"));
    EXPECT_EQ(combo.Text(), QStringLiteral("AB"));
}

TEST_F(XPComboInput, LockedStopsTypingButNotPicking)
{
    combo.setLocked(true);
    combo.setText(QStringLiteral("A3"));
    QTest::keyClicks(textField(combo), QStringLiteral("zz"));
    EXPECT_EQ(combo.Text(), QStringLiteral("A3"));
    combo.setListIndex(2);
    EXPECT_EQ(combo.Text(), QStringLiteral("A5"));
}

TEST_F(XPComboInput, KeyboardStepsAndDropsTheListEvenWhenLocked)
{
    combo.setLocked(true);
    combo.setListIndex(2);
    combo.setText(QStringLiteral("A3"));
    QTest::keyClick(textField(combo), Qt::Key_Down);
    EXPECT_EQ(combo.Text(), QStringLiteral("A4")) << "from the item shown, not the selection";
    QTest::keyClick(textField(combo), Qt::Key_Up);
    QTest::keyClick(textField(combo), Qt::Key_Up);
    EXPECT_EQ(combo.Text(), QStringLiteral("A3")) << "the first item stays at the top";

    auto *view = combo.findChild<QComboBox *>(QStringLiteral("JCombo"))->view();
    for (auto [key, modifiers] :
         {std::pair{Qt::Key_F4, Qt::NoModifier}, std::pair{Qt::Key_Down, Qt::AltModifier},
          std::pair{Qt::Key_Up, Qt::AltModifier}}) {
        QTest::keyClick(textField(combo), key, modifiers);
        ASSERT_TRUE(QTest::qWaitFor([&] { return combo.isDroppedDown(); }, 2000));
        EXPECT_EQ(view->currentIndex().row(), 0) << "the list opens on the item shown";
        QTest::keyClick(view, Qt::Key_Escape);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !combo.isDroppedDown(); }, 2000));
    }
    EXPECT_EQ(combo.Text(), QStringLiteral("A3")) << "Escape closes the list unchanged";
}

TEST(XPComboProperties, StoredPropertiesLoadAndSaveInOrder)
{
    XPCombo combo;
    PropertyBag empty;
    combo.readProperties(empty);
    EXPECT_EQ(combo.Text(), QStringLiteral("0"));
    EXPECT_FALSE(combo.Enabled());

    PropertyBag stored;
    stored.write(QStringLiteral("Enabled"), false, true);
    stored.write(QStringLiteral("TagCode"), true, false);
    stored.write(QStringLiteral("FileName"), QStringLiteral("list.txt"), QString());
    stored.write(QStringLiteral("Locked"), true, false);
    XPCombo loaded;
    loaded.readProperties(stored);
    // The flag alone: the field, picture and border keep their state.
    EXPECT_FALSE(loaded.Enabled());
    EXPECT_TRUE(textField(loaded)->isEnabled());
    EXPECT_EQ(loaded.shownPicture(), ComboPictures::Normal);
    EXPECT_TRUE(loaded.TagCode());
    EXPECT_TRUE(loaded.Locked());
    EXPECT_EQ(loaded.FileName(), QStringLiteral("list.txt"));

    loaded.setText(QStringLiteral("A4"));
    loaded.setBackColor(0x00EEEEEE);
    loaded.setForeColor(0x000000FF);
    loaded.setMaxLength(10);
    loaded.setToolTipText(QStringLiteral("tip"));
    loaded.setFieldName(QStringLiteral("Size"));
    loaded.setEnabled(true);
    textField(loaded)->setSelection(1, 1);
    PropertyBag saved;
    loaded.writeProperties(saved);
    EXPECT_EQ(saved.keys(),
              (QStringList{"Text", "BackColor", "ForeColor", "Locked", "MaxLength", "ToolTipText",
                           "FieldName", "Enabled", "TagCode", "SelStart", "SelLength", "SelText",
                           "FileName"}));
    EXPECT_EQ(saved.read(QStringLiteral("SelText"), QString()).toString(), QStringLiteral("4"));
}

TEST(XPComboProperties, SettersNotifyUnderTheirKeys)
{
    XPCombo combo;
    QSignalSpy notified(&combo, &UserControl::propertyChanged);
    combo.setText(QStringLiteral("x"));
    combo.setFileName(QStringLiteral("f"));
    combo.setBackColor(0);
    combo.setFont(combo.Font());
    combo.setForeColor(0);
    combo.setListIndex(-1);
    combo.setLocked(false);
    combo.setMaxLength(0);
    combo.setToolTipText(QString());
    combo.setFieldName(QString());
    combo.setTagCode(false);
    combo.setEnabled(true);
    QStringList keys;
    for (const QList<QVariant> &call : notified)
        keys << call.at(0).toString();
    EXPECT_EQ(
        keys,
        (QStringList{"Text", "FileName", "BackColor", "Font", "ForeColor", "ListIndex", "Locked",
                     "MaxLength", "ToolTipText", "FieldName", "TagCode", "Enabled"}));
}

TEST(XPComboProperties, TableRowsRoundTrip)
{
    // The list is empty while properties are read, so a stored selection
    // is dropped.
    PropertyTableCheck::expectEveryRowRoundTrips<XPCombo>({}, {"ListIndex"});
    PropertyTableCheck::expectDefaultsStoredAsTheTableSays<XPCombo>();
    PropertyTableCheck::expectUnusableValuesReadAsMissing<XPCombo>();
}

} // namespace
