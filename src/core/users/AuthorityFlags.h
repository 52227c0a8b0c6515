#pragma once

#include "users/AuthorityItems.h"

#include <bitset>

namespace kesvar {

// What the logged-in operator may do: one flag per authority row, numbered 1 to 44 in Code order
// (the numbering of AuthorityItems). Everything is denied until flags are set.
class AuthorityFlags
{
public:
    bool isAllowed(int row) const { return row >= 1 && row <= AuthorityItems::Count && m_flags.test(size_t(row)); }
    void set(int row, bool allowed)
    {
        if (row >= 1 && row <= AuthorityItems::Count)
            m_flags.set(size_t(row), allowed);
    }

    static AuthorityFlags everything()
    {
        AuthorityFlags flags;
        for (int row = 1; row <= AuthorityItems::Count; ++row)
            flags.set(row, true);
        return flags;
    }

private:
    std::bitset<AuthorityItems::Count + 1> m_flags;
};

} // namespace kesvar
