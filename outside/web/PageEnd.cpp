#include "outside/web/PageEnd.h"

#include <QGuiApplication>

#include <emscripten.h>

namespace {

// clang-format off
EM_JS(void, quillmere_page_ended, (), {
    Module.quillmerePage.ended();
});
// clang-format on

} // namespace

namespace outside {

void showTheEndScreenWhenClosed()
{
    QGuiApplication::setQuitOnLastWindowClosed(false);
    QObject::connect(qApp, &QGuiApplication::lastWindowClosed, qApp, [] { quillmere_page_ended(); });
}

} // namespace outside
