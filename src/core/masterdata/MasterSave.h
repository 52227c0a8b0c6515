#pragma once

#include <QString>
#include <functional>

namespace kesvar {

class Database;

namespace MasterSave {

// "数据出错,数据不能保存!": what an editor reports when the store refuses a save.
extern const QString SaveFailedMessage;

// Runs `work` as one unit of work (a savepoint when the caller already holds one). A RuleError
// from `work` passes through; a refused unique index becomes a ValidationError with the editor's
// own `duplicateMessage`, pointing at `codeColumn`; any other refusal becomes a DbError with
// SaveFailedMessage. In every failure nothing of the save remains.
void run(Database &db, const QString &duplicateMessage, const QString &codeColumn,
         const std::function<void()> &work);

} // namespace MasterSave
} // namespace kesvar
