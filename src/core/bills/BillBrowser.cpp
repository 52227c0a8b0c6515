#include "bills/BillBrowser.h"

#include "bills/BillStore.h"

namespace kesvar {

BillBrowser::BillBrowser(const Database &db, QString billType)
    : m_db(db)
    , m_billType(std::move(billType))
{
}

void BillBrowser::reload(const QString &locateCode)
{
    m_codes = BillStore(m_db).codesOfType(m_billType);
    m_index = int(m_codes.size()) - 1;
    if (!locateCode.isEmpty())
        locate(locateCode);
}

QString BillBrowser::currentCode() const
{
    return m_index >= 0 && m_index < m_codes.size() ? m_codes.at(m_index) : QString();
}

QString BillBrowser::caption() const
{
    return m_billType + QStringLiteral("单 - 共") + QString::number(m_codes.size()) + QStringLiteral("张此类单据");
}

bool BillBrowser::prior()
{
    if (m_index <= 0)
        return false;
    --m_index;
    return true;
}

bool BillBrowser::next()
{
    if (m_index >= m_codes.size() - 1)
        return false;
    ++m_index;
    return true;
}

bool BillBrowser::locate(const QString &code)
{
    for (int i = 0; i < m_codes.size(); ++i) {
        if (m_codes.at(i).startsWith(code)) {
            m_index = i;
            return true;
        }
    }
    return false;
}

} // namespace kesvar
