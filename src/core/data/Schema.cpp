#include "data/Schema.h"

namespace kesvar::Schema {

namespace {

ColumnDef id(const char *name) { return {QString::fromLatin1(name), ColumnType::AutoId}; }
ColumnDef text(const char *name, int size = 50) { return {QString::fromLatin1(name), ColumnType::Text, size}; }
// Compared without regard to letter case by every statement (grid keys, dictionary codes, mapping keys).
ColumnDef key(const char *name, int size = 50) { return {QString::fromLatin1(name), ColumnType::CaseInsensitiveText, size}; }
ColumnDef memo(const char *name) { return {QString::fromLatin1(name), ColumnType::Memo}; }
ColumnDef dbl(const char *name) { return {QString::fromLatin1(name), ColumnType::Double}; }
ColumnDef integer(const char *name) { return {QString::fromLatin1(name), ColumnType::Integer}; }
ColumnDef boolean(const char *name) { return {QString::fromLatin1(name), ColumnType::Bool}; }
ColumnDef date(const char *name) { return {QString::fromLatin1(name), ColumnType::Date}; }

std::vector<TableDef> buildTables()
{
    std::vector<TableDef> t;
    t.push_back({"T_Bill", {
        id("BillID"), text("BillCode", 30), text("DepotName"), text("CustName", 200), text("BillType"),
        date("AddDate"), text("InOrOut", 10), text("OldCode"), text("Fptype"), text("Ystype"),
        text("UserName"), text("Maker"), integer("sign"), boolean("F_Flag"), memo("memo"),
        boolean("Yspiao"), boolean("yfkuan"), boolean("diaobo")}});
    t.push_back({"T_BillDetail", {
        id("BillDetailID"), text("BillCode"), text("GoodsCode"), text("GoodsName"), text("GoodsUnit"),
        text("Units", 20), dbl("Number"), dbl("Price"), dbl("Money"), integer("f_flag"), text("GoodsCz"),
        text("GoodsCd"), dbl("weight"), text("memo"), text("Cjtype"), dbl("hxl"), dbl("cbprice")}});
    t.push_back({"T_Goods", {
        id("GoodsID"), text("GoodsCode"), text("GoodsName"), text("GoodsUnit"), text("Units"),
        text("barcode"), text("goodstype"), text("goodscz"), text("goodscd"), dbl("Dprice"), dbl("Gprice"),
        date("Ddate"), date("Gdate"), dbl("Upnum"), dbl("downnum"), dbl("hxl"), text("Goodwz"), memo("memo"),
        boolean("flag")}});
    t.push_back({"T_DepotStart", {
        text("GoodsCode"), text("DepotName"), dbl("StartNum"), dbl("startweight"), dbl("StartPrice"),
        text("cjtype")}});
    t.push_back({"T_Custom", {
        id("CustID"), text("CustCode", 100), text("CustName", 200), text("Contact"), text("Address", 200),
        text("Zip"), text("Fax"), text("Email", 100), text("Tel"), memo("Memo"), text("CustType", 20),
        text("Mobile"), text("BankName"), text("BankAccount"), text("URL", 120),
        text("Field1"), text("Field2"), text("Field3"), text("Field4"), text("Field5"),
        dbl("Field6"), dbl("Field7"), dbl("Field8"), date("Field9"), date("Field10"),
        text("barCode"), boolean("gys"), boolean("kh"), boolean("flag")}});
    t.push_back({"T_DepotName", {id("ID"), text("DictName"), text("DictType")}});
    t.push_back({"T_Other", {id("ID"), text("Name"), key("Type")}});
    t.push_back({"T_Company", {
        text("Company", 200), text("Contact"), text("Address", 200), text("Zip"), text("Tel"), text("Fax"),
        text("Email", 100)}});
    t.push_back({"T_momeryprice", {
        text("CustName", 200), text("GoodsCode"), text("Sort"), dbl("lastprice"), date("lastdate")}});
    t.push_back({"T_SoftInfo", {
        text("SoftName", 100), text("Version"), integer("DotPrice"), integer("DotNum"), integer("DotMon"),
        text("Cost")}});
    t.push_back({"Dict_Bill", {text("Name"), text("BillType", 2), boolean("S_Cust"), boolean("show")}});
    t.push_back({"Dict_ClearData", {integer("id"), text("Action", 100), memo("SQL"), boolean("F_Flag")}});
    t.push_back({"T_Import", {
        id("ImportID"), key("TableName"), text("S_Field", 30), text("FieldName"), text("F_Field")}});
    t.push_back({"T_FieldShow", {
        key("TableName"), text("Field"), text("Name", 100), integer("ShowID"), integer("Width"),
        boolean("show"), integer("SumField"), integer("DotSize"), integer("ShowButton"), integer("combo"),
        text("com_table", 200), text("Color"), integer("ShowUp")}});
    t.push_back({"T_User", {
        id("UserID"), text("UserName"), text("Password", 255), text("PartName"), text("Remark", 200),
        integer("Permit"), boolean("IsUser")}});
    t.push_back({"T_Part", {id("PartID"), text("PartName"), text("Remark", 200)}});
    t.push_back({"T_PartAuthority", {
        id("PartAuthorityID"), text("PartName"), text("Code", 10), text("FunctionName"), boolean("Authority"),
        integer("Tag")}});
    t.push_back({"T_UserAuthority", {
        id("UserAuthorityID"), text("UserName"), text("Code", 10), text("FunctionName"), boolean("Authority"),
        integer("Tag")}});
    t.push_back({"T_System", {text("Code", 10), text("FunctionName"), boolean("Authority"), integer("Tag")}});
    t.push_back({"T_SchemaVersion", {integer("Version")}});
    return t;
}

std::vector<IndexDef> buildIndexes()
{
    return {
        // Duplicate codes would merge two products' stock, two partners' business and make logins
        // ambiguous; the editors check first and show their own messages.
        {"UX_Goods_GoodsCode", "T_Goods", "GoodsCode", true},
        {"UX_Custom_CustCode", "T_Custom", "CustCode", true},
        {"UX_User_UserName", "T_User", "UserName", true},
        {"UX_Bill_BillCode", "T_Bill", "BillCode", true},
        {"IX_BillDetail_BillCode", "T_BillDetail", "BillCode", false, 2},
        {"IX_BillDetail_GoodsCode", "T_BillDetail", "GoodsCode", false, 2},
        {"IX_Bill_Type_Date", "T_Bill", "BillType, AddDate", false, 2},
        {"IX_Bill_AddDate", "T_Bill", "AddDate", false, 2},
        {"IX_DepotStart_GoodsCode", "T_DepotStart", "GoodsCode", false, 2},
        {"IX_FieldShow_TableName", "T_FieldShow", "TableName", false, 2},
        {"IX_momeryprice_Key", "T_momeryprice", "GoodsCode, CustName, Sort", false, 2},
    };
}

} // namespace

const std::vector<TableDef> &tables()
{
    static const std::vector<TableDef> all = buildTables();
    return all;
}

const std::vector<IndexDef> &indexes()
{
    static const std::vector<IndexDef> all = buildIndexes();
    return all;
}

const TableDef *table(const QString &name)
{
    for (const TableDef &t : tables())
        if (t.name.compare(name, Qt::CaseInsensitive) == 0)
            return &t;
    return nullptr;
}

} // namespace kesvar::Schema
