#include "outside/web/PageMessageBox.h"

#include <QApplication>
#include <QMessageBox>

#include <emscripten.h>
#include <emscripten/bind.h>

namespace {

// clang-format off
EM_JS(void, quillmere_page_box, (const char *caption, const char *text, const char *ok), {
    Module.quillmerePage.box(caption ? UTF8ToString(caption) : null, text ? UTF8ToString(text) : null,
                             ok ? UTF8ToString(ok) : null);
});
// clang-format on

} // namespace

namespace outside {

void PageMessageBox::show(const shell::BoxRequest &request)
{
    quillmere_page_box(request.caption.toUtf8().constData(), boxTextForDisplay(request.text).toUtf8().constData(),
                       request.ok.toUtf8().constData());
    m_box.show(request);
    quillmere_page_box(nullptr, nullptr, nullptr);
}

void PageMessageBox::answerFromPage()
{
    if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
        box->accept();
}

} // namespace outside

EMSCRIPTEN_BINDINGS(quillmere_message_box)
{
    emscripten::function("quillmereAnswerBox", &outside::PageMessageBox::answerFromPage);
}
