#pragma once

#include <QString>
#include <vector>

namespace kesvar {

// The 44 authority items in Code order: row n (1-based) of an operator's T_UserAuthority rows is
// item n here. Two-digit codes are groups, four-digit codes items of the group with their first two
// digits; no code begins with "00".
struct AuthorityItem
{
    QString code;
    QString functionName;
    bool ordinaryUserAllowed; // template of the role "普通用户"; "超级管理员" has everything
};

namespace AuthorityItems {
const std::vector<AuthorityItem> &all();
constexpr int Count = 44;
inline bool isGroup(const AuthorityItem &item) { return item.code.size() == 2; }
} // namespace AuthorityItems

} // namespace kesvar
