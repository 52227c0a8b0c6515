#pragma once

#include "app/AppHome.h"
#include "data/Database.h"
#include "data/RowSet.h"

#include <QString>
#include <QTextStream>
#include <memory>
#include <stdexcept>

namespace kesvar::cli {

enum class OutputFormat { Csv, Json };

// A wrong command line: exit status 2 with the text on standard error.
class UsageError : public std::runtime_error
{
public:
    explicit UsageError(const QString &text) : std::runtime_error(text.toStdString()), m_text(text) {}
    QString text() const { return m_text; }

private:
    QString m_text;
};

// What every command works with: the data folder, the output format and the database.
class CliContext
{
public:
    CliContext(QString homeFolder, OutputFormat format);

    AppHome &home();
    OutputFormat format() const { return m_format; }
    // The existing database; a missing one is a database error (run `init` first).
    Database &db();

    QTextStream &out() { return m_out; }
    QTextStream &err() { return m_err; }
    void writeRows(const RowSet &rows);
    // Standard input as text, without the final line break (passwords, JSON from "-").
    QString readStdin();

private:
    QString m_homeFolder;
    OutputFormat m_format;
    std::unique_ptr<AppHome> m_home;
    std::unique_ptr<Database> m_db;
    QTextStream m_out;
    QTextStream m_err;
};

} // namespace kesvar::cli
