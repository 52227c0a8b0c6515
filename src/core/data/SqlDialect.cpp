#include "data/SqlDialect.h"

namespace kesvar {

QString SqlDialect::autoIdColumn() const
{
    return isSqlite() ? QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT")
                      : QStringLiteral("SERIAL PRIMARY KEY");
}

QString SqlDialect::textType(int size) const
{
    return QStringLiteral("VARCHAR(%1)").arg(size);
}

QString SqlDialect::caseInsensitiveTextType(int size) const
{
    // citext has no length modifier; the size is kept by the editors.
    return isSqlite() ? QStringLiteral("VARCHAR(%1) COLLATE NOCASE").arg(size) : QStringLiteral("CITEXT");
}

QString SqlDialect::memoType() const { return QStringLiteral("TEXT"); }
QString SqlDialect::doubleType() const { return isSqlite() ? QStringLiteral("REAL") : QStringLiteral("DOUBLE PRECISION"); }
QString SqlDialect::integerType() const { return QStringLiteral("INTEGER"); }
QString SqlDialect::boolType() const { return QStringLiteral("BOOLEAN"); }
QString SqlDialect::dateType() const { return QStringLiteral("DATE"); }

QString SqlDialect::dateLiteral(const QDate &date) const
{
    const QString text = date.toString(QStringLiteral("yyyy-MM-dd"));
    return isSqlite() ? QStringLiteral("'%1'").arg(text) : QStringLiteral("DATE '%1'").arg(text);
}

QString SqlDialect::likeOperator() const
{
    return isSqlite() ? QStringLiteral("LIKE") : QStringLiteral("ILIKE");
}

QString SqlDialect::beginTransaction() const
{
    return isSqlite() ? QStringLiteral("BEGIN IMMEDIATE") : QStringLiteral("BEGIN");
}

QString SqlDialect::savepoint(int level) { return QStringLiteral("SAVEPOINT kesvar_sp%1").arg(level); }
QString SqlDialect::releaseSavepoint(int level) { return QStringLiteral("RELEASE SAVEPOINT kesvar_sp%1").arg(level); }
QString SqlDialect::rollbackToSavepoint(int level) { return QStringLiteral("ROLLBACK TO SAVEPOINT kesvar_sp%1").arg(level); }

QString SqlDialect::tableExistsQuery() const
{
    return isSqlite()
        ? QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' AND lower(name) = lower(?)")
        : QStringLiteral("SELECT 1 FROM information_schema.tables"
                         " WHERE table_schema = current_schema() AND table_name = lower(?)");
}

bool SqlDialect::isUniqueViolation(const QString &engineText) const
{
    if (isSqlite())
        return engineText.contains(QLatin1String("UNIQUE constraint failed"), Qt::CaseInsensitive);
    return engineText.contains(QLatin1String("23505"))
        || engineText.contains(QLatin1String("duplicate key"), Qt::CaseInsensitive);
}

QString escapeLike(const QString &text)
{
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar c : text) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('%') || c == QLatin1Char('_'))
            escaped += QLatin1Char('\\');
        escaped += c;
    }
    return escaped;
}

QString containsPattern(const QString &text)
{
    return QLatin1Char('%') + escapeLike(text) + QLatin1Char('%');
}

QString startsWithPattern(const QString &text)
{
    return escapeLike(text) + QLatin1Char('%');
}

} // namespace kesvar
