#include "controls/xpprogressbar/xp_progressbar.h"
#include "tools/render/controlrenderer.h"
#include "tools/render/rendercommand.h"

namespace {

class ProgressBarCommand : public RenderCommand {
public:
    QString name() const override { return QStringLiteral("progressbar"); }
    QString description() const override
    {
        return QStringLiteral("the tiled progress bar (Xp_ProgressBar)");
    }
    QSize defaultSize() const override { return {223, 43}; }

    QList<QCommandLineOption> options() const override
    {
        return {
            {"look",
             "tile look 0-7: master, blue, bluemet, goldmet, grmet, greymet, "
             "orangemet, redmet (default 0)",
             "N"},
            {"value",
             "value to set; repeat or give a comma list (e.g. 60,30) to set "
             "several in turn, as a running job does",
             "V"},
            {"min", "Min (default 0)", "N"},
            {"max", "Max (default 100)", "N"},
            {"style", "0 = growing blocks (default), other = moving group", "N"},
        };
    }

    QImage render(const QCommandLineParser &parser, QSize size, QString &error) const override
    {
        Xp_ProgressBar bar;
        bar.setProgressLook(intOption(parser, "look", 0, error));
        bar.setMax(intOption(parser, "max", 100, error));
        bar.setMin(intOption(parser, "min", 0, error));
        bar.setStyle(intOption(parser, "style", 0, error));
        const QList<int> values = intListOption(parser, "value", error);
        if (!error.isEmpty())
            return {};
        ControlRenderer::place(bar, size);
        for (int value : values)
            bar.setValue(value);
        return ControlRenderer::capture(bar);
    }
};

const bool registered = RenderCommand::add(std::make_unique<ProgressBarCommand>());

} // namespace
