#include "outside/web/FirstGestureWebOpener.h"

#include <emscripten.h>

namespace {

// clang-format off
EM_JS(void, quillmere_open_at_first_gesture, (const char *address), {
    const url = UTF8ToString(address);
    const gestures = ["pointerup", "keydown"];
    const open = () => {
        for (const gesture of gestures)
            removeEventListener(gesture, open, true);
        window.open(url, "_blank", "noopener");
    };
    for (const gesture of gestures)
        addEventListener(gesture, open, true);
});
// clang-format on

} // namespace

namespace outside {

void FirstGestureWebOpener::open(const QUrl &address)
{
    quillmere_open_at_first_gesture(address.toString(QUrl::FullyEncoded).toUtf8().constData());
}

} // namespace outside
