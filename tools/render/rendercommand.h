#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QImage>
#include <QList>
#include <QSize>
#include <memory>
#include <vector>

// One subcommand of tervolan-render: a control kind it can draw. A new
// control joins the renderer with one .cpp file defining a subclass and
// registering it with RenderCommand::add.
class RenderCommand {
public:
    virtual ~RenderCommand() = default;

    virtual QString name() const = 0;
    virtual QString description() const = 0;
    virtual QSize defaultSize() const = 0;
    virtual QList<QCommandLineOption> options() const = 0;
    // How many plain arguments may follow the command's name.
    virtual int positionalCount() const { return 0; }
    // Draws the control at `size` as the parsed options configure it.
    // Returns a null image and sets error when an option is unusable.
    virtual QImage render(const QCommandLineParser &parser, QSize size, QString &error) const = 0;

    static bool add(std::unique_ptr<RenderCommand> command);
    static const std::vector<std::unique_ptr<RenderCommand>> &all();
    static const RenderCommand *find(const QString &name);

    // Parsing helpers for the subclasses; they report through error.
    static int intOption(const QCommandLineParser &parser, const QString &name, int fallback,
                         QString &error);
    static QList<int> intListOption(const QCommandLineParser &parser, const QString &name,
                                    QString &error);
    static std::uint32_t colourOption(const QCommandLineParser &parser, const QString &name,
                                      std::uint32_t fallback, QString &error);
};
