#include "users/GovernedEntries.h"

namespace kesvar::GovernedEntries {

const std::vector<GovernedEntry> &all()
{
    static const std::vector<GovernedEntry> entries = {
        // shared commands
        {"AddGoods", 2}, {"EditGoods", 3}, {"DelGoods", 4}, {"PrintGoods", 5},
        {"AddCust", 7}, {"EditCust", 8}, {"DelCust", 9}, {"PrictCust", 10},
        {"addother", 12}, {"Editother", 13}, {"DelOther", 14},
        {"AddBill", 16}, {"EditBill", 17}, {"DelBill", 18}, {"Print", 19}, {"CheckBill", 20}, {"UnCheckBill", 21},
        // menu items and submenus
        {"Menu_AllBill", 23}, {"Menu_ViewDepot", 24}, {"Menu_DepotWarn", 25}, {"Menu_DepotDetail", 26},
        {"Menu_DepotCount", 27}, {"Menu_DepotNum", 28},
        {"Sub_CountCust", 30}, {"Sub_CountGoods", 31}, {"Sub_UserCount", 32}, {"Sub_BillDetail", 33},
        {"Menu_SalePH", 34},
        {"Menu_UserList", 36}, {"Menu_ClearData", 37}, {"Menu_ChangePass", 38}, {"Menu_Relogin", 39},
        {"Sub_ReportDesign", 40}, {"Sub_DataImport", 41}, {"Menu_Option", 42}, {"Menu_Backup", 43},
        {"Menu_Restore", 44},
        // navigation chart, page "仓库管理"
        {"fcImageBtn21", 23}, {"fcImageBtn20", 24}, {"fcImageBtn22", 25}, {"fcImageBtn23", 26},
        {"fcImageBtn24", 27}, {"fcImageBtn25", 28},
        // navigation chart, page "统计分析"
        {"fcImageBtn26", 30}, {"fcImageBtn27", 30}, {"fcImageBtn28", 30},
        {"fcImageBtn29", 31}, {"fcImageBtn30", 31}, {"fcImageBtn31", 31},
        {"fcImageBtn32", 32}, {"fcImageBtn33", 32}, {"fcImageBtn34", 32},
        {"fcImageBtn35", 33}, {"fcImageBtn36", 33}, {"fcImageBtn37", 33},
        {"fcImageBtn38", 34},
    };
    return entries;
}

int rowFor(const QString &name)
{
    for (const GovernedEntry &entry : all())
        if (entry.name == name)
            return entry.row;
    return 0;
}

} // namespace kesvar::GovernedEntries
