// The real quiz window on a program folder, started as the program starts it and
// shown offscreen. Error boxes are recorded; sounds are recorded and played for real.
#pragma once

#include "FakePlatform.h"

#include "app/window/Form1.h"
#include "outside/linux/LinuxSoundPlayer.h"

#include <QStringList>

namespace testing {

class PlayingSoundRecorder : public shell::SoundPlayer
{
public:
    void setUrl(const QString &path) override
    {
        m_played.append(path);
        m_player.setUrl(path);
    }

    const QStringList &played() const { return m_played; }
    outside::LinuxSoundPlayer &player() { return m_player; }

private:
    QStringList m_played;
    outside::LinuxSoundPlayer m_player;
};

class QuizWindow
{
public:
    // `boxes` stands in for the recorder, to show real boxes.
    explicit QuizWindow(const QString &programFolder, shell::MessageBox *boxes = nullptr);

    app::Form1 &form() { return m_form; }
    const quiz::Board &board() { return m_form.board(); }
    const PlayingSoundRecorder &sound() const { return m_sound; }
    PlayingSoundRecorder &sound() { return m_sound; }
    const RecordingMessageBox &boxes() const { return m_recorder; }

    // The error reports shown so far, each as its procedure text and report line.
    QStringList reports() const;
    // The completion boxes shown so far.
    int completions() const;

private:
    RecordingMessageBox m_recorder;
    PlayingSoundRecorder m_sound;
    RecordingWebOpener m_web;
    FixedClock m_clock;
    RecordingAnnouncer m_announcer;
    shell::QtCollation m_collation;
    app::Form1 m_form;
};

// How a report is written in the expectations: procedure text, a space, the line.
QString reportAt(QStringView procedure, int line);

} // namespace testing
