#pragma once

#include "data/RowSet.h"

#include <QString>
#include <optional>

namespace kesvar {

class Database;
class MasterCodes;

// One trading partner (T_Custom): a supplier, a customer, both or neither.
struct Partner
{
    QString custCode;
    QString barCode; // quick code; built from the name when empty
    QString bankName;
    QString custName;
    QString bankAccount;
    bool gys = false; // supplier
    bool kh = false;  // customer
    QString contact;
    QString tel;
    QString mobile;
    QString fax;
    QString zip;
    QString email;
    QString address;
    QString url;
    QString memo;
    bool flag = false; // disabled; changed only by setDisabled()
};

enum class PartnerKind { Any, Suppliers, Customers, SuppliersOrCustomers };

// The partner list's search boxes: the code is contained, the other texts must match whole.
struct PartnerSearch
{
    QString custCode;
    QString barCode;
    QString custName;
    QString contact;
    QString tel;
    PartnerKind kind = PartnerKind::Any;
    bool disabled = false;
};

// The partner master. Bills keep the partner name they were saved with, so no other table
// changes with a partner.
class Partners
{
public:
    explicit Partners(Database &db) : m_db(db) {}

    static const QStringList &columns();

    // Enabled (or disabled) partners by code.
    RowSet list(bool disabled = false) const;
    // Every partner, disabled ones included (what the editor walks while adding).
    RowSet all() const;
    RowSet search(const PartnerSearch &criteria) const;
    std::optional<Partner> find(const QString &code) const;
    static Partner fromRow(const RowSet &rows, int row);

    void validate(const Partner &partner, bool adding) const;
    void add(const Partner &partner);
    void update(const QString &previousCode, const Partner &partner);
    void setDisabled(const QString &code, bool disabled);
    void remove(const QString &code);

private:
    RowSet select(const QString &tail, const QVariantList &params) const;
    MasterCodes codes() const;

    Database &m_db;
};

} // namespace kesvar
