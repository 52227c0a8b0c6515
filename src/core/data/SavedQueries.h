#pragma once

#include <QString>
#include <vector>

namespace kesvar {

class SqlDialect;

struct SavedQuery
{
    QString name;
    QString sql;
};

// The two views every report reads like tables.
//
// S_StartDetail: every stock movement. Opening stock rows are receipts (+1) dated 1900-01-01, priced
// at their opening price. A transfer line appears twice: as the issue from its bill's warehouse (as
// stored, -1) and as a receipt into the destination warehouse held in the bill's CustName (+1), so
// a transfer moves stock instead of making it vanish from the company's total.
//
// S_BillDetail: every bill line with its header, once each; the line remark is `memo`, the header
// remark `BillMemo`.
namespace SavedQueries {
std::vector<SavedQuery> all(const SqlDialect &dialect);
QString startDetailSql(const SqlDialect &dialect);
QString billDetailSql();
} // namespace SavedQueries

} // namespace kesvar
