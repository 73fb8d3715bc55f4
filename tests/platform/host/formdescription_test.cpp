#include "platform/formdescription.h"
#include "platform/usercontrol.h"

#include <gtest/gtest.h>

namespace {

// Remembers what the form loaded into it.
class ProbeControl : public UserControl {
public:
    void readProperties(const PropertyBag &bag) override
    {
        value = bag.read("Value", 0).toInt();
        look = bag.read("ProgressLook", 0).toInt();
    }
    void writeProperties(PropertyBag &) const override {}

    int value = -1;
    int look = -1;
};

} // namespace

TEST(FormDescription, MainWindowPlacesTheProgressBarFromTwips)
{
    const auto form = FormDescription::load(TERVOLAN_SOURCE_DIR "/resources/forms/demoform.json");
    ASSERT_TRUE(form);
    EXPECT_EQ(form->name(), "DemoForm");
    ProbeControl bar;
    ASSERT_TRUE(form->apply("Pro", bar));
    EXPECT_EQ(bar.geometry(), QRect(190, 234, 223, 43));
    EXPECT_EQ(bar.value, 20);
    EXPECT_EQ(bar.look, 6);
    EXPECT_EQ(bar.ambient().displayName, "Pro");
    const FormDescription::Control *panel = form->control("XPC");
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->width, 6285);
    EXPECT_EQ(panel->type, "XPContainer");
}

TEST(FormDescription, UnknownControlIsNotApplied)
{
    const auto form = FormDescription::parse(R"({"name": "F", "controls": []})");
    ASSERT_TRUE(form);
    ProbeControl control;
    EXPECT_FALSE(form->apply("Pro", control));
    EXPECT_EQ(control.value, -1);
}

TEST(FormDescription, BrokenFilesAreRefused)
{
    EXPECT_FALSE(FormDescription::parse("{not json"));
    EXPECT_FALSE(FormDescription::parse(R"({"name": "F"})"));
    EXPECT_FALSE(FormDescription::parse(R"({"controls": [{"type": "X"}]})"));
    EXPECT_FALSE(FormDescription::load("/nonexistent/form.json"));
}
