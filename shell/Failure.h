// A statement that cannot be carried out throws a Failure; the error trap of the
// handler that runs it reports the description and goes on.
#pragma once

#include <QString>

#include <exception>

namespace shell {

class Failure : public std::exception
{
public:
    explicit Failure(QString description) : m_description(std::move(description)) {}

    const QString &description() const { return m_description; }
    const char *what() const noexcept override { return "Quillmere failure"; }

private:
    QString m_description;
};

} // namespace shell
