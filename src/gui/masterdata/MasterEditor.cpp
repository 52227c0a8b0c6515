#include "masterdata/MasterEditor.h"

#include "data/DbError.h"
#include "masterdata/MasterDataDialogs.h"
#include "masterdata/RecordCursor.h"
#include "masterdata/ValidationError.h"

#include <QAction>
#include <QLineEdit>
#include <QToolBar>
#include <QVBoxLayout>

namespace kesvar::gui {

MasterEditor::MasterEditor(RecordCursor &cursor, bool addMode, QWidget *parent)
    : QDialog(parent)
    , m_cursor(cursor)
    , m_addMode(addMode)
{
}

void MasterEditor::build(QWidget *body, QLineEdit *codeBox, const QString &addCaption, const QString &editCaption)
{
    m_codeBox = codeBox;
    auto *toolBar = new QToolBar(this);
    toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    TB_New = toolBar->addAction(QStringLiteral("新增"), this, &MasterEditor::TB_NewClick);
    TB_Prior = toolBar->addAction(QStringLiteral("上条"), this, &MasterEditor::TB_PriorClick);
    TB_Next = toolBar->addAction(QStringLiteral("下条"), this, &MasterEditor::TB_NextClick);
    TB_Cancel = toolBar->addAction(QStringLiteral("取消"), this, &MasterEditor::TB_CancelClick);
    TB_Save = toolBar->addAction(QStringLiteral("保存"), this, [this] { TB_SaveClick(); });
    TB_Save->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
    TB_Exit = toolBar->addAction(QStringLiteral("退出"), this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(toolBar);
    layout->addWidget(body, 1);

    if (m_addMode) {
        setWindowTitle(addCaption);
        resetToDefaults();
    } else {
        setWindowTitle(editCaption);
        loadCurrent();
    }
}

void MasterEditor::loadCurrent()
{
    if (m_cursor.isEmpty()) {
        resetToDefaults();
        return;
    }
    m_previousCode = m_cursor.currentCode();
    loadRow(m_cursor.rows(), m_cursor.position());
}

void MasterEditor::TB_NewClick()
{
    m_addMode = true;
    prepareNew();
}

void MasterEditor::TB_PriorClick()
{
    if (m_cursor.atFirst())
        TB_Prior->setEnabled(false);
    else
        m_cursor.prior();
    TB_Next->setEnabled(true);
    loadCurrent();
}

void MasterEditor::TB_NextClick()
{
    if (m_cursor.atLast())
        TB_Next->setEnabled(false);
    else
        m_cursor.next();
    TB_Prior->setEnabled(true);
    loadCurrent();
}

void MasterEditor::TB_CancelClick()
{
    m_cursor.moveToCodePrefix(m_previousCode);
    loadCurrent();
}

void MasterEditor::bindColumn(const QString &column, QWidget *box)
{
    m_columnBoxes.append({column, box});
}

void MasterEditor::setTabOrder(const QList<QWidget *> &boxes)
{
    for (int i = 1; i < boxes.size(); ++i)
        QWidget::setTabOrder(boxes.at(i - 1), boxes.at(i));
}

void MasterEditor::focusColumn(const QString &column)
{
    for (const auto &[boundColumn, box] : m_columnBoxes)
        if (boundColumn.compare(column, Qt::CaseInsensitive) == 0)
            box->setFocus();
}

bool MasterEditor::TB_SaveClick()
{
    try {
        save(m_addMode || m_previousCode.isEmpty());
    } catch (const ValidationError &e) {
        if (e.isDuplicate())
            MasterDataDialogs::confirmOk(this, e.message());
        else
            MasterDataDialogs::warn(this, e.message());
        focusColumn(e.column());
        return false;
    } catch (const RuleError &e) {
        MasterDataDialogs::warn(this, e.message());
        return false;
    } catch (const DbError &e) {
        MasterDataDialogs::inform(this, e.text());
        return false;
    }
    const QString code = m_codeBox->text().trimmed();
    MasterDataDialogs::attempt(this, [&] { m_cursor.reload(); });
    m_cursor.moveToCode(code);
    if (m_addMode) {
        afterAdd();
    } else {
        m_previousCode = code; // the record now lives under the saved code
    }
    return true;
}

} // namespace kesvar::gui
