#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct RenderRun {
    int exitCode;
    QString output;
};

RenderRun render(const QStringList &arguments)
{
    QProcess process;
    process.start(TERVOLAN_RENDER, arguments);
    process.waitForFinished(30000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput())};
}

} // namespace

TEST(Render, ProgressBarPngHasTheBlocks)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("bar.png");
    ASSERT_EQ(
        render({"progressbar", "--size", "223x43", "--look", "6", "--value", "50", "-o", file})
            .exitCode,
        0);
    const QImage image(file);
    ASSERT_EQ(image.size(), QSize(223, 43));
    EXPECT_NE(image.pixel(104, 20), image.pixel(150, 20)); // last block vs empty trough
    EXPECT_EQ(image.pixel(112, 20), image.pixel(150, 20)); // gap after the last block
}

TEST(Render, ContainerPngTakesTheTheme)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("panel.png");
    ASSERT_EQ(render({"container", "--size", "419x297", "--theme", "6", "--style", "0", "--caption",
                      "Tervolan", "-o", file})
                  .exitCode,
              0);
    const QImage image(file);
    ASSERT_EQ(image.size(), QSize(419, 297));
    EXPECT_EQ(image.pixel(0, 0), qRgb(250, 192, 159));
    EXPECT_EQ(image.pixel(300, 1), qRgb(253, 226, 210));
}

TEST(Render, HelpListsEveryCommandAndBadInputFails)
{
    const RenderRun help = render({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.output.contains("progressbar"));
    EXPECT_TRUE(help.output.contains("container"));
    QTemporaryDir dir;
    EXPECT_NE(render({"progressbar", "--size", "wide", "-o", dir.filePath("x.png")}).exitCode, 0);
    EXPECT_NE(render({"dial", "-o", dir.filePath("x.png")}).exitCode, 0);
    EXPECT_NE(render({"progressbar", "--value", "x", "-o", dir.filePath("x.png")}).exitCode, 0);
    EXPECT_NE(render({"progressbar"}).exitCode, 0);
}
