// The alphabetical order of a language as the browser knows it (Intl.Collator).
#pragma once

#include "shell/Collation.h"

namespace outside {

class PageCollation : public shell::Collation
{
public:
    Compare of(const QString &language) const override;
};

} // namespace outside
