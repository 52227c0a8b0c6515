#include "masterdata/TFrm_Other.h"

#include "app/Session.h"
#include "masterdata/Dictionaries.h"

namespace kesvar::gui {

TFrm_Other::TFrm_Other(Session &session, const QString &typeCode, const ExternalActions &actions, QWidget *parent)
    : NameListWindow(actions, parent)
    , m_session(session)
    , m_typeCode(typeCode)
{
    const QString caption = Dictionaries::captionOf(typeCode);
    if (!caption.isEmpty())
        setWindowTitle(caption);
    build(QString());
}

RowSet TFrm_Other::loadRows() { return Dictionaries(*m_session.db).list(m_typeCode); }
void TFrm_Other::addName(const QString &name) { Dictionaries(*m_session.db).add(m_typeCode, name); }
void TFrm_Other::renameRow(int id, const QString &name) { Dictionaries(*m_session.db).rename(id, m_typeCode, name); }
void TFrm_Other::removeRow(int id) { Dictionaries(*m_session.db).remove(id); }

} // namespace kesvar::gui
