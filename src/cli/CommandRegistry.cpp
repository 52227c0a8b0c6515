#include "CommandRegistry.h"

#include "CliContext.h"

namespace kesvar::cli {

CommandRegistry &CommandRegistry::instance()
{
    static CommandRegistry registry;
    return registry;
}

void CommandRegistry::add(const QString &name, Command command)
{
    m_commands[name] = std::move(command);
}

const Command *CommandRegistry::find(const QString &name) const
{
    const auto it = m_commands.find(name);
    return it == m_commands.end() ? nullptr : &it->second;
}

QString CommandRegistry::helpText() const
{
    QString text = QStringLiteral("usage: kesvar-cli [--home DIR] [--format csv|json] COMMAND [ARGS...]\n\ncommands:\n");
    for (const auto &[name, command] : m_commands)
        text += QStringLiteral("  %1\n").arg(command.usage);
    return text;
}

std::map<QString, QString> keyValueArguments(const QStringList &args)
{
    std::map<QString, QString> pairs;
    for (const QString &arg : args) {
        const qsizetype eq = arg.indexOf(QLatin1Char('='));
        if (eq <= 0)
            throw UsageError(QStringLiteral("expected KEY=VALUE, got \"%1\"").arg(arg));
        pairs[arg.left(eq)] = arg.mid(eq + 1);
    }
    return pairs;
}

} // namespace kesvar::cli
