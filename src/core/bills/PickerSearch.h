#pragma once

#include "data/RowSet.h"

namespace kesvar {

class Database;

// The searches of the product and partner pickers. Every value is bound; a user's % or _ matches
// itself.
namespace PickerSearch {

struct ProductCriteria
{
    QString code;      // contains
    QString grade;     // 钢种, equal
    QString quickCode; // contains
    QString spec;      // contains
    QString material;  // equal
    QString origin;    // equal
    QString name;      // contains
    bool disabled = false; // search discontinued products instead of current ones
};

enum class PartnerKind { Any, Suppliers, Customers, SuppliersOrCustomers };

struct PartnerCriteria
{
    QString code;      // contains
    QString quickCode; // equal
    QString name;      // equal
    QString contact;   // equal
    QString tel;       // equal
    PartnerKind kind = PartnerKind::Any;
    bool disabled = false;
};

// All T_Goods columns of the matching products, newest first.
RowSet products(const Database &db, const ProductCriteria &criteria);
// Current products ("刷新" and the picker's first list).
RowSet currentProducts(const Database &db);

RowSet partners(const Database &db, const PartnerCriteria &criteria);
// Every partner, discontinued ones included, in table order (the picker's first list).
RowSet allPartners(const Database &db);
// Current partners by code ("刷新").
RowSet currentPartners(const Database &db);

// The suggestion lists of the product search: grades, materials, origins.
QStringList dictionary(const Database &db, const QString &type);
// Warehouse names, salespeople, invoice types and transport methods for the bill header.
QStringList warehouses(const Database &db);

} // namespace PickerSearch
} // namespace kesvar
