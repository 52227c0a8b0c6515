#include "masterdata/Partners.h"

#include "data/Database.h"
#include "data/DbError.h"
#include "masterdata/MasterCodes.h"
#include "masterdata/MasterSave.h"
#include "masterdata/QuickCode.h"
#include "masterdata/SearchCriteria.h"
#include "masterdata/ValidationError.h"

#include <QSqlQuery>

namespace kesvar {

namespace {

const QString kDuplicateCode = QStringLiteral("往来单位编码重复,请换一个编码!");

const QString kSelect = QStringLiteral(
    "SELECT CustID, CustCode, CustName, barCode, Contact, Tel, Mobile, Fax, Zip, Email, Address, URL, BankName,"
    " BankAccount, CustType, gys, kh, Memo, flag FROM T_Custom");

QVariantList editableValues(const Partner &p)
{
    return {p.custCode, p.barCode, p.bankName, p.custName, p.bankAccount, p.contact, p.tel, p.mobile,
            p.fax, p.zip, p.email, p.address, p.url, p.gys, p.kh, p.memo};
}

Partner normalized(const Partner &input)
{
    Partner p = input;
    p.custCode = p.custCode.trimmed();
    p.custName = p.custName.trimmed();
    if (p.barCode.isEmpty())
        p.barCode = QuickCode(p.custName);
    return p;
}

} // namespace

const QStringList &Partners::columns()
{
    static const QStringList names = {
        QStringLiteral("CustID"), QStringLiteral("CustCode"), QStringLiteral("CustName"), QStringLiteral("barCode"),
        QStringLiteral("Contact"), QStringLiteral("Tel"), QStringLiteral("Mobile"), QStringLiteral("Fax"),
        QStringLiteral("Zip"), QStringLiteral("Email"), QStringLiteral("Address"), QStringLiteral("URL"),
        QStringLiteral("BankName"), QStringLiteral("BankAccount"), QStringLiteral("CustType"), QStringLiteral("gys"),
        QStringLiteral("kh"), QStringLiteral("Memo"), QStringLiteral("flag")};
    return names;
}

RowSet Partners::select(const QString &tail, const QVariantList &params) const
{
    return m_db.select(kSelect + tail, params, columns());
}

RowSet Partners::list(bool disabled) const
{
    PartnerSearch everyKind;
    everyKind.disabled = disabled;
    return search(everyKind);
}

RowSet Partners::all() const
{
    return select(QStringLiteral(" ORDER BY CustCode"), {});
}

RowSet Partners::search(const PartnerSearch &c) const
{
    SearchCriteria where(m_db.dialect());
    where.contains(QStringLiteral("CustCode"), c.custCode);
    where.equals(QStringLiteral("barCode"), c.barCode);
    where.equals(QStringLiteral("CustName"), c.custName);
    where.equals(QStringLiteral("Contact"), c.contact);
    where.equals(QStringLiteral("Tel"), c.tel);
    switch (c.kind) {
    case PartnerKind::Any:
        break;
    case PartnerKind::Suppliers:
        where.add(QStringLiteral("gys = TRUE"));
        break;
    case PartnerKind::Customers:
        where.add(QStringLiteral("kh = TRUE"));
        break;
    case PartnerKind::SuppliersOrCustomers:
        where.add(QStringLiteral("gys = TRUE OR kh = TRUE"));
        break;
    }
    where.add(QStringLiteral("flag = ?"), c.disabled);
    return select(where.whereClause() + QStringLiteral(" ORDER BY CustCode"), where.params());
}

std::optional<Partner> Partners::find(const QString &code) const
{
    const RowSet rows = select(QStringLiteral(" WHERE CustCode = ?"), {code.trimmed()});
    if (rows.isEmpty())
        return std::nullopt;
    return fromRow(rows, 0);
}

Partner Partners::fromRow(const RowSet &rows, int r)
{
    auto text = [&](const char *column) { return rows.value(r, QLatin1String(column)).toString(); };
    Partner p;
    p.custCode = text("CustCode");
    p.barCode = text("barCode");
    p.bankName = text("BankName");
    p.custName = text("CustName");
    p.bankAccount = text("BankAccount");
    p.gys = rows.value(r, QStringLiteral("gys")).toBool();
    p.kh = rows.value(r, QStringLiteral("kh")).toBool();
    p.contact = text("Contact");
    p.tel = text("Tel");
    p.mobile = text("Mobile");
    p.fax = text("Fax");
    p.zip = text("Zip");
    p.email = text("Email");
    p.address = text("Address");
    p.url = text("URL");
    p.memo = text("Memo");
    p.flag = rows.value(r, QStringLiteral("flag")).toBool();
    return p;
}

void Partners::validate(const Partner &input, bool adding) const
{
    const Partner p = normalized(input);
    if (p.custCode.isEmpty())
        throw ValidationError(QStringLiteral("请输入编码！!"), QStringLiteral("CustCode"));
    if (p.custName.isEmpty())
        throw ValidationError(QStringLiteral("请输入往来单位名称！!"), QStringLiteral("CustName"));
    if (adding && codes().taken(p.custCode))
        throw ValidationError::duplicate(kDuplicateCode, QStringLiteral("CustCode"));
}

void Partners::add(const Partner &input)
{
    const Partner p = normalized(input);
    MasterSave::run(m_db, kDuplicateCode, QStringLiteral("CustCode"), [&] {
        validate(p, true);
        m_db.exec(QStringLiteral("INSERT INTO T_Custom (CustCode, barCode, BankName, CustName, BankAccount, Contact,"
                                 " Tel, Mobile, Fax, Zip, Email, Address, URL, gys, kh, Memo, flag)"
                                 " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, FALSE)"),
                  editableValues(p));
    });
}

void Partners::update(const QString &previousCodeInput, const Partner &input)
{
    const Partner p = normalized(input);
    const QString previousCode = previousCodeInput.trimmed();
    MasterSave::run(m_db, kDuplicateCode, QStringLiteral("CustCode"), [&] {
        validate(p, false);
        if (p.custCode != previousCode && codes().taken(p.custCode, previousCode))
            throw ValidationError::duplicate(kDuplicateCode, QStringLiteral("CustCode"));
        QVariantList values = editableValues(p);
        values << previousCode;
        QSqlQuery update = m_db.exec(
            QStringLiteral("UPDATE T_Custom SET CustCode = ?, barCode = ?, BankName = ?, CustName = ?, BankAccount = ?,"
                           " Contact = ?, Tel = ?, Mobile = ?, Fax = ?, Zip = ?, Email = ?, Address = ?, URL = ?,"
                           " gys = ?, kh = ?, Memo = ? WHERE CustCode = ?"),
            values);
        codes().requireUpdated(update, previousCode);
    });
}

MasterCodes Partners::codes() const
{
    return MasterCodes(m_db, QStringLiteral("T_Custom"), QStringLiteral("CustCode"),
                       QStringLiteral("往来单位编码\"%1\"不存在!"));
}

void Partners::setDisabled(const QString &code, bool disabled)
{
    codes().setDisabled(code, disabled);
}

void Partners::remove(const QString &code)
{
    codes().remove(code);
}

} // namespace kesvar
