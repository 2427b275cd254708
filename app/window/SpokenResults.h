// What a screen reader says of the game's results, for keyboard and mouse play alike.
#pragma once

#include <QString>

namespace app::spoken {

QString placed(const QString &name, int placedCount);
QString notThere(const QString &name);
QString putBack(const QString &name);
QString newGame(int namesInList);

} // namespace app::spoken
