#pragma once

#include <QByteArray>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

namespace kesvar::test {

struct CliResult
{
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs kesvar-cli with `args` (after "--home <home>"), feeding `input` on standard input.
inline CliResult runCli(const QString &home, const QStringList &args, const QByteArray &input = {})
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("KESVAR_HOME"));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(KESVAR_CLI_PATH), QStringList{QStringLiteral("--home"), home} + args);
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(120000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

} // namespace kesvar::test
