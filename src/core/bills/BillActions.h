#pragma once

#include "bills/Bill.h"
#include "data/DbError.h"

#include <QDate>
#include <optional>

namespace kesvar {

class Database;

// The header field a refused save points the user to.
enum class BillField { None, Destination, Depot, Partner };

// A save refused by one of the header checks, with the field to put the focus on.
class BillRuleError : public RuleError
{
public:
    BillRuleError(const QString &message, BillField field) : RuleError(message), m_field(field) {}
    BillField field() const { return m_field; }

private:
    BillField m_field;
};

struct SaveOutcome
{
    Bill bill;          // as stored: final number, rounded lines with their ids
    bool renumbered = false; // the number shown at Add had been taken by another workstation meanwhile
};

// Save, delete, approve and unapprove. Each save and each delete is one transaction; on any error
// nothing of it stays written and the caller's bill is untouched, so the user can save again.
class BillActions
{
public:
    BillActions(Database &db, int pricePlaces, int quantityPlaces)
        : m_db(db), m_pricePlaces(pricePlaces), m_quantityPlaces(quantityPlaces) {}

    static const QString SaveFailedMessage;   // "数据出错导致单据不能保存成功,请重新点击保存按钮保存单据!"
    static const QString DeleteQuestion;      // "您确定要删除这条单据吗?"
    static const QString DeletedMessage;      // "删除单据成功"
    static const QString DeleteFailedMessage; // "删除单据失败"
    static const QString ApproveQuestion;     // "审核后，单据不能进行修改操作！"
    static const QString UnapproveQuestion;   // "反审后，单据可以进行修改操作！"
    static QString notFoundMessage(const QString &billCode);
    static QString renumberedMessage(const QString &billCode);

    // The header checks, in order; the first failing one throws BillRuleError. Blank text counts as
    // empty (a warehouse or partner of blanks would be stored empty).
    static void validate(const BillHeader &header);

    // Writes a new bill under its number (surrounding blanks removed) or an edit of the bill with that
    // number: header with direction and sign of its type, lines rounded to the decimal places (amount
    // recomputed from the rounded figures; cost price = rounded price except for a sales delivery,
    // whose stock cost is rounded), one price-memory row per line dated `today`. When the number of
    // a new bill is already taken, the next free number of its prefix and day is used instead.
    SaveOutcome save(const Bill &bill, bool isNew, const QDate &today = QDate::currentDate());

    // Deletes the header and all its lines. Throws RuleError when there is no such bill.
    void remove(const QString &billCode);

    // Refuses (RuleError "该单据已经审核！") to edit an approved bill; RuleError when it does not exist.
    void requireEditable(const QString &billCode) const;

    // False when no such bill exists (then approving does nothing). Throws RuleError "该单据已经审核！"
    // for an approved bill, or "该单据未经审核！!" for unapproving one that is not.
    bool canApprove(const QString &billCode) const;
    bool canUnapprove(const QString &billCode) const;
    void setApproved(const QString &billCode, bool approved);

private:
    std::optional<bool> approvedFlag(const QString &billCode) const;
    QString insertHeaderUnderFreeNumber(const BillHeader &header);
    void writeLines(const QString &billCode, const QList<BillLine> &lines, bool isNew);

    Database &m_db;
    int m_pricePlaces;
    int m_quantityPlaces;
};

} // namespace kesvar
