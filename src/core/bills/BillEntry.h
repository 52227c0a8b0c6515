#pragma once

#include "bills/BillActions.h"

#include <optional>

namespace kesvar {

class Database;

// A bill described by values only, as another system or the sample data hands it over: lines name
// a product and may leave out the price, the basis and the quantities.
struct LineRequest
{
    QString goodsCode;
    QString cjtype; // empty: "数量"
    double number = 0;
    double weight = 0;
    std::optional<double> price;
    QString memo;
};

struct BillRequest
{
    BillHeader header; // billCode empty for a new bill, else the bill to edit
    QList<LineRequest> lines;
};

// Enters a bill the way the bill window does: a new bill is numbered from its date, each line is
// completed from its product as the picker does (proposed price when none is given, cost price),
// and the bill goes through the ordinary save with its checks and rounding. An edit replaces the
// stored header and lines, and is refused for an approved bill.
class BillEntry
{
public:
    BillEntry(Database &db, int pricePlaces, int quantityPlaces)
        : m_db(db), m_pricePlaces(pricePlaces), m_quantityPlaces(quantityPlaces) {}

    SaveOutcome save(const BillRequest &request, const QDate &today = QDate::currentDate());

    static QString unknownProductMessage(const QString &goodsCode);

private:
    Database &m_db;
    int m_pricePlaces;
    int m_quantityPlaces;
};

} // namespace kesvar
