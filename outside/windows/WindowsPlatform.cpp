#include "outside/windows/WindowsPlatform.h"

#include "outside/windows/MediaFoundationDecoder.h"
#include "outside/windows/WaveOutput.h"
#include "shell/ProgramFolder.h"

namespace outside {

WindowsPlatform::WindowsPlatform()
    : m_sound(std::make_unique<MediaFoundationDecoder>(), std::make_unique<WaveOutput>())
{
}

void WindowsPlatform::prepareSound()
{
    const shell::ProgramFolder folder = shell::ProgramFolder::ofExecutable();
    m_sound.prepare({folder.file(shell::files::kCorrectSound), folder.file(shell::files::kWrongSound),
                     folder.file(shell::files::kCompleteSound)});
}

} // namespace outside
