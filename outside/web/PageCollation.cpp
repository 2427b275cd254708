#include "outside/web/PageCollation.h"

#include <emscripten.h>

namespace {

// clang-format off
EM_JS(int, quillmere_page_collate, (const char *language, const char *a, const char *b), {
    const tag = UTF8ToString(language);
    const collators = Module.quillmereCollators || (Module.quillmereCollators = {});
    const collator = collators[tag] || (collators[tag] = new Intl.Collator(tag));
    return collator.compare(UTF8ToString(a), UTF8ToString(b));
});
// clang-format on

} // namespace

namespace outside {

shell::Collation::Compare PageCollation::of(const QString &language) const
{
    return [tag = language.toUtf8()](const QString &a, const QString &b) {
        return quillmere_page_collate(tag.constData(), a.toUtf8().constData(), b.toUtf8().constData());
    };
}

} // namespace outside
