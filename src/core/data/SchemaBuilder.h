#pragma once

#include <QString>

namespace kesvar {

class Database;
struct ColumnDef;

// Creates the schema with its seed rows on an empty database, or upgrades an older one in place.
class SchemaBuilder
{
public:
    explicit SchemaBuilder(Database &db) : m_db(db) {}

    // 0 when the database holds none of this system's tables.
    int installedVersion() const;

    // Creates or upgrades as needed, in one transaction, and adds grid layouts that a newer program
    // brings. Throws DbError on failure (nothing is left half-done) and when the database was made
    // by a newer program.
    void prepare();

    // Builds the schema as it stood at `version`, with the seed rows (for upgrade tests).
    void createAt(int version);

private:
    void createObjects(int fromVersion, int toVersion);
    void recreateViews();
    void setVersion(int version);
    void ensureCaseInsensitiveType();
    QString columnSql(const ColumnDef &column) const;

    Database &m_db;
};

} // namespace kesvar
