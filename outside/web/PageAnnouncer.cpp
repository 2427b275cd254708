#include "outside/web/PageAnnouncer.h"

#include <emscripten.h>

namespace {

// clang-format off
EM_JS(void, quillmere_page_say, (const char *text, int atOnce), {
    Module.quillmerePage.say(UTF8ToString(text), atOnce !== 0);
});
// clang-format on

} // namespace

namespace outside {

void PageAnnouncer::say(const QString &text, Urgency urgency)
{
    quillmere_page_say(text.toUtf8().constData(), urgency == Urgency::AtOnce);
}

} // namespace outside
