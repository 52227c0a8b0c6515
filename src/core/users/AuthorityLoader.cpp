#include "users/AuthorityLoader.h"

#include "data/Database.h"

#include <QHash>
#include <QSet>

namespace kesvar {

namespace {
const QHash<QString, int> &rowsByCode()
{
    static const QHash<QString, int> rows = [] {
        QHash<QString, int> byCode;
        const auto &items = AuthorityItems::all();
        for (int i = 0; i < int(items.size()); ++i)
            byCode.insert(items[size_t(i)].code, i + 1);
        return byCode;
    }();
    return rows;
}
} // namespace

AuthorityFlags AuthorityLoader::load(const QString &operatorName) const
{
    const RowSet rows = m_db.select(
        QStringLiteral("SELECT Code, Authority FROM T_UserAuthority WHERE UserName = ? ORDER BY UserAuthorityID"),
        {operatorName});
    AuthorityFlags flags;
    QSet<int> seen; // a duplicated code counts once, by its first row
    for (int r = 0; r < rows.rowCount(); ++r) {
        const int row = rowsByCode().value(rows.value(r, 0).toString().trimmed(), 0);
        if (row == 0 || seen.contains(row))
            continue;
        seen.insert(row);
        flags.set(row, rows.value(r, 1).toBool());
    }
    return flags;
}

} // namespace kesvar
