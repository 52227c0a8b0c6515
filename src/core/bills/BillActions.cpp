#include "bills/BillActions.h"

#include "bills/BillNumbering.h"
#include "bills/BillStore.h"
#include "bills/BillTypes.h"
#include "bills/PriceMemory.h"
#include "data/Database.h"
#include "data/Transaction.h"

#include <QSet>

namespace kesvar {

const QString BillActions::SaveFailedMessage =
    QStringLiteral("数据出错导致单据不能保存成功,请重新点击保存按钮保存单据!");
const QString BillActions::DeleteQuestion = QStringLiteral("您确定要删除这条单据吗?");
const QString BillActions::DeletedMessage = QStringLiteral("删除单据成功");
const QString BillActions::DeleteFailedMessage = QStringLiteral("删除单据失败");
const QString BillActions::ApproveQuestion = QStringLiteral("审核后，单据不能进行修改操作！");
const QString BillActions::UnapproveQuestion = QStringLiteral("反审后，单据可以进行修改操作！");

namespace {

const QString kAlreadyApproved = QStringLiteral("该单据已经审核！");
const QString kNotApproved = QStringLiteral("该单据未经审核！!");

// Enough for every workstation of a busy day to have saved in between.
constexpr int kMaxRenumbering = 100;

// Empty text is stored as '' rather than NULL, as a window's empty field is.
QVariant text(const QString &value)
{
    return value.isNull() ? QVariant(QStringLiteral("")) : QVariant(value);
}

// The columns an edit rewrites, in the order of the statements below.
QVariantList headerValues(const BillHeader &h)
{
    return {text(h.custName.trimmed()), text(h.depotName.trimmed()), h.billType, h.inOrOut, h.addDate,
            text(h.oldCode.trimmed()), text(h.fptype.trimmed()), text(h.ystype.trimmed()), text(h.userName.trimmed()),
            text(h.maker.trimmed()), text(h.memo), h.yspiao, h.yfkuan, BillTypes::signOf(h.inOrOut)};
}

QVariantList lineValues(const BillLine &l)
{
    return {l.goodsCode, text(l.goodsName), text(l.goodsUnit), text(l.units), l.number(), l.price(), l.money(), l.fFlag,
            text(l.goodsCz), text(l.goodsCd), l.weight(), text(l.memo), l.cjtype(),
            l.hxl ? QVariant(*l.hxl) : QVariant(QMetaType(QMetaType::Double)), l.cbprice};
}

} // namespace

QString BillActions::notFoundMessage(const QString &billCode)
{
    return QStringLiteral("单据【%1】不存在！").arg(billCode);
}

QString BillActions::renumberedMessage(const QString &billCode)
{
    return QStringLiteral("单据编码已被其他用户使用，本单据已保存为 %1").arg(billCode);
}

void BillActions::validate(const BillHeader &header)
{
    const bool transfer = header.billType == BillTypes::Transfer;
    if (transfer && header.custName.trimmed().isEmpty())
        throw BillRuleError(QStringLiteral("调入仓不能为空！"), BillField::Destination);
    if (transfer && header.custName.trimmed() == header.depotName.trimmed())
        throw BillRuleError(QStringLiteral("调出仓和调入仓不能相同！"), BillField::None);
    if (header.depotName.trimmed().isEmpty())
        throw BillRuleError(QStringLiteral("请填写仓库名称！"), BillField::Depot);
    if (!transfer && header.billType != BillTypes::StockTake && header.custName.trimmed().isEmpty())
        throw BillRuleError(QStringLiteral("请填写往来单位！"), BillField::Partner);
}

SaveOutcome BillActions::save(const Bill &bill, bool isNew, const QDate &today)
{
    validate(bill.header);
    const BillTypeInfo *type = BillTypes::find(bill.header.billType);
    if (!type)
        throw RuleError(QStringLiteral("单据类型【%1】不存在！").arg(bill.header.billType));

    SaveOutcome outcome;
    outcome.bill = bill;
    BillHeader &header = outcome.bill.header;
    header.billCode = header.billCode.trimmed();
    if (header.inOrOut.isEmpty())
        header.inOrOut = type->direction;
    header.sign = BillTypes::signOf(header.inOrOut);
    header.diaobo = type->isTransfer();
    for (BillLine &line : outcome.bill.lines)
        line.roundForSave(m_pricePlaces, m_quantityPlaces, type->costFromStock());

    Transaction tx(m_db);
    if (isNew) {
        const QString requested = header.billCode;
        header.billCode = insertHeaderUnderFreeNumber(header);
        header.approved = false;
        outcome.renumbered = header.billCode != requested;
    } else {
        QSqlQuery update = m_db.exec(
            QStringLiteral("UPDATE T_Bill SET CustName = ?, DepotName = ?, BillType = ?, InOrOut = ?, AddDate = ?,"
                           " OldCode = ?, Fptype = ?, Ystype = ?, UserName = ?, Maker = ?, memo = ?, Yspiao = ?,"
                           " yfkuan = ?, sign = ? WHERE BillCode = ?"),
            headerValues(header) + QVariantList{header.billCode});
        if (update.numRowsAffected() == 0)
            throw RuleError(notFoundMessage(header.billCode));
    }
    // A transfer's partner field holds the destination warehouse; its prices are remembered unpartnered.
    const QString partner = type->isTransfer() ? QString() : header.custName.trimmed();
    for (const BillLine &line : outcome.bill.lines)
        PriceMemory::RememberLinePrice(m_db, partner, line.goodsCode, header.billType, line.price(), today);
    writeLines(header.billCode, outcome.bill.lines, isNew);
    tx.commit();

    outcome.bill.lines = BillStore(m_db).lines(header.billCode);
    return outcome;
}

QString BillActions::insertHeaderUnderFreeNumber(const BillHeader &header)
{
    const BillTypeInfo *type = BillTypes::find(header.billType);
    QString code = header.billCode;
    for (int attempt = 0;; ++attempt) {
        // A savepoint of its own, so the transaction goes on after the engine refuses a taken number.
        Transaction insert(m_db);
        try {
            m_db.exec(QStringLiteral("INSERT INTO T_Bill (CustName, DepotName, BillType, InOrOut, AddDate, OldCode,"
                                     " Fptype, Ystype, UserName, Maker, memo, Yspiao, yfkuan, sign, diaobo, F_Flag,"
                                     " BillCode) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, FALSE, ?)"),
                      headerValues(header) + QVariantList{type->isTransfer(), code});
            insert.commit();
            return code;
        } catch (const DbError &error) {
            insert.rollback();
            if (!m_db.dialect().isUniqueViolation(error.text()) || attempt >= kMaxRenumbering)
                throw;
            const QString next = BillNumbering::nextFreeCodeLike(m_db, code);
            if (next.isEmpty())
                throw;
            code = next;
        }
    }
}

void BillActions::writeLines(const QString &billCode, const QList<BillLine> &lines, bool isNew)
{
    QSet<int> kept;
    if (!isNew) {
        for (const BillLine &line : lines)
            if (line.id > 0)
                kept.insert(line.id);
        QSqlQuery stored = m_db.exec(QStringLiteral("SELECT BillDetailID FROM T_BillDetail WHERE BillCode = ?"),
                                     {billCode});
        QList<int> removed;
        while (stored.next())
            if (!kept.contains(stored.value(0).toInt()))
                removed << stored.value(0).toInt();
        for (int id : removed)
            m_db.exec(QStringLiteral("DELETE FROM T_BillDetail WHERE BillDetailID = ?"), {id});
    }

    QSqlQuery insert = m_db.prepare(QStringLiteral(
        "INSERT INTO T_BillDetail (GoodsCode, GoodsName, GoodsUnit, Units, Number, Price, Money, f_flag, GoodsCz,"
        " GoodsCd, weight, memo, Cjtype, hxl, cbprice, BillCode) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    std::optional<QSqlQuery> update;
    for (const BillLine &line : lines) {
        if (isNew || line.id <= 0) {
            Database::execPrepared(insert, lineValues(line) + QVariantList{billCode});
            continue;
        }
        if (!update)
            update = m_db.prepare(QStringLiteral(
                "UPDATE T_BillDetail SET GoodsCode = ?, GoodsName = ?, GoodsUnit = ?, Units = ?, Number = ?, Price = ?,"
                " Money = ?, f_flag = ?, GoodsCz = ?, GoodsCd = ?, weight = ?, memo = ?, Cjtype = ?, hxl = ?,"
                " cbprice = ? WHERE BillDetailID = ? AND BillCode = ?"));
        Database::execPrepared(*update, lineValues(line) + QVariantList{line.id, billCode});
    }
}

void BillActions::remove(const QString &billCode)
{
    Transaction tx(m_db);
    QSqlQuery header = m_db.exec(QStringLiteral("DELETE FROM T_Bill WHERE BillCode = ?"), {billCode});
    if (header.numRowsAffected() == 0)
        throw RuleError(notFoundMessage(billCode));
    m_db.exec(QStringLiteral("DELETE FROM T_BillDetail WHERE BillCode = ?"), {billCode});
    tx.commit();
}

std::optional<bool> BillActions::approvedFlag(const QString &billCode) const
{
    const RowSet rows = m_db.select(QStringLiteral("SELECT F_Flag FROM T_Bill WHERE BillCode = ?"), {billCode});
    if (rows.isEmpty())
        return std::nullopt;
    return rows.value(0, 0).toBool();
}

void BillActions::requireEditable(const QString &billCode) const
{
    const auto approved = approvedFlag(billCode);
    if (!approved)
        throw RuleError(notFoundMessage(billCode));
    if (*approved)
        throw RuleError(kAlreadyApproved);
}

bool BillActions::canApprove(const QString &billCode) const
{
    const auto approved = approvedFlag(billCode);
    if (!approved)
        return false;
    if (*approved)
        throw RuleError(kAlreadyApproved);
    return true;
}

bool BillActions::canUnapprove(const QString &billCode) const
{
    const auto approved = approvedFlag(billCode);
    if (!approved)
        return false;
    if (!*approved)
        throw RuleError(kNotApproved);
    return true;
}

void BillActions::setApproved(const QString &billCode, bool approved)
{
    m_db.exec(QStringLiteral("UPDATE T_Bill SET F_Flag = ? WHERE BillCode = ?"), {approved, billCode});
}

} // namespace kesvar
