#include "controls/xpcontainer/xpcontainer.h"
#include "tools/render/controlrenderer.h"
#include "tools/render/rendercommand.h"

namespace {

struct ColourOption {
    const char *option;
    void (XPContainer::*setter)(Gdi::ColorRef);
    Gdi::ColorRef (XPContainer::*getter)() const;
};

// Applied after the theme, so a single colour can be set over a theme.
const ColourOption ColourOptions[] = {
    {"header-light", &XPContainer::setHeaderLightColor, &XPContainer::HeaderLightColor},
    {"header-dark", &XPContainer::setHeaderDarkColor, &XPContainer::HeaderDarkColor},
    {"back-light", &XPContainer::setBackLightColor, &XPContainer::BackLightColor},
    {"back-dark", &XPContainer::setBackDarkColor, &XPContainer::BackDarkColor},
    {"border", &XPContainer::setBorderColor, &XPContainer::BorderColor},
    {"text-color", &XPContainer::setTextColor, &XPContainer::TextColor},
};

class ContainerCommand : public RenderCommand {
public:
    QString name() const override { return QStringLiteral("container"); }
    QString description() const override
    {
        return QStringLiteral("the themed panel (XPContainer)");
    }
    QSize defaultSize() const override { return {419, 297}; }

    QList<QCommandLineOption> options() const override
    {
        QList<QCommandLineOption> list = {
            {"theme", "colour theme 0-11 (default 0)", "N"},
            {"style", "0 = with header (default), other = body only", "N"},
            {"caption", "header caption (default \"XPContainer\")", "TEXT"},
        };
        for (const ColourOption &colour : ColourOptions)
            list.append({colour.option, "colour 0x00BBGGRR or system colour 0x800000NN", "COLOUR"});
        return list;
    }

    QImage render(const QCommandLineParser &parser, QSize size, QString &error) const override
    {
        XPContainer panel;
        if (parser.isSet("theme"))
            panel.setTheme(intOption(parser, "theme", 0, error));
        for (const ColourOption &colour : ColourOptions)
            if (parser.isSet(colour.option))
                (panel.*colour.setter)(
                    colourOption(parser, colour.option, (panel.*colour.getter)(), error));
        panel.setStyle(intOption(parser, "style", 0, error));
        if (parser.isSet("caption"))
            panel.setCaption(parser.value("caption"));
        if (!error.isEmpty())
            return {};
        ControlRenderer::place(panel, size);
        return ControlRenderer::capture(panel);
    }
};

const bool registered = RenderCommand::add(std::make_unique<ContainerCommand>());

} // namespace
