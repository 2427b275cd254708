#include "outside/web/PageKeptGame.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <emscripten.h>
#include <emscripten/val.h>

#include <string>

namespace {

// clang-format off
EM_JS(void, quillmere_page_keep_game, (const char *json), {
    Module.quillmerePage.keepGame(UTF8ToString(json));
});
// clang-format on

} // namespace

namespace outside {

QList<int> PageKeptGame::placed()
{
    const std::string json =
        emscripten::val::module_property("quillmerePage").call<std::string>("keptGame");
    const QJsonDocument kept = QJsonDocument::fromJson(QByteArray::fromStdString(json));
    QList<int> entries;
    for (const QJsonValue &entry : kept.array())
        entries.append(entry.toInt(-1));
    return entries;
}

void PageKeptGame::keep(const QList<int> &placed)
{
    QJsonArray entries;
    for (int entry : placed)
        entries.append(entry);
    quillmere_page_keep_game(QJsonDocument(entries).toJson(QJsonDocument::Compact).constData());
}

} // namespace outside
