#pragma once

#include <QDate>
#include <QString>

namespace kesvar {

enum class DbEngine { Sqlite, Postgres };

// The few places where SQLite and PostgreSQL need different SQL text. Everything else the core
// writes is plain SQL that both engines accept, with every value bound.
class SqlDialect
{
public:
    explicit SqlDialect(DbEngine engine) : m_engine(engine) {}

    DbEngine engine() const { return m_engine; }
    bool isSqlite() const { return m_engine == DbEngine::Sqlite; }

    // Column types for the schema.
    QString autoIdColumn() const;
    QString textType(int size) const;
    QString caseInsensitiveTextType(int size) const;
    QString memoType() const;
    QString doubleType() const;
    QString integerType() const;
    QString boolType() const;
    QString dateType() const;

    // A constant date inside view text (never for user values, which are bound).
    QString dateLiteral(const QDate &date) const;

    // Case-insensitive LIKE with '\' as escape character; pair with containsPattern().
    QString likeOperator() const;
    QString likeEscape() const { return QStringLiteral(" ESCAPE '\\'"); }

    // Statements for the unit of work. SQLite takes the write lock at BEGIN so that two writers wait
    // for each other (busy timeout) instead of failing when a reader upgrades to a writer.
    QString beginTransaction() const;
    static QString savepoint(int level);
    static QString releaseSavepoint(int level);
    static QString rollbackToSavepoint(int level);

    // A query with one bound parameter (the table name) that returns a row when the table exists.
    QString tableExistsQuery() const;

    // True when the engine's error text reports a violated unique index.
    bool isUniqueViolation(const QString &engineText) const;

private:
    DbEngine m_engine;
};

// A search text made into a LIKE pattern that matches it anywhere, with the user's own '%', '_'
// and '\' matching themselves. Use with SqlDialect::likeOperator() and likeEscape().
QString containsPattern(const QString &text);
QString startsWithPattern(const QString &text);
QString escapeLike(const QString &text);

} // namespace kesvar
