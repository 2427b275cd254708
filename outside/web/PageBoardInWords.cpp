#include "outside/web/PageBoardInWords.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <emscripten.h>
#include <emscripten/bind.h>

#include <cmath>

namespace {

// clang-format off
EM_JS(void, quillmere_page_show_names, (const char *json), {
    Module.quillmerePage.showNames(JSON.parse(UTF8ToString(json)));
});

EM_JS(void, quillmere_page_show_drop_point, (const char *text), {
    Module.quillmerePage.showDropPoint(UTF8ToString(text));
});

EM_JS(void, quillmere_page_show_panel, (const char *json), {
    Module.quillmerePage.showPanel(JSON.parse(UTF8ToString(json)));
});
// clang-format on

// One page, one board.
outside::PageBoardInWords *theBoard = nullptr;

QByteArray compact(const QJsonValue &value)
{
    return value.isArray() ? QJsonDocument(value.toArray()).toJson(QJsonDocument::Compact)
                           : QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact);
}

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
    for (const Name &name : names) {
        const QJsonArray place{name.place.left(), name.place.top(), name.place.width(), name.place.height()};
        list.append(QJsonObject{{QStringLiteral("entry"), name.entry},
                                {QStringLiteral("text"), name.text},
                                {QStringLiteral("place"), place}});
    }
    quillmere_page_show_names(compact(list).constData());
}

void PageBoardInWords::showDropPoint(const QString &text)
{
    quillmere_page_show_drop_point(text.toUtf8().constData());
}

void PageBoardInWords::showPanel(const Panel &panel)
{
    const QJsonObject texts{{QStringLiteral("instructionsHeading"), panel.instructionsHeading},
                            {QStringLiteral("instruction"), panel.instruction},
                            {QStringLiteral("countriesHeading"), panel.countriesHeading},
                            {QStringLiteral("restart"), panel.restart},
                            {QStringLiteral("exit"), panel.exit}};
    quillmere_page_show_panel(compact(texts).constData());
}

void PageBoardInWords::pickUpFromPage(int entry)
{
    if (theBoard && theBoard->pickUp)
        theBoard->pickUp(entry);
}

void PageBoardInWords::dropFromPage(int entry, double x, double y)
{
    if (theBoard && theBoard->dropAt && std::isfinite(x) && std::isfinite(y))
        theBoard->dropAt(entry, QPointF(x, y));
}

void PageBoardInWords::pressFromPage(const std::string &button)
{
    if (!theBoard)
        return;
    if (button == "restart" && theBoard->restart)
        theBoard->restart();
    else if (button == "exit" && theBoard->exit)
        theBoard->exit();
}

} // namespace outside

EMSCRIPTEN_BINDINGS(quillmere_board_in_words)
{
    emscripten::function("quillmerePickUp", &outside::PageBoardInWords::pickUpFromPage);
    emscripten::function("quillmereDrop", &outside::PageBoardInWords::dropFromPage);
    emscripten::function("quillmerePress", &outside::PageBoardInWords::pressFromPage);
}
