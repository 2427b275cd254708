// The outside world for benchmarks run inside this process: silent sounds, no web
// page, no screen reader, and error boxes written to the terminal instead of
// waiting for a click.
#pragma once

#include "shell/Platform.h"

#include <cstdio>

namespace bench {

struct TerminalBoxes : shell::MessageBox {
    void show(const shell::BoxRequest &request) override
    {
        std::fprintf(stderr, "box: %s\n", qPrintable(request.text));
    }
};

struct SilentSound : shell::SoundPlayer {
    void setUrl(const QString &) override {}
};

struct NoWeb : shell::WebOpener {
    void open(const QUrl &) override {}
};

struct Midnight : shell::Clock {
    float secondsSinceMidnight() const override { return 0; }
};

struct NoScreenReader : shell::Announcer {
    bool listening() const override { return false; }
    void say(const QString &, Urgency) override {}
};

struct QuietPlatform {
    TerminalBoxes boxes;
    SilentSound sound;
    NoWeb web;
    Midnight clock;
    NoScreenReader announcer;
    shell::QtCollation collation;

    shell::Platform platform() { return {boxes, sound, web, clock, announcer, collation}; }
};

} // namespace bench
