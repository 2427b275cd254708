#include "app/window/SkinComponent.h"

#include "shell/Failure.h"

#include <QFile>
#include <QStringDecoder>
#include <QWidget>

namespace app {

namespace {
// A style sheet is a few kilobytes; anything far larger is not one.
constexpr qint64 kMaxSkinBytes = 1 << 20;
}

void SkinComponent::loadSkin(const QString &path, const QString &section)
{
    Q_UNUSED(section); // a style sheet has no sections
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw shell::Failure(QStringLiteral("Cannot read the skin file %1: %2").arg(path, file.errorString()));
    const QByteArray bytes = file.read(kMaxSkinBytes + 1);
    if (bytes.size() > kMaxSkinBytes || bytes.contains('\0'))
        throw shell::Failure(QStringLiteral("The skin file %1 is not a style sheet").arg(path));
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(bytes);
    if (utf8.hasError())
        throw shell::Failure(QStringLiteral("The skin file %1 is not a style sheet").arg(path));
    m_styleSheet = text;
    m_loaded = true;
}

void SkinComponent::applyWindow(QWidget &window)
{
    if (m_loaded)
        window.setStyleSheet(m_styleSheet);
}

} // namespace app
