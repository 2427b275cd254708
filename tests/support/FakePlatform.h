// Recorders standing in for the outside world in tests.
#pragma once

#include "app/Failure.h"
#include "app/Platform.h"

#include <QStringList>
#include <QUrl>

#include <functional>
#include <vector>

namespace testing {

struct RecordingMessageBox : app::MessageBox {
    std::vector<app::BoxRequest> shown;
    // Runs while a box is "open", as the player's next moves would.
    std::function<void(const app::BoxRequest &)> whileOpen;

    void show(const app::BoxRequest &request) override
    {
        shown.push_back(request);
        if (whileOpen)
            whileOpen(request);
    }
};

struct RecordingSoundPlayer : quiz::SoundPlayer {
    QStringList played;
    void setUrl(const QString &path) override { played.append(path); }
};

struct RecordingWebOpener : app::WebOpener {
    std::vector<QUrl> opened;
    // As a desktop with no program for web addresses answers.
    bool refuses = false;
    void open(const QUrl &address) override
    {
        opened.push_back(address);
        if (refuses)
            throw app::Failure(QStringLiteral("No program opens the web address"));
    }
};

struct FixedClock : app::Clock {
    float seconds = 0;
    float secondsSinceMidnight() const override { return seconds; }
};

struct FakePlatform {
    RecordingMessageBox boxes;
    RecordingSoundPlayer sound;
    RecordingWebOpener web;
    FixedClock clock;

    app::Platform platform() { return {boxes, sound, web, clock}; }
};

} // namespace testing
