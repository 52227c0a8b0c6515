#pragma once

#include "maintenance/Options.h"
#include "users/AuthorityFlags.h"

#include <QString>

namespace kesvar {

class AppHome;
class Database;

// What the whole run shares once an operator has logged in: the data folder, the one database
// connection, the options read at start (decimal places change at once when the options dialog
// saves them; title and costing method at the next start), the operator and the operator's authority.
// Windows receive it from the main window instead of reaching for globals.
struct Session
{
    AppHome *home = nullptr;
    Database *db = nullptr;
    SoftInfo options;
    QString operatorName;
    AuthorityFlags authority;
};

} // namespace kesvar
