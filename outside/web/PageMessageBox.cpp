#include "outside/web/PageMessageBox.h"

#include <emscripten.h>

namespace {

// clang-format off
EM_JS(void, quillmere_page_box, (const char *caption, const char *text), {
    Module.quillmerePage.box(caption ? UTF8ToString(caption) : null, text ? UTF8ToString(text) : null);
});
// clang-format on

} // namespace

namespace outside {

void PageMessageBox::show(const shell::BoxRequest &request)
{
    quillmere_page_box(request.caption.toUtf8().constData(), boxTextForDisplay(request.text).toUtf8().constData());
    m_box.show(request);
    quillmere_page_box(nullptr, nullptr);
}

} // namespace outside
