#pragma once

#include <QString>

class QSqlQuery;

namespace kesvar {

class Database;

// The code column of a master table (products, partners): the record's key everywhere else.
// Codes are compared trimmed; a code counts as taken ignoring letter case, as the store compares
// names, so "a1" cannot be added beside "A1".
class MasterCodes
{
public:
    // `missingMessage` holds %1 for the code, e.g. "钢材编码\"%1\"不存在!".
    MasterCodes(Database &db, QString table, QString codeColumn, QString missingMessage);

    // Whether another record than `except` already has `code`.
    bool taken(const QString &code, const QString &except = {}) const;
    // RuleError with the missing message when no record has `code`.
    void requireExisting(const QString &code) const;
    // An update by code that found no row: the record was deleted meanwhile (e.g. at another
    // workstation), so the save must not report success.
    void requireUpdated(const QSqlQuery &update, const QString &code) const;

    void setDisabled(const QString &code, bool disabled);
    // The record's row only.
    void remove(const QString &code);

private:
    Database &m_db;
    QString m_table;
    QString m_column;
    QString m_missingMessage;
};

} // namespace kesvar
