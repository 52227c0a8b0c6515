#pragma once

#include <QString>
#include <stdexcept>

namespace kesvar {

// The database engine refused a statement or the connection failed. Carries the engine's own text,
// which the windows show unchanged and the command line reports with exit status 3.
class DbError : public std::runtime_error
{
public:
    explicit DbError(const QString &engineText)
        : std::runtime_error(engineText.toStdString()), m_text(engineText) {}
    QString text() const { return m_text; }

private:
    QString m_text;
};

// A business rule or validation refused the request. Carries the system's own message exactly as
// the window shows it; nothing has been written.
class RuleError : public std::runtime_error
{
public:
    explicit RuleError(const QString &message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    QString message() const { return m_message; }

private:
    QString m_message;
};

} // namespace kesvar
