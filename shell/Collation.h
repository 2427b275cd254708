// The alphabetical order of a language, as the platform knows it. Qt's own comes
// from ICU on Linux and from the system on Windows; Qt for the web is built
// without ICU and knows no language's order, where the browser knows them all.
#pragma once

#include <QString>

#include <functional>

namespace shell {

class Collation
{
public:
    // Below, at or above zero as the first name files before, with or after the second.
    using Compare = std::function<int(const QString &, const QString &)>;

    virtual ~Collation() = default;
    // The order of `language`, an ISO 639-1 code.
    virtual Compare of(const QString &language) const = 0;
};

// Qt's QCollator.
class QtCollation : public Collation
{
public:
    Compare of(const QString &language) const override;
};

} // namespace shell
