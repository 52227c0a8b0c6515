#include "data/SeedData.h"

#include "data/Database.h"
#include "data/DbError.h"
#include "data/Transaction.h"
#include "users/AuthorityItems.h"
#include "users/PasswordHash.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

namespace kesvar {

const QString SeedData::AdminName = QStringLiteral("Admin");
const QString SeedData::SuperRole = QStringLiteral("超级管理员");
const QString SeedData::OrdinaryRole = QStringLiteral("普通用户");

namespace {

const QString kGridLayoutFolder = QStringLiteral(":/core/resources/fieldshow");

struct BillTypeSeed
{
    const char *name;
    const char *prefix;
    bool hasPartner;
};

const BillTypeSeed kBillTypes[] = {
    {"采购入库", "CR", true}, {"采购退货", "CT", true}, {"销售出库", "XC", true}, {"销售退货", "XT", true},
    {"其它入库", "QR", true}, {"其它出库", "QC", true}, {"仓库调拨", "DB", false}, {"仓库盘点", "PD", false},
};

struct ClearActionSeed
{
    const char *action;
    const char *sql;
};

// Every statement ends with ";" (the initialisation runs the pieces before each one).
const ClearActionSeed kClearActions[] = {
    {"业务单据", "DELETE FROM T_BillDetail;DELETE FROM T_Bill;"},
    {"钢材资料及期初库存", "DELETE FROM T_DepotStart;DELETE FROM T_Goods;"},
    {"往来单位", "DELETE FROM T_Custom;"},
    {"历史价格记忆", "DELETE FROM T_momeryprice;"},
    {"仓库", "DELETE FROM T_DepotName;"},
    {"基础资料字典", "DELETE FROM T_Other;"},
};

struct MappingSeed
{
    const char *field;
    const char *caption;
};

const MappingSeed kPartnerMapping[] = {
    {"CustCode", "单位编号"}, {"CustName", "单位名称"}, {"Contact", "联系人"}, {"Tel", "电话"},
    {"Mobile", "手机"}, {"Fax", "传真"}, {"Address", "地址"}, {"Zip", "邮编"}, {"Email", "电子邮件"},
    {"BankName", "开户银行"}, {"BankAccount", "银行帐号"}, {"URL", "网址"}, {"CustType", "单位类型"},
    {"Memo", "备注"},
};

const MappingSeed kProductMapping[] = {
    {"GoodsCode", "钢材编号"}, {"GoodsName", "钢材名称"}, {"GoodsUnit", "规格型号"}, {"Units", "单位"},
    {"goodstype", "钢种"}, {"goodscz", "材质"}, {"goodscd", "产地"}, {"Dprice", "吨价"}, {"Gprice", "件价"},
    {"Upnum", "库存上限"}, {"downnum", "库存下限"}, {"hxl", "理论换算值"}, {"Goodwz", "存放位置"},
    {"memo", "备注"},
};

QString u(const char *utf8) { return QString::fromUtf8(utf8); }

} // namespace

void SeedData::insertAll()
{
    insertOptions();
    insertBillTypes();
    insertUsersAndAuthority();
    insertClearActions();
    insertImportMappings();
    for (const QString &key : gridKeys())
        insertGridLayout(kGridLayoutFolder + QLatin1Char('/') + key + QStringLiteral(".json"));
}

void SeedData::insertOptions()
{
    m_db.exec(QStringLiteral("INSERT INTO T_SoftInfo (SoftName, Version, DotPrice, DotNum, DotMon, Cost)"
                             " VALUES (?, ?, ?, ?, ?, ?)"),
              {u("Kesvar 钢材进销存"), QStringLiteral(" V" KESVAR_VERSION), 2, 3, 2, u("移动加权平均")});
    m_db.exec(QStringLiteral("INSERT INTO T_Company (Company, Contact, Address, Zip, Tel, Fax, Email)"
                             " VALUES (?, '', '', '', '', '', '')"),
              {u("我的钢材贸易公司")});
}

void SeedData::insertBillTypes()
{
    QSqlQuery insert = m_db.prepare(
        QStringLiteral("INSERT INTO Dict_Bill (Name, BillType, S_Cust, show) VALUES (?, ?, ?, TRUE)"));
    for (const BillTypeSeed &type : kBillTypes)
        Database::execPrepared(insert, {u(type.name), QString::fromLatin1(type.prefix), type.hasPartner});
}

void SeedData::insertUsersAndAuthority()
{
    m_db.exec(QStringLiteral("INSERT INTO T_Part (PartName, Remark) VALUES (?, ?), (?, ?)"),
              {SuperRole, u("拥有全部权限"), OrdinaryRole, u("日常业务操作")});
    m_db.exec(QStringLiteral("INSERT INTO T_User (UserID, UserName, Password, PartName, Remark, Permit, IsUser)"
                             " VALUES (1, ?, ?, ?, ?, 0, FALSE)"),
              {AdminName, PasswordHash::hash(QString()), SuperRole, u("系统管理员")});
    if (!m_db.dialect().isSqlite()) // keep the serial ahead of the explicit administrator id
        m_db.exec(QStringLiteral("SELECT setval(pg_get_serial_sequence('t_user', 'userid'), 1)"));

    QSqlQuery system = m_db.prepare(
        QStringLiteral("INSERT INTO T_System (Code, FunctionName, Authority, Tag) VALUES (?, ?, TRUE, 2)"));
    QSqlQuery role = m_db.prepare(QStringLiteral(
        "INSERT INTO T_PartAuthority (PartName, Code, FunctionName, Authority, Tag) VALUES (?, ?, ?, ?, ?)"));
    QSqlQuery user = m_db.prepare(QStringLiteral(
        "INSERT INTO T_UserAuthority (UserName, Code, FunctionName, Authority, Tag) VALUES (?, ?, ?, TRUE, 2)"));

    const auto &items = AuthorityItems::all();
    for (const AuthorityItem &item : items)
        Database::execPrepared(system, {item.code, item.functionName});
    for (const AuthorityItem &item : items)
        Database::execPrepared(role, {SuperRole, item.code, item.functionName, true, 2});
    for (const AuthorityItem &item : items) {
        int tag = item.ordinaryUserAllowed ? 2 : 1;
        if (AuthorityItems::isGroup(item)) {
            // A group whose items are not all allowed shows as partly checked.
            for (const AuthorityItem &member : items)
                if (member.code.size() == 4 && member.code.startsWith(item.code) && !member.ordinaryUserAllowed)
                    tag = 3;
        }
        Database::execPrepared(role, {OrdinaryRole, item.code, item.functionName, item.ordinaryUserAllowed, tag});
    }
    for (const AuthorityItem &item : items)
        Database::execPrepared(user, {AdminName, item.code, item.functionName});
}

void SeedData::insertClearActions()
{
    QSqlQuery insert = m_db.prepare(
        QStringLiteral("INSERT INTO Dict_ClearData (id, Action, SQL, F_Flag) VALUES (?, ?, ?, TRUE)"));
    int id = 1;
    for (const ClearActionSeed &action : kClearActions)
        Database::execPrepared(insert, {id++, u(action.action), QString::fromLatin1(action.sql)});
}

void SeedData::insertImportMappings()
{
    QSqlQuery insert = m_db.prepare(
        QStringLiteral("INSERT INTO T_Import (TableName, S_Field, FieldName, F_Field) VALUES (?, ?, ?, ?)"));
    for (const MappingSeed &m : kPartnerMapping)
        Database::execPrepared(insert, {QStringLiteral("custom"), QString::fromLatin1(m.field), u(m.caption), u(m.caption)});
    for (const MappingSeed &m : kProductMapping)
        Database::execPrepared(insert, {QStringLiteral("Goods"), QString::fromLatin1(m.field), u(m.caption), u(m.caption)});
}

QStringList SeedData::gridKeys()
{
    QStringList keys;
    for (const QString &file : QDir(kGridLayoutFolder).entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name))
        keys << file.chopped(5);
    return keys;
}

