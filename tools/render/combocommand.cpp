#include "controls/xpcombo/xpcombo.h"
#include "platform/twips.h"
#include "tools/render/controlrenderer.h"
#include "tools/render/rendercommand.h"

namespace {

class ComboCommand : public RenderCommand {
public:
    QString name() const override { return QStringLiteral("combo"); }
    QString description() const override
    {
        return QStringLiteral("the flat combo box (XPCombo); the size is in twips");
    }
    QSize defaultSize() const override { return {2000, 315}; }

    QList<QCommandLineOption> options() const override
    {
        return {
            {"items", "comma-separated list items, \"tag=text\" with --tagcode 1", "LIST"},
            {"index", "selected item, -1 for none (default: the last one added)", "N"},
            {"text", "text field contents, set after the selection", "TEXT"},
            {"tagcode", "1 = items are \"tag=text\" (default 0)", "0|1"},
            {"enabled", "0 = disabled look (grey border and button), 1 = normal (default)", "0|1"},
            {"state", "drop-button look: normal (default), hover, pressed or disabled", "STATE"},
            {"font-size", "text field font size in points", "PT"},
        };
    }

    QImage render(const QCommandLineParser &parser, QSize size, QString &error) const override
    {
        static const QStringList states = {"normal", "hover", "pressed", "disabled"};
        const QString state = parser.isSet("state") ? parser.value("state") : states[0];
        const int look = int(states.indexOf(state));
        if (look < 0) {
            error = QStringLiteral("--state needs normal, hover, pressed or disabled, not \"%1\"")
                        .arg(state);
            return {};
        }
        const int tagCode = intOption(parser, "tagcode", 0, error);
        const int enabled = intOption(parser, "enabled", 1, error);
        const int index = intOption(parser, "index", -2, error);
        const int fontSize = intOption(parser, "font-size", 0, error);
        if (!error.isEmpty())
            return {};

        XPCombo combo;
        if (fontSize > 0) {
            QFont font = combo.Font();
            font.setPointSize(fontSize);
            combo.setFont(font);
        }
        combo.setTagCode(tagCode != 0);
        combo.setEnabled(enabled != 0);
        try {
            for (const QString &item : parser.value("items").split(',', Qt::SkipEmptyParts))
                combo.AddItem(item);
            if (index != -2)
                combo.setListIndex(index);
        } catch (const std::exception &) {
            error = QStringLiteral("--index %1 names no item").arg(index);
            return {};
        }
        if (parser.isSet("text"))
            combo.setText(parser.value("text"));
        ControlRenderer::place(
            combo, QSize(size.width() / Twips::PerPixel, size.height() / Twips::PerPixel));
        if (parser.isSet("state") || enabled != 0)
            combo.showPicture(ComboPictures::Look(look));
        // The text field and the drop button are child widgets: grab them
        // with the panel.
        return combo.grab().toImage();
    }
};

const bool registered = RenderCommand::add(std::make_unique<ComboCommand>());

} // namespace
