#include "app/startup/ApplySkin.h"

#include "app/window/Form1.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QPalette>

namespace app {

void ApplySkin(Form1 &form)
{
    const QString path = form.programFolder().file(shell::files::kSkin);
    if (!QFileInfo(path).isFile())
        return;
    const QColor buttonFace = QGuiApplication::palette().color(QPalette::Button);
    form.setBackColor(buttonFace);
    form.setLabelBackColor(buttonFace);
    SkinComponent &skin = form.skinFramework1();
    skin.loadSkin(path, QString());
    skin.setOptions(skin.options() | 1);
    skin.setSkinsDialogs(true);
    skin.setSkinsFrame(true);
    skin.applyWindow(form);
}

} // namespace app
