#include "data/SchemaBuilder.h"

#include "data/Database.h"
#include "data/DbError.h"
#include "data/Schema.h"
#include "data/SeedData.h"
#include "data/SavedQueries.h"
#include "data/Transaction.h"

namespace kesvar {

int SchemaBuilder::installedVersion() const
{
    if (!m_db.hasRows(m_db.dialect().tableExistsQuery(), {QStringLiteral("T_SchemaVersion")}))
        return 0;
    return m_db.scalar(QStringLiteral("SELECT MAX(Version) FROM T_SchemaVersion")).toInt();
}

QString SchemaBuilder::columnSql(const ColumnDef &column) const
{
    const SqlDialect &d = m_db.dialect();
    QString type;
    switch (column.type) {
    case ColumnType::AutoId: return column.name + QLatin1Char(' ') + d.autoIdColumn();
    case ColumnType::Integer: type = d.integerType() + QStringLiteral(" DEFAULT 0"); break;
    case ColumnType::Double: type = d.doubleType() + QStringLiteral(" DEFAULT 0"); break;
    case ColumnType::Bool: type = d.boolType() + QStringLiteral(" DEFAULT FALSE"); break;
    case ColumnType::Date: type = d.dateType(); break;
    case ColumnType::Text: type = d.textType(column.size); break;
    case ColumnType::CaseInsensitiveText: type = d.caseInsensitiveTextType(column.size); break;
    case ColumnType::Memo: type = d.memoType(); break;
    }
    return column.name + QLatin1Char(' ') + type;
}

void SchemaBuilder::ensureCaseInsensitiveType()
{
    if (m_db.dialect().isSqlite())
        return;
    if (!m_db.hasRows(QStringLiteral("SELECT 1 FROM pg_type WHERE typname = 'citext'")))
        m_db.exec(QStringLiteral("CREATE EXTENSION IF NOT EXISTS citext"));
}

void SchemaBuilder::createObjects(int fromVersion, int toVersion)
{
    for (const TableDef &table : Schema::tables()) {
        if (table.since > toVersion)
            continue;
        if (table.since > fromVersion) {
            QStringList columns;
            for (const ColumnDef &column : table.columns)
                if (column.since <= toVersion)
                    columns << columnSql(column);
            m_db.exec(QStringLiteral("CREATE TABLE %1 (%2)").arg(table.name, columns.join(QStringLiteral(", "))));
            continue;
        }
        for (const ColumnDef &column : table.columns)
            if (column.since > fromVersion && column.since <= toVersion)
                m_db.exec(QStringLiteral("ALTER TABLE %1 ADD COLUMN %2").arg(table.name, columnSql(column)));
    }
    for (const IndexDef &index : Schema::indexes()) {
        if (index.since <= fromVersion || index.since > toVersion)
            continue;
        m_db.exec(QStringLiteral("CREATE %1INDEX %2 ON %3 (%4)")
                      .arg(index.unique ? QStringLiteral("UNIQUE ") : QString(), index.name, index.table,
                           index.columns));
    }
}

void SchemaBuilder::recreateViews()
{
    for (const SavedQuery &view : SavedQueries::all(m_db.dialect())) {
        m_db.exec(QStringLiteral("DROP VIEW IF EXISTS %1").arg(view.name));
        m_db.exec(QStringLiteral("CREATE VIEW %1 AS %2").arg(view.name, view.sql));
    }
}

void SchemaBuilder::setVersion(int version)
{
    m_db.exec(QStringLiteral("DELETE FROM T_SchemaVersion"));
    m_db.exec(QStringLiteral("INSERT INTO T_SchemaVersion (Version) VALUES (?)"), {version});
}

void SchemaBuilder::createAt(int version)
{
    ensureCaseInsensitiveType();
    Transaction tx(m_db);
    createObjects(0, version);
    recreateViews();
    SeedData(m_db).insertAll();
    setVersion(version);
    tx.commit();
}

void SchemaBuilder::prepare()
{
    const int installed = installedVersion();
    if (installed > Schema::CurrentVersion)
        throw DbError(QStringLiteral("the database was made by a newer program (schema version %1, this "
                                     "program knows %2)").arg(installed).arg(Schema::CurrentVersion));
    if (installed == 0) {
        createAt(Schema::CurrentVersion);
    } else if (installed < Schema::CurrentVersion) {
        ensureCaseInsensitiveType();
        Transaction tx(m_db);
        createObjects(installed, Schema::CurrentVersion);
        recreateViews();
        setVersion(Schema::CurrentVersion);
        tx.commit();
    }
    SeedData(m_db).addMissingGridLayouts();
}

} // namespace kesvar
