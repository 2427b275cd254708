#include "outside/web/WebPlatform.h"

#include "outside/ffmpeg/DecodedSound.h"
#include "outside/web/BoardFontFiles.h"
#include "outside/web/PageEnd.h"
#include "outside/web/WebAudioOutput.h"
#include "shell/ProgramFolder.h"

namespace outside {

WebPlatform::WebPlatform() : m_sound(decodeSoundFile, std::make_unique<WebAudioOutput>())
{
    registerBoardFonts();
    showTheEndScreenWhenClosed();
}

void WebPlatform::prepareSound()
{
    m_sound.prepare(shell::ProgramFolder::ofExecutable().sounds());
}

} // namespace outside
