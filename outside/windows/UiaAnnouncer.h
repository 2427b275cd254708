// Results said to Narrator, NVDA and other UI Automation clients as notifications
// raised for the window (UiaRaiseNotificationEvent, Windows 10 version 1709 and
// later), which they speak whatever has the focus; their source gives the window's
// locale, the board's language, as its culture. The functions are
// looked up in uiautomationcore.dll at run time: where one is missing, nothing is
// said and nothing fails.
#pragma once

#include "shell/Announcer.h"

#include <QPointer>
#include <QWidget>

#include <windows.h>

struct IRawElementProviderSimple;

namespace outside {

// What UI Automation offers for saying things; tests put recorders in its place.
struct UiaFunctions {
    // NotificationKind and NotificationProcessing, as uiautomationcore.h of the
    // Windows SDK numbers them (MinGW-w64's headers lack them).
    enum Kind { ActionCompleted = 2 };
    enum Processing { ImportantMostRecent = 1, MostRecent = 3 };

    using HostProviderFromHwnd = HRESULT(WINAPI *)(HWND, IRawElementProviderSimple **);
    using RaiseNotificationEvent = HRESULT(WINAPI *)(IRawElementProviderSimple *, int kind, int processing,
                                                     BSTR displayString, BSTR activityId);
    using ClientsAreListening = BOOL(WINAPI *)();

    HostProviderFromHwnd hostProviderFromHwnd = nullptr;
    RaiseNotificationEvent raiseNotificationEvent = nullptr;
    ClientsAreListening clientsAreListening = nullptr;

    // Those of this system's uiautomationcore.dll, each null where it is missing.
    static UiaFunctions ofSystem();
};

class UiaAnnouncer : public shell::Announcer
{
public:
    explicit UiaAnnouncer(UiaFunctions functions = UiaFunctions::ofSystem()) : m_uia(functions) {}

    // The window the notifications come from, in its locale.
    void attach(QWidget &window) { m_window = &window; }

    bool listening() const override;
    void say(const QString &text, Urgency urgency) override;

private:
    UiaFunctions m_uia;
    QPointer<QWidget> m_window;
};

} // namespace outside
