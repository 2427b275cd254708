// The outside world for benchmarks run inside this process: silent sounds, no web
// page, and error boxes written to the terminal instead of waiting for a click.
#pragma once

#include "app/Platform.h"

#include <cstdio>

namespace bench {

struct TerminalBoxes : app::MessageBox {
    void show(const app::BoxRequest &request) override
    {
        std::fprintf(stderr, "box: %s\n", qPrintable(request.text));
    }
};

struct SilentSound : quiz::SoundPlayer {
    void setUrl(const QString &) override {}
};

struct NoWeb : app::WebOpener {
    void open(const QUrl &) override {}
};

struct Midnight : app::Clock {
    float secondsSinceMidnight() const override { return 0; }
};

struct QuietPlatform {
    TerminalBoxes boxes;
    SilentSound sound;
    NoWeb web;
    Midnight clock;

    app::Platform platform() { return {boxes, sound, web, clock}; }
};

} // namespace bench
