#pragma once

#include "masterdata/NameListWindow.h"

namespace kesvar {
struct Session;
}

namespace kesvar::gui {

// The warehouse list "仓库信息". A rename is carried into opening stock and bills by the core.
class TFrm_Depot : public NameListWindow
{
    Q_OBJECT
public:
    TFrm_Depot(Session &session, QWidget *parent = nullptr);

protected:
    RowSet loadRows() override;
    void addName(const QString &name) override;
    void renameRow(int id, const QString &name) override;
    void removeRow(int id) override;

private:
    Session &m_session;
};

} // namespace kesvar::gui
