#include "CliContext.h"

#include "RowWriter.h"
#include "data/DbError.h"

#include <QFile>
#include <cstdio>

namespace kesvar::cli {

CliContext::CliContext(QString homeFolder, OutputFormat format)
    : m_homeFolder(std::move(homeFolder))
    , m_format(format)
    , m_out(stdout)
    , m_err(stderr)
{
}

AppHome &CliContext::home()
{
    if (!m_home)
        m_home = std::make_unique<AppHome>(m_homeFolder);
    return *m_home;
}

Database &CliContext::db()
{
    if (!m_db) {
        if (!home().databaseExists())
            throw DbError(QStringLiteral("no database in %1: run \"kesvar-cli init\" first").arg(m_homeFolder));
        m_db = home().openDatabase();
    }
    return *m_db;
}

void CliContext::writeRows(const RowSet &rows)
{
    if (m_format == OutputFormat::Json)
        RowWriter::writeJson(m_out, rows);
    else
        RowWriter::writeCsv(m_out, rows);
    m_out.flush();
}

QString CliContext::readStdin()
{
    QFile in;
    if (!in.open(stdin, QIODevice::ReadOnly))
        return {};
    QString text = QString::fromUtf8(in.readAll());
    while (text.endsWith(QLatin1Char('\n')) || text.endsWith(QLatin1Char('\r')))
        text.chop(1);
    return text;
}

} // namespace kesvar::cli
