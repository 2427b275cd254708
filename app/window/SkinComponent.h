// The window's skin component: a skin is a Qt style sheet in a file beside the
// program. Start-up loads it, sets three settings and applies it to the window.
#pragma once

#include <QString>

class QWidget;

namespace app {

class SkinComponent
{
public:
    // Reads the skin; throws a Failure when the file cannot be read or is not text.
    void loadSkin(const QString &path, const QString &section);

    // Settings the component keeps for the skin; the style sheet alone decides the look.
    qint32 options() const { return m_options; }
    void setOptions(qint32 options) { m_options = options; }
    bool skinsDialogs() const { return m_skinsDialogs; }
    void setSkinsDialogs(bool on) { m_skinsDialogs = on; }
    bool skinsFrame() const { return m_skinsFrame; }
    void setSkinsFrame(bool on) { m_skinsFrame = on; }

    void applyWindow(QWidget &window);

    bool isLoaded() const { return m_loaded; }
    const QString &styleSheet() const { return m_styleSheet; }

private:
    QString m_styleSheet;
    bool m_loaded = false;
    qint32 m_options = 0;
    bool m_skinsDialogs = false;
    bool m_skinsFrame = false;
};

} // namespace app
