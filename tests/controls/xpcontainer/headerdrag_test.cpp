#include "controls/xpcontainer/xpcontainer.h"
#include "platform/currentform.h"

#include <QTest>
#include <gtest/gtest.h>

// A window framed by a panel, as the main window is; the panel's header
// moves the window that CurrentForm names.
class HeaderDragTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_window.setWindowFlag(Qt::FramelessWindowHint);
        m_window.resize(419, 297);
        m_panel = new XPContainer(&m_window);
        m_panel->setGeometry(0, 0, 419, 297);
        m_window.move(100, 100);
        m_window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_window));
        CurrentForm::setForm(&m_window);
        CurrentForm::headerDrag() = {};
    }

    void TearDown() override { CurrentForm::setForm(nullptr); }

    bool windowReaches(QPoint where)
    {
        return QTest::qWaitFor([&] { return m_window.pos() == where; }, 2000);
    }

    QWidget m_window;
    XPContainer *m_panel = nullptr;
};

TEST_F(HeaderDragTest, LeftDragMovesTheWindowWithThePointer)
{
    const QPoint grab = m_panel->mapToGlobal(QPoint(50, 10));
    QTest::mousePress(m_panel, Qt::LeftButton, {}, QPoint(50, 10));
    EXPECT_TRUE(CurrentForm::headerDrag().HeaderDragging);
    EXPECT_EQ(CurrentForm::headerDrag().DragStartX, 49); // header coordinates
    EXPECT_EQ(CurrentForm::headerDrag().DragStartY, 9);

    // The pointer moves on screen; the window keeps its offset to it.
    for (const QPoint step : {QPoint(30, 20), QPoint(30, 20), QPoint(-20, -45), QPoint(7, 3)}) {
        const QPoint pointer = grab + step;
        QTest::mouseMove(m_panel, m_panel->mapFromGlobal(pointer));
        EXPECT_TRUE(windowReaches(QPoint(100, 100) + step)) << step.x() << "," << step.y();
    }
    QTest::mouseRelease(m_panel, Qt::LeftButton, {}, m_panel->mapFromGlobal(grab + QPoint(7, 3)));
    EXPECT_FALSE(CurrentForm::headerDrag().HeaderDragging);
    QTest::mouseMove(m_panel, QPoint(90, 40));
    EXPECT_EQ(m_window.pos(), QPoint(107, 103));
}

TEST_F(HeaderDragTest, RightButtonAndBodyPressStartNoDrag)
{
    QTest::mousePress(m_panel, Qt::RightButton, {}, QPoint(50, 10));
    EXPECT_FALSE(CurrentForm::headerDrag().HeaderDragging);
    QTest::mouseRelease(m_panel, Qt::RightButton, {}, QPoint(50, 10));
    QTest::mousePress(m_panel, Qt::LeftButton, {}, QPoint(50, 100));
    EXPECT_FALSE(CurrentForm::headerDrag().HeaderDragging);
    QTest::mouseMove(m_panel, QPoint(90, 140));
    QTest::mouseRelease(m_panel, Qt::LeftButton, {}, QPoint(90, 140));
    EXPECT_EQ(m_window.pos(), QPoint(100, 100));
}
