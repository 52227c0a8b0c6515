#pragma once

#include "masterdata/NameListWindow.h"
#include "masterdata/OpenInstance.h"

namespace kesvar {
struct Session;
}

namespace kesvar::gui {

// One suggestion dictionary, chosen by its type code (T_Other.Type). The caption comes from the
// code when it is one of the eight written exactly; an empty code keeps the entries without a type.
// Add, Edit and Delete are the main window's shared actions addother, Editother and DelOther when
// given; their handlers call addRecord(), editRecord() and deleteRecord() of openInstance().
class TFrm_Other : public NameListWindow
{
    Q_OBJECT
public:
    TFrm_Other(Session &session, const QString &typeCode, const ExternalActions &actions = {},
               QWidget *parent = nullptr);

    QString typeCode() const { return m_typeCode; }
    // The dictionary window that is open, if any.
    static TFrm_Other *openInstance() { return OpenInstance<TFrm_Other>::current(); }

protected:
    RowSet loadRows() override;
    void addName(const QString &name) override;
    void renameRow(int id, const QString &name) override;
    void removeRow(int id) override;

private:
    OpenInstance<TFrm_Other> m_openInstance{this};
    Session &m_session;
    QString m_typeCode;
};

} // namespace kesvar::gui
