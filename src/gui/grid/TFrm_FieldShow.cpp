#include "grid/TFrm_FieldShow.h"

#include "data/DbError.h"
#include "grid/GridMetadata.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace kesvar::gui {

TFrm_FieldShow::TFrm_FieldShow(Database &db, const QString &chooserKey, QWidget *parent)
    : QDialog(parent), m_db(db), m_chooserKey(chooserKey)
{
    setWindowTitle(QStringLiteral("选择显示的字段"));
    SrcList = new QListWidget(this);
    DstList = new QListWidget(this);
    for (QListWidget *list : {SrcList, DstList})
        list->setSelectionMode(QAbstractItemView::SingleSelection);
    SP_right = new QPushButton(QStringLiteral(">"), this);
    SP_allright = new QPushButton(QStringLiteral(">>"), this);
    SP_left = new QPushButton(QStringLiteral("<"), this);
    SP_allleft = new QPushButton(QStringLiteral("<<"), this);
    Btn_ok = new QPushButton(QStringLiteral("确定(&Y)"), this);
    Btn_exit = new QPushButton(QStringLiteral("取消(&C)"), this);
    Btn_ok->setDefault(true);
    // Controls keep their component names, so tests and style sheets can find them.
    SrcList->setObjectName(QStringLiteral("SrcList"));
    DstList->setObjectName(QStringLiteral("DstList"));
    SP_right->setObjectName(QStringLiteral("SP_right"));
    SP_allright->setObjectName(QStringLiteral("SP_allright"));
    SP_left->setObjectName(QStringLiteral("SP_left"));
    SP_allleft->setObjectName(QStringLiteral("SP_allleft"));
    Btn_ok->setObjectName(QStringLiteral("Btn_ok"));
    Btn_exit->setObjectName(QStringLiteral("Btn_exit"));

    auto *lists = new QGridLayout;
    lists->addWidget(new QLabel(QStringLiteral("未选择的字段"), this), 0, 0);
    lists->addWidget(new QLabel(QStringLiteral("已选择的字段"), this), 0, 2);
    lists->addWidget(SrcList, 1, 0);
    auto *moves = new QVBoxLayout;
    moves->addStretch();
    for (QPushButton *b : {SP_right, SP_allright, SP_left, SP_allleft}) {
        b->setAutoDefault(false);
        moves->addWidget(b);
    }
    moves->addStretch();
    lists->addLayout(moves, 1, 1);
    lists->addWidget(DstList, 1, 2);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Btn_ok);
    buttons->addWidget(Btn_exit);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(lists);
    layout->addLayout(buttons);
    resize(420, 360);

    connect(SP_right, &QPushButton::clicked, this, &TFrm_FieldShow::SP_rightClick);
    connect(SP_allright, &QPushButton::clicked, this, &TFrm_FieldShow::SP_allrightClick);
    connect(SP_left, &QPushButton::clicked, this, &TFrm_FieldShow::SP_leftClick);
    connect(SP_allleft, &QPushButton::clicked, this, &TFrm_FieldShow::SP_allleftClick);
    connect(SrcList, &QListWidget::itemDoubleClicked, this, &TFrm_FieldShow::SP_rightClick);
    connect(DstList, &QListWidget::itemDoubleClicked, this, &TFrm_FieldShow::SP_leftClick);
    connect(Btn_ok, &QPushButton::clicked, this, &TFrm_FieldShow::Btn_okClick);
    connect(Btn_exit, &QPushButton::clicked, this, &QDialog::reject);
    FormShow();
}

void TFrm_FieldShow::FormShow()
{
    GridMetadata metadata(m_db);
    SrcList->addItems(metadata.titles(m_chooserKey, false));
    DstList->addItems(metadata.titles(m_chooserKey, true));
    updateButtons();
}

void TFrm_FieldShow::updateButtons()
{
    SP_right->setEnabled(SrcList->count() > 0);
    SP_allright->setEnabled(SrcList->count() > 0);
    SP_left->setEnabled(DstList->count() > 0);
    SP_allleft->setEnabled(DstList->count() > 0);
}

void TFrm_FieldShow::moveSelected(QListWidget *from, QListWidget *to)
{
    QListWidgetItem *item = from->currentItem();
    if (!item || !item->isSelected())
        return;
    to->addItem(from->takeItem(from->row(item)));
    if (from->count() > 0)
        from->setCurrentRow(0);
}

void TFrm_FieldShow::moveAll(QListWidget *from, QListWidget *to)
{
    while (from->count() > 0)
        to->addItem(from->takeItem(0));
}

void TFrm_FieldShow::SP_rightClick()
{
    moveSelected(SrcList, DstList);
    updateButtons();
}

void TFrm_FieldShow::SP_allrightClick()
{
    moveAll(SrcList, DstList);
    updateButtons();
}

void TFrm_FieldShow::SP_leftClick()
{
    moveSelected(DstList, SrcList);
    updateButtons();
}

void TFrm_FieldShow::SP_allleftClick()
{
    moveAll(DstList, SrcList);
    updateButtons();
}

void TFrm_FieldShow::Btn_okClick()
{
    auto texts = [](QListWidget *list) {
        QStringList titles;
        for (int i = 0; i < list->count(); ++i)
            titles << list->item(i)->text();
        return titles;
    };
    try {
        GridMetadata(m_db).storeChoice(m_chooserKey, texts(SrcList), texts(DstList));
    } catch (const DbError &e) {
        QMessageBox::critical(this, QStringLiteral("错误"), e.text());
        return;
    }
    QMessageBox::information(this, QStringLiteral("提示"), QStringLiteral("修改完成！"));
    accept();
}

} // namespace kesvar::gui
