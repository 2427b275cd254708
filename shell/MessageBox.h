// The seam for modal message boxes: the program shows real ones, tests record them.
#pragma once

#include <QString>

namespace shell {

struct BoxRequest {
    enum class Icon { None, Warning };

    QString text;
    QString caption;
    Icon icon = Icon::None;
    // The button's text: Qt's own is missing where Qt has no catalogue (Swahili, Amharic).
    QString ok = QStringLiteral("OK");
};

class MessageBox
{
public:
    virtual ~MessageBox() = default;
    // Shows the box with a single OK button and returns once it is closed.
    virtual void show(const BoxRequest &request) = 0;
};

} // namespace shell
