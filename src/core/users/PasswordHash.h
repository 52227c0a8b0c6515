#pragma once

#include <QString>

namespace kesvar::PasswordHash {

// A salted Argon2id hash (libsodium's crypto_pwhash_str) of a password as typed. Letter case counts.
QString hash(const QString &password);

// True when `password` is the one `storedHash` was made from.
bool verify(const QString &storedHash, const QString &password);

} // namespace kesvar::PasswordHash
