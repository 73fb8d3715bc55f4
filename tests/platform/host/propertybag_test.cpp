#include "platform/currentform.h"
#include "platform/propertybag.h"

#include <QJsonDocument>
#include <gtest/gtest.h>

TEST(PropertyBag, ValueEqualToDefaultIsNotStored)
{
    PropertyBag bag;
    bag.write("Value", 0, 0);
    EXPECT_FALSE(bag.contains("Value"));
    bag.write("Value", 20, 0);
    EXPECT_EQ(bag.read("Value", 0).toInt(), 20);
    // Going back to the default removes the stored key again.
    bag.write("Value", 0, 0);
    EXPECT_TRUE(bag.isEmpty());
    EXPECT_EQ(bag.read("Value", 7).toInt(), 7);
}

TEST(PropertyBag, KeysKeepWriteOrder)
{
    PropertyBag bag;
    bag.write("Min", 5, 0);
    bag.write("Max", 50, 100);
    bag.write("Min", 6, 0);
    EXPECT_EQ(bag.keys(), (QStringList{"Min", "Max"}));
}

TEST(PropertyBag, JsonRoundTripKeepsTypes)
{
    PropertyBag bag;
    bag.write("HeaderLightColor", 0x80000008u, 0u);
    bag.write("Caption", QStringLiteral("标题"), QStringLiteral("XPContainer"));
    bag.write("Value", -3, 0);
    const QByteArray json = QJsonDocument(bag.toJson()).toJson();
    const PropertyBag back = PropertyBag::fromJson(QJsonDocument::fromJson(json).object());
    EXPECT_EQ(back.read("HeaderLightColor", 0u).toUInt(), 0x80000008u);
    EXPECT_EQ(back.read("Caption", QString()).toString(), QStringLiteral("标题"));
    EXPECT_EQ(back.read("Value", 0).toInt(), -3);
}

TEST(PropertyBag, UnusableStoredValueReadsAsDefault)
{
    const PropertyBag bag = PropertyBag::fromJson(
        QJsonDocument::fromJson(R"({"Value": 20.5, "Style": "wide"})").object());
    EXPECT_EQ(bag.read("Value", 0).toInt(), 0);
    EXPECT_EQ(bag.read("Style", 1).toInt(), 1);
}

TEST(CurrentForm, ForgetsAWindowThatIsGone)
{
    auto *window = new QWidget;
    CurrentForm::setForm(window);
    EXPECT_EQ(CurrentForm::form(), window);
    delete window;
    EXPECT_EQ(CurrentForm::form(), nullptr);
}
