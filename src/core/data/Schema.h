#pragma once

#include <QString>
#include <vector>

namespace kesvar {

// The one description of the database: every table, column and index, each with the schema
// version that introduced it. New databases are created from it; older ones are brought up to date
// from it (tables, columns and indexes newer than the stored version are added), so a column added
// here reaches existing databases without losing their rows.

enum class ColumnType { AutoId, Integer, Double, Bool, Date, Text, CaseInsensitiveText, Memo };

struct ColumnDef
{
    QString name;
    ColumnType type;
    int size = 50;
    int since = 1;
};

struct TableDef
{
    QString name;
    std::vector<ColumnDef> columns;
    int since = 1;
};

struct IndexDef
{
    QString name;
    QString table;
    QString columns; // comma separated
    bool unique = false;
    int since = 1;
};

namespace Schema {

// Version 1: the tables and the unique keys. Version 2: indexes for bill lookups and reports.
constexpr int CurrentVersion = 2;

const std::vector<TableDef> &tables();
const std::vector<IndexDef> &indexes();
const TableDef *table(const QString &name);

} // namespace Schema
} // namespace kesvar
