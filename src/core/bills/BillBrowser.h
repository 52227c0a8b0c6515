#pragma once

#include <QString>
#include <QStringList>

namespace kesvar {

class Database;

// The bills of one type as the bill window pages through them: oldest first by date, then number,
// starting at the newest. Moving past either end stays on the end bill and reports it, as a
// dataset's move does, so the window can disable the button on the next press.
class BillBrowser
{
public:
    BillBrowser(const Database &db, QString billType);

    // Reads the type's bills again and shows the newest (or `locateCode` when a bill begins with it).
    void reload(const QString &locateCode = {});
    int count() const { return int(m_codes.size()); }
    bool isEmpty() const { return m_codes.isEmpty(); }
    // The shown bill's number, empty when the type has no bills.
    QString currentCode() const;
    // "采购入库单 - 共12张此类单据"
    QString caption() const;

    // One bill back / forward. False when the move hit the beginning / end (nothing moved).
    bool prior();
    bool next();
    // Shows the bill whose number begins with `code`; false when there is none.
    bool locate(const QString &code);

private:
    const Database &m_db;
    QString m_billType;
    QStringList m_codes;
    int m_index = -1;
};

} // namespace kesvar
