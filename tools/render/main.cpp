#include "platform/messageboxservice.h"
#include "tools/render/rendercommand.h"
#include "tools/render/stderrmessageboxservice.h"

#include <QApplication>
#include <QTextStream>
#include <cstdio>

namespace {

const QCommandLineOption SizeOption({"s", "size"}, "control size in pixels (default per control)",
                                    "WxH");
const QCommandLineOption OutputOption({"o", "output"}, "PNG file to write (required)", "FILE");
const QCommandLineOption HelpOption({"h", "help"}, "show this help");

QString optionLine(const QCommandLineOption &option)
{
    QStringList names;
    for (const QString &name : option.names())
        names.append(name.size() == 1 ? "-" + name : "--" + name);
    QString left = names.join(", ");
    if (!option.valueName().isEmpty())
        left += " " + option.valueName();
    return QStringLiteral("    %1  %2\n").arg(left, -24).arg(option.description());
}

QString usage()
{
    QString text = QStringLiteral("Usage: tervolan-render COMMAND [options] -o FILE.png\n"
                                  "Draws one control in the given configuration to a PNG file.\n\n"
                                  "Options of every command:\n");
    for (const auto &option : {SizeOption, OutputOption, HelpOption})
        text += optionLine(option);
    for (const auto &command : RenderCommand::all()) {
        const QSize size = command->defaultSize();
        text += QStringLiteral("\n%1: %2 (default size %3x%4)\n")
                    .arg(command->name(), command->description())
                    .arg(size.width())
                    .arg(size.height());
        for (const auto &option : command->options())
            text += optionLine(option);
    }
    text += QStringLiteral(
        "\nExamples:\n"
        "  tervolan-render progressbar --size 223x43 --look 6 --value 50 -o bar.png\n"
        "  tervolan-render window main -o m.png\n"
        "  tervolan-render container --size 419x297 --theme 6 --style 0 "
        "--caption Tervolan -o panel.png\n");
    return text;
}

int fail(const QString &message)
{
    std::fprintf(stderr, "tervolan-render: %s\n", qPrintable(message));
    return 2;
}

bool parseSize(const QString &text, QSize &size)
{
    const QStringList parts = text.toLower().split('x');
    bool okWidth = false;
    bool okHeight = false;
    if (parts.size() == 2)
        size = QSize(parts[0].toInt(&okWidth), parts[1].toInt(&okHeight));
    return okWidth && okHeight && size.width() > 0 && size.height() > 0;
}

int run(const QStringList &arguments)
{
    if (arguments.size() < 2 || arguments[1] == "-h" || arguments[1] == "--help") {
        QTextStream(stdout) << usage();
        return arguments.size() < 2 ? 2 : 0;
    }
    const RenderCommand *command = RenderCommand::find(arguments[1]);
    if (!command)
        return fail(QStringLiteral("unknown command \"%1\"; see --help").arg(arguments[1]));

    QCommandLineParser parser;
    parser.addOptions({SizeOption, OutputOption, HelpOption});
    parser.addOptions(command->options());
    QStringList rest = arguments;
    rest.removeAt(1);
    if (!parser.parse(rest))
        return fail(parser.errorText());
    if (parser.isSet(HelpOption)) {
        QTextStream(stdout) << usage();
        return 0;
    }
    if (parser.positionalArguments().size() > command->positionalCount())
        return fail(
            QStringLiteral("unexpected argument \"%1\"").arg(parser.positionalArguments().last()));
    if (!parser.isSet(OutputOption))
        return fail(QStringLiteral("no output file; give -o FILE.png"));
    QSize size = command->defaultSize();
    if (parser.isSet(SizeOption) && !parseSize(parser.value(SizeOption), size))
        return fail(
            QStringLiteral("--size needs WIDTHxHEIGHT, not \"%1\"").arg(parser.value(SizeOption)));

    QString error;
    const QImage image = command->render(parser, size, error);
    if (!error.isEmpty() || image.isNull())
        return fail(error.isEmpty() ? QStringLiteral("nothing was drawn") : error);
    if (!image.save(parser.value(OutputOption), "PNG"))
        return fail(QStringLiteral("cannot write %1").arg(parser.value(OutputOption)));
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    // A renderer never needs a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Our own options (--style among them) are not for Qt: QApplication
    // only sees the program name.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    StderrMessageBoxService messages;
    MessageBoxService::setInstance(&messages);
    const int result = run(arguments);
    MessageBoxService::setInstance(nullptr);
    return result;
}
