#include "shell/Collation.h"

#include <QCollator>
#include <QLocale>

namespace shell {

Collation::Compare QtCollation::of(const QString &language) const
{
    return [collator = QCollator(QLocale(language))](const QString &a, const QString &b) {
        return collator.compare(a, b);
    };
}

} // namespace shell
