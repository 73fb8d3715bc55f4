#include "app/window/demoform.h"
#include "app/window/frmsetting.h"
#include "settings/settingsstore.h"
#include "tools/render/rendercommand.h"

#include <QTemporaryDir>

namespace {

// Draws a whole window as it opens with first-start settings: "main" or
// "settings".
class WindowCommand : public RenderCommand {
public:
    QString name() const override { return QStringLiteral("window"); }
    QString description() const override
    {
        return QStringLiteral(
            "a whole window: \"window main\" or \"window settings\" (size is the window's own)");
    }
    QSize defaultSize() const override { return {419, 297}; }
    QList<QCommandLineOption> options() const override { return {}; }
    int positionalCount() const override { return 1; }

    QImage render(const QCommandLineParser &parser, QSize, QString &error) const override
    {
        QString which = parser.positionalArguments().value(0);
        QTemporaryDir scratch;
        QString config = scratch.filePath("config.ini");
        DemoForm main;
        main.setProgramEnder([](int) {});
        main.load(config);
        if (which == "main")
            return grab(main);
        if (which == "settings") {
            frmSetting dialog(programSettings(), config.toStdString(), &main);
            dialog.load();
            return grab(dialog);
        }
        error = QStringLiteral("window needs \"main\" or \"settings\"");
        return {};
    }

private:
    static QImage grab(QWidget &window)
    {
        window.show();
        return window.grab().toImage();
    }
};

const bool registered = RenderCommand::add(std::make_unique<WindowCommand>());

} // namespace
