#pragma once

#include <QString>

namespace kesvar {

class Database;

enum class PasswordChangeOutcome {
    Changed,
    WrongCurrentPassword,
    ConfirmationDiffers,
};

struct PasswordChangeResult
{
    PasswordChangeOutcome outcome = PasswordChangeOutcome::Changed;

    bool changed() const { return outcome == PasswordChangeOutcome::Changed; }
    // The message box the password change dialog shows for this outcome.
    QString message() const;
    QString caption() const;
};

// The logged-in operator changes the own password: the current one must match, the new one must be
// typed twice alike; the new password may be empty.
class PasswordChange
{
public:
    explicit PasswordChange(Database &db) : m_db(db) {}

    PasswordChangeResult change(const QString &operatorName, const QString &currentPassword,
                                const QString &newPassword, const QString &confirmation);

private:
    Database &m_db;
};

} // namespace kesvar
