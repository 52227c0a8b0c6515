#include "masterdata/MasterSave.h"

#include "data/Database.h"
#include "data/DbError.h"
#include "data/Transaction.h"
#include "masterdata/ValidationError.h"

namespace kesvar::MasterSave {

const QString SaveFailedMessage = QStringLiteral("数据出错,数据不能保存!");

void run(Database &db, const QString &duplicateMessage, const QString &codeColumn, const std::function<void()> &work)
{
    try {
        Transaction tx(db);
        work();
        tx.commit();
    } catch (const DbError &e) {
        if (db.dialect().isUniqueViolation(e.text()))
            throw ValidationError::duplicate(duplicateMessage, codeColumn);
        throw DbError(SaveFailedMessage);
    }
}

} // namespace kesvar::MasterSave
