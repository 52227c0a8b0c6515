#include "masterdata/CompanyInfo.h"

#include "data/Database.h"
#include "data/Transaction.h"

namespace kesvar {

Company CompanyInfo::load() const
{
    const RowSet rows = m_db.select(
        QStringLiteral("SELECT Company, Contact, Address, Zip, Tel, Fax, Email FROM T_Company"));
    if (rows.isEmpty())
        return {};
    auto text = [&](int c) { return rows.value(0, c).toString(); };
    return {text(0), text(1), text(2), text(3), text(4), text(5), text(6)};
}

void CompanyInfo::save(const Company &c)
{
    const QVariantList values = {c.company.trimmed(), c.contact.trimmed(), c.address.trimmed(), c.zip.trimmed(),
                                 c.tel.trimmed(), c.fax.trimmed(), c.email.trimmed()};
    Transaction tx(m_db);
    if (m_db.hasRows(QStringLiteral("SELECT 1 FROM T_Company")))
        m_db.exec(QStringLiteral("UPDATE T_Company SET Company = ?, Contact = ?, Address = ?, Zip = ?, Tel = ?,"
                                 " Fax = ?, Email = ?"), values);
    else
        m_db.exec(QStringLiteral("INSERT INTO T_Company (Company, Contact, Address, Zip, Tel, Fax, Email)"
                                 " VALUES (?, ?, ?, ?, ?, ?, ?)"), values);
    tx.commit();
}

} // namespace kesvar
