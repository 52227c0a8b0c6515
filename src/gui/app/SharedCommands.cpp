#include "app/SharedCommands.h"

#include <QAction>

namespace kesvar::gui {

SharedCommands::SharedCommands(QObject *parent)
    : QObject(parent)
{
    // Bill window toolbar
    add(QStringLiteral("AddBill"), QStringLiteral("添加"));
    add(QStringLiteral("EditBill"), QStringLiteral("编辑"));
    add(QStringLiteral("DelBill"), QStringLiteral("删除"));
    add(QStringLiteral("SaveBill"), QStringLiteral("保存"));
    add(QStringLiteral("Print"), QStringLiteral("打印"));
    add(QStringLiteral("CheckBill"), QStringLiteral("审核"));
    add(QStringLiteral("UnCheckBill"), QStringLiteral("反审"));
    // Product list toolbar
    add(QStringLiteral("AddGoods"), QStringLiteral("新增"));
    add(QStringLiteral("EditGoods"), QStringLiteral("编辑"));
    add(QStringLiteral("DelGoods"), QStringLiteral("删除"));
    add(QStringLiteral("PrintGoods"), QStringLiteral("打印"));
    // Partner list toolbar
    add(QStringLiteral("AddCust"), QStringLiteral("新增"));
    add(QStringLiteral("EditCust"), QStringLiteral("编辑"));
    add(QStringLiteral("DelCust"), QStringLiteral("删除"));
    add(QStringLiteral("PrictCust"), QStringLiteral("打印"));
    // Dictionary window toolbar
    add(QStringLiteral("addother"), QStringLiteral("新增"));
    add(QStringLiteral("Editother"), QStringLiteral("编辑"));
    add(QStringLiteral("DelOther"), QStringLiteral("删除"));
    // Navigation chart: the lists and the stock windows, without captions of their own
    for (const char *name : {"Goods", "Custom", "ViewDepot", "depotwarn", "DepotDetail", "DepotCount", "DepotNum"})
        add(QString::fromLatin1(name), QString());
}

QAction *SharedCommands::command(const QString &name) const
{
    return m_commands.value(name);
}

void SharedCommands::add(const QString &name, const QString &caption)
{
    auto *action = new QAction(caption, this);
    action->setObjectName(name);
    m_commands.insert(name, action);
    m_order.append(name);
}

} // namespace kesvar::gui
