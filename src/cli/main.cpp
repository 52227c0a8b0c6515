#include "CliContext.h"
#include "CommandRegistry.h"
#include "app/DataFolder.h"
#include "data/DbError.h"
#include "render/GuiSupport.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>
#include <memory>

using namespace kesvar;
using namespace kesvar::cli;

namespace {

struct GlobalOptions
{
    QString home;
    OutputFormat format = OutputFormat::Csv;
    QStringList rest;
};

GlobalOptions parseGlobalOptions(const QStringList &arguments)
{
    GlobalOptions options;
    int i = 1;
    for (; i < arguments.size(); ++i) {
        const QString &arg = arguments.at(i);
        auto takeValue = [&](const QString &name) {
            if (i + 1 >= arguments.size())
                throw UsageError(QStringLiteral("%1 needs a value").arg(name));
            return arguments.at(++i);
        };
        if (arg == QLatin1String("--home")) {
            options.home = takeValue(arg);
        } else if (arg.startsWith(QLatin1String("--home="))) {
            options.home = arg.mid(7);
        } else if (arg == QLatin1String("--format") || arg.startsWith(QLatin1String("--format="))) {
            const QString value = arg.contains(QLatin1Char('=')) ? arg.section(QLatin1Char('='), 1) : takeValue(arg);
            if (value == QLatin1String("csv"))
                options.format = OutputFormat::Csv;
            else if (value == QLatin1String("json"))
                options.format = OutputFormat::Json;
            else
                throw UsageError(QStringLiteral("unknown format \"%1\" (csv or json)").arg(value));
        } else {
            break;
        }
    }
    options.rest = arguments.mid(i);
    return options;
}

// Printing paints text, which needs the GUI library (without a display); every other command runs
// on Qt Core alone.
bool commandPaints(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "--home" || arg == "--format")
            ++i;
        else if (!arg.startsWith("--"))
            return arg == "print";
    }
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    std::unique_ptr<QCoreApplication> app;
    if (commandPaints(argc, argv)) {
        kesvar::render::prepareWindowlessGui();
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("Kesvar"));
    QTextStream err(stderr);

    try {
        const GlobalOptions options = parseGlobalOptions(QCoreApplication::arguments());
        if (options.rest.isEmpty() || options.rest.first() == QLatin1String("help")
            || options.rest.first() == QLatin1String("--help")) {
            QTextStream(stdout) << CommandRegistry::instance().helpText();
            return options.rest.isEmpty() ? 2 : 0;
        }
        const Command *command = CommandRegistry::instance().find(options.rest.first());
        if (!command)
            throw UsageError(QStringLiteral("unknown command \"%1\"\n").arg(options.rest.first())
                             + CommandRegistry::instance().helpText());
        CliContext context(DataFolder::resolve(options.home, QCoreApplication::applicationDirPath()), options.format);
        return command->handler(context, options.rest.mid(1));
    } catch (const UsageError &e) {
        err << e.text() << Qt::endl;
        return 2;
    } catch (const RuleError &e) {
        err << e.message() << Qt::endl;
        return 1;
    } catch (const DbError &e) {
        err << e.text() << Qt::endl;
        return 3;
    } catch (const std::exception &e) {
        err << QString::fromUtf8(e.what()) << Qt::endl;
        return 3;
    }
}
