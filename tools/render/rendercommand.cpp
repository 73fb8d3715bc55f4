#include "tools/render/rendercommand.h"

namespace {

std::vector<std::unique_ptr<RenderCommand>> &registry()
{
    static std::vector<std::unique_ptr<RenderCommand>> commands;
    return commands;
}

} // namespace

bool RenderCommand::add(std::unique_ptr<RenderCommand> command)
{
    registry().push_back(std::move(command));
    return true;
}

const std::vector<std::unique_ptr<RenderCommand>> &RenderCommand::all()
{
    return registry();
}

const RenderCommand *RenderCommand::find(const QString &name)
{
    for (const auto &command : registry())
        if (command->name() == name)
            return command.get();
    return nullptr;
}

int RenderCommand::intOption(const QCommandLineParser &parser, const QString &name, int fallback,
                             QString &error)
{
    if (!parser.isSet(name))
        return fallback;
    bool ok = false;
    const int value = parser.value(name).toInt(&ok);
    if (!ok)
        error
            = QStringLiteral("--%1 needs a whole number, not \"%2\"").arg(name, parser.value(name));
    return ok ? value : fallback;
}

QList<int> RenderCommand::intListOption(const QCommandLineParser &parser, const QString &name,
                                        QString &error)
{
    QList<int> values;
    for (const QString &item : parser.values(name)) {
        for (const QString &part : item.split(',', Qt::SkipEmptyParts)) {
            bool ok = false;
            values.append(part.trimmed().toInt(&ok));
            if (!ok)
                error = QStringLiteral("--%1 needs whole numbers, not \"%2\"").arg(name, part);
        }
    }
    return values;
}

std::uint32_t RenderCommand::colourOption(const QCommandLineParser &parser, const QString &name,
                                          std::uint32_t fallback, QString &error)
{
    if (!parser.isSet(name))
        return fallback;
    // 0x00BBGGRR in hex (0x...), or decimal; system colours as 0x800000NN.
    bool ok = false;
    const QString text = parser.value(name);
    const std::uint32_t value = text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)
        ? text.mid(2).toUInt(&ok, 16)
        : text.toUInt(&ok, 10);
    if (!ok)
        error = QStringLiteral("--%1 needs a colour such as 0x7BA7D3, not \"%2\"").arg(name, text);
    return ok ? value : fallback;
}
