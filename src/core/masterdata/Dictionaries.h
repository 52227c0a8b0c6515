#pragma once

#include "data/RowSet.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace kesvar {

class Database;

// One kind of suggestion list (T_Other.Type) with the caption of its window and menu item.
struct DictionaryKind
{
    QString typeCode;
    QString caption;
};

// The small suggestion dictionaries (T_Other). Entries are plain texts copied into products and
// bills, so changing or deleting one touches no other table. Type codes ignore letter case
// ("cd" finds entries stored as "CD").
class Dictionaries
{
public:
    explicit Dictionaries(Database &db) : m_db(db) {}

    // The eight kinds: unit, worker, SKtype, Ystype, gz, FPtype, cz, CD.
    static const std::vector<DictionaryKind> &kinds();
    // The caption for a type code written exactly as one of the eight; empty otherwise.
    static QString captionOf(const QString &typeCode);

    // Columns ID, Name of one kind, in the order they were added.
    RowSet list(const QString &typeCode) const;
    // The trimmed names, as a suggestion box offers them.
    QStringList names(const QString &typeCode) const;

    // Names are stored trimmed; returns the new row's ID.
    int add(const QString &typeCode, const QString &name);
    void rename(int id, const QString &typeCode, const QString &name);
    void remove(int id);

private:
    Database &m_db;
};

} // namespace kesvar
