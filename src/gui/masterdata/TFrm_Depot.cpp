#include "masterdata/TFrm_Depot.h"

#include "app/Session.h"
#include "masterdata/Warehouses.h"

namespace kesvar::gui {

TFrm_Depot::TFrm_Depot(Session &session, QWidget *parent)
    : NameListWindow({}, parent)
    , m_session(session)
{
    setWindowTitle(QStringLiteral("仓库信息"));
    build(QStringLiteral("仓库名称"));
}

RowSet TFrm_Depot::loadRows() { return Warehouses(*m_session.db).list(); }
void TFrm_Depot::addName(const QString &name) { Warehouses(*m_session.db).add(name); }
void TFrm_Depot::renameRow(int id, const QString &name) { Warehouses(*m_session.db).rename(id, name); }
void TFrm_Depot::removeRow(int id) { Warehouses(*m_session.db).remove(id); }

} // namespace kesvar::gui
