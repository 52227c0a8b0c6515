#pragma once

#include <QString>
#include <QStringList>

namespace kesvar {

class Database;

// The rows a database must hold before first use. Grid layouts (T_FieldShow) come from one JSON file
// per grid key in the core resources, so a window that brings a new key adds its file and existing
// databases receive the rows on their next open.
class SeedData
{
public:
    explicit SeedData(Database &db) : m_db(db) {}

    void insertAll();
    // Inserts the layout of every known grid key that the database has no rows for.
    void addMissingGridLayouts();

    static QStringList gridKeys();

    static const QString AdminName;
    static const QString SuperRole;
    static const QString OrdinaryRole;

private:
    void insertOptions();
    void insertBillTypes();
    void insertUsersAndAuthority();
    void insertClearActions();
    void insertImportMappings();
    void insertGridLayout(const QString &resourcePath);

    Database &m_db;
};

} // namespace kesvar