void SeedData::insertGridLayout(const QString &resourcePath)
{
    QFile file(resourcePath);
    if (!file.open(QIODevice::ReadOnly))
        throw DbError(QStringLiteral("grid layout missing: %1").arg(resourcePath));
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError)
        throw DbError(QStringLiteral("grid layout %1: %2").arg(resourcePath, error.errorString()));

    const QJsonObject layout = doc.object();
    const QString key = layout.value(QStringLiteral("key")).toString();
    QSqlQuery insert = m_db.prepare(QStringLiteral(
        "INSERT INTO T_FieldShow (TableName, Field, Name, ShowID, Width, show, SumField, DotSize, ShowButton,"
        " combo, com_table, Color, ShowUp) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, '', ?)"));
    int position = 0;
    for (const QJsonValue &value : layout.value(QStringLiteral("columns")).toArray()) {
        const QJsonObject c = value.toObject();
        Database::execPrepared(insert, {
            key, c.value(QStringLiteral("Field")).toString(), c.value(QStringLiteral("Name")).toString(), position++,
            c.value(QStringLiteral("Width")).toInt(80), c.value(QStringLiteral("show")).toBool(true),
            c.value(QStringLiteral("SumField")).toInt(), c.value(QStringLiteral("DotSize")).toInt(),
            c.value(QStringLiteral("ShowButton")).toInt(), c.value(QStringLiteral("combo")).toInt(),
            c.value(QStringLiteral("com_table")).toString(), c.value(QStringLiteral("ShowUp")).toInt()});
    }
}

void SeedData::addMissingGridLayouts()
{
    QSet<QString> present;
    QSqlQuery keys = m_db.exec(QStringLiteral("SELECT DISTINCT TableName FROM T_FieldShow"));
    while (keys.next())
        present.insert(keys.value(0).toString().toCaseFolded());

    QStringList missing;
    for (const QString &key : gridKeys())
        if (!present.contains(key.toCaseFolded()))
            missing << key;
    if (missing.isEmpty())
        return;
    Transaction tx(m_db);
    for (const QString &key : missing)
        insertGridLayout(kGridLayoutFolder + QLatin1Char('/') + key + QStringLiteral(".json"));
    tx.commit();
}

} // namespace kesvar
