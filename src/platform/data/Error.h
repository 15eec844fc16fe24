#pragma once
// The one exception type of the system: a message meant for the user.

#include <QString>
#include <stdexcept>

namespace data {

class Error : public std::runtime_error {
public:
    explicit Error(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString& message() const { return m_message; }

private:
    QString m_message;
};

}  // namespace data
