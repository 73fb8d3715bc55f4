#include "app/window/accessiblecontrols.h"
#include "controls/button/kavobutton.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QSignalSpy>
#include <QTest>

// A check-mode button reads as a check box with its state, and its Press
// action clicks it once, as Space would.
TEST(AccessibleControls, CheckModeButtonPressedThroughItsAction)
{
    AccessibleControls::install();
    KAVOButton button;
    button.setCaption(QStringLiteral("  &Bold && Big  "));
    button.setCheckBoxBehaviour(true);
    QSignalSpy clicks(&button, &KAVOButton::Click);
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(&button);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::CheckBox);
    EXPECT_EQ(accessible->text(QAccessible::Name), QStringLiteral("Bold & Big"));
    EXPECT_FALSE(accessible->state().checked);

    accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(QTest::qWaitFor([&] { return clicks.size() == 1; }, 2000));
    EXPECT_TRUE(accessible->state().checked);
}
