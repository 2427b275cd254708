#include "outside/web/PageBoardInWords.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <emscripten.h>
#include <emscripten/bind.h>

namespace {

// clang-format off
EM_JS(void, quillmere_page_show_names, (const char *json), {
    Module.quillmerePage.showNames(JSON.parse(UTF8ToString(json)));
});

EM_JS(void, quillmere_page_show_drop_point, (const char *text), {
    Module.quillmerePage.showDropPoint(UTF8ToString(text));
});
// clang-format on

// One page, one board.
outside::PageBoardInWords *theBoard = nullptr;

} // namespace

namespace outside {

PageBoardInWords::PageBoardInWords()
{
    theBoard = this;
}

PageBoardInWords::~PageBoardInWords()
{
    theBoard = nullptr;
}

void PageBoardInWords::showNames(const QList<Name> &names)
{
    QJsonArray list;
    for (const Name &name : names)
        list.append(QJsonObject{{QStringLiteral("entry"), name.entry}, {QStringLiteral("text"), name.text}});
    quillmere_page_show_names(QJsonDocument(list).toJson(QJsonDocument::Compact).constData());
}

void PageBoardInWords::showDropPoint(const QString &text)
{
    quillmere_page_show_drop_point(text.toUtf8().constData());
}

void PageBoardInWords::pickUpFromPage(int entry)
{
    if (theBoard && theBoard->pickUp)
        theBoard->pickUp(entry);
}

} // namespace outside

EMSCRIPTEN_BINDINGS(quillmere_board_in_words)
{
    emscripten::function("quillmerePickUp", &outside::PageBoardInWords::pickUpFromPage);
}
