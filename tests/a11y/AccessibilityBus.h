// The buses a desktop gives a screen reader, of the test's own: a D-Bus session bus;
// on it the AT-SPI bus launcher, with the screen reader's setting off, as when one
// starts only after the program; the accessibility bus that the launcher runs, with
// the accessibility registry on it. Every process is the test's and ends with it.
//
// The launcher is given no display, so it leaves no bus address on the X server,
// which some Qt versions take as reason enough to turn accessibility on: the
// program finds the accessibility bus through the session bus alone.
#pragma once

#include "OwnedProcess.h"

#include <QProcessEnvironment>
#include <QTemporaryDir>

namespace xtest {

class AccessibilityBus
{
public:
    // Returns once the registry is on the accessibility bus, or something failed.
    AccessibilityBus();

    bool isRunning() const { return m_failure.isEmpty(); }
    QString failure() const { return m_failure; }
    QString sessionBusAddress() const { return m_sessionAddress; }
    QString accessibilityBusAddress() const { return m_accessibilityAddress; }
    // The settings (NAME=value) that put a program on this session bus, and on no other.
    QStringList programSettings() const;

private:
    bool startSessionBus();
    bool startLauncher();
    bool startRegistry();

    // The launcher keeps the accessibility bus's socket and its settings here.
    QTemporaryDir m_runtimeDir;
    // Declared in the order they start, so they end in reverse.
    OwnedProcess m_sessionBus;
    OwnedProcess m_launcher;
    OwnedProcess m_registry;
    QString m_sessionAddress;
    QString m_accessibilityAddress;
    QString m_failure;
};

} // namespace xtest
