#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <map>

namespace kesvar::cli {

class CliContext;

// Returns the exit status. Throws UsageError (2), RuleError (1) or DbError (3).
using CommandHandler = std::function<int(CliContext &, const QStringList &args)>;

struct Command
{
    QString usage; // one line for the help text
    CommandHandler handler;
};

// Each commands/*.cpp file registers its top-level command words with a static CommandRegistration.
class CommandRegistry
{
public:
    static CommandRegistry &instance();
    void add(const QString &name, Command command);
    const Command *find(const QString &name) const;
    QString helpText() const;

private:
    std::map<QString, Command> m_commands;
};

struct CommandRegistration
{
    CommandRegistration(const char *name, const char *usage, CommandHandler handler)
    {
        CommandRegistry::instance().add(QString::fromUtf8(name), {QString::fromUtf8(usage), std::move(handler)});
    }
};

// Splits KEY=VALUE arguments; a missing "=" is a usage error.
std::map<QString, QString> keyValueArguments(const QStringList &args);

} // namespace kesvar::cli
