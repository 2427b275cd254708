// Recorders standing in for the outside world in tests.
#pragma once

#include "shell/Failure.h"
#include "shell/Platform.h"

#include <QStringList>
#include <QUrl>

#include <functional>
#include <vector>

namespace testing {

struct RecordingMessageBox : shell::MessageBox {
    std::vector<shell::BoxRequest> shown;
    // Runs while a box is "open", as the player's next moves would.
    std::function<void(const shell::BoxRequest &)> whileOpen;

    void show(const shell::BoxRequest &request) override
    {
        shown.push_back(request);
        if (whileOpen)
            whileOpen(request);
    }
};

struct RecordingSoundPlayer : shell::SoundPlayer {
    QStringList played;
    void setUrl(const QString &path) override { played.append(path); }
};

struct RecordingWebOpener : shell::WebOpener {
    std::vector<QUrl> opened;
    // As a desktop with no program for web addresses answers.
    bool refuses = false;
    void open(const QUrl &address) override
    {
        opened.push_back(address);
        if (refuses)
            throw shell::Failure(QStringLiteral("No program opens the web address"));
    }
};

// A screen reader that is always there and hears everything said.
struct RecordingAnnouncer : shell::Announcer {
    QStringList said;
    bool listening() const override { return true; }
    void say(const QString &text, Urgency) override { said.append(text); }
    QString last() const { return said.isEmpty() ? QString() : said.last(); }
};

struct FixedClock : shell::Clock {
    float seconds = 0;
    float secondsSinceMidnight() const override { return seconds; }
};

struct FakePlatform {
    RecordingMessageBox boxes;
    RecordingSoundPlayer sound;
    RecordingWebOpener web;
    FixedClock clock;
    RecordingAnnouncer announcer;
    shell::QtCollation collation;

    shell::Platform platform() { return {boxes, sound, web, clock, announcer, collation}; }
};

} // namespace testing
