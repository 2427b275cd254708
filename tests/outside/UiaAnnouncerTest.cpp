// Results said through UI Automation, under Wine: each becomes one notification
// raised on the window's own provider, with the urgency the result asks for and its
// text, and the provider is let go; where the system lacks a function, nothing is
// said and nothing fails.
#include "outside/windows/UiaAnnouncer.h"

#include <QWidget>
#include <QtTest>

#include <uiautomationcore.h>

namespace {

// A provider that only counts its references.
class CountedProvider : public IRawElementProviderSimple
{
public:
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
    ULONG STDMETHODCALLTYPE Release() override { return --references; }
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void **object) override
    {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    HRESULT STDMETHODCALLTYPE get_ProviderOptions(ProviderOptions *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetPatternProvider(PATTERNID, IUnknown **) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetPropertyValue(PROPERTYID, VARIANT *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_HostRawElementProvider(IRawElementProviderSimple **) override { return E_NOTIMPL; }

    ULONG references = 0;
};

CountedProvider g_provider;
HWND g_hostWindow = nullptr;
QStringList g_raised;

HRESULT WINAPI hostProviderFromHwnd(HWND window, IRawElementProviderSimple **provider)
{
    g_hostWindow = window;
    g_provider.AddRef();
    *provider = &g_provider;
    return S_OK;
}

HRESULT WINAPI raiseNotificationEvent(IRawElementProviderSimple *provider, int kind, int processing, BSTR text,
                                      BSTR activity)
{
    g_raised << QStringLiteral("%1 kind %2 processing %3: %4 (%5)")
                    .arg(provider == &g_provider ? QStringLiteral("window") : QStringLiteral("elsewhere"))
                    .arg(kind)
                    .arg(processing)
                    .arg(QString::fromWCharArray(text), QString::fromWCharArray(activity));
    return S_OK;
}

BOOL WINAPI clientsAreListening()
{
    return TRUE;
}

} // namespace

class UiaAnnouncerTest : public QObject
{
    Q_OBJECT

private slots:
    void eachResultIsANotificationOfTheWindow()
    {
        QWidget window;
        window.show();
        outside::UiaAnnouncer announcer({hostProviderFromHwnd, raiseNotificationEvent, clientsAreListening});
        QVERIFY(!announcer.listening());
        announcer.attach(window);
        QVERIFY(announcer.listening());
        announcer.say(QStringLiteral("Egypt placed. 1 of 48."), shell::Announcer::Urgency::AtOnce);
        announcer.say(QStringLiteral("57% across, 50% down"), shell::Announcer::Urgency::Polite);
        QCOMPARE(g_hostWindow, reinterpret_cast<HWND>(window.internalWinId()));
        QCOMPARE(g_raised, (QStringList{
                               QStringLiteral("window kind 2 processing 1: Egypt placed. 1 of 48. (Quillmere.result)"),
                               QStringLiteral("window kind 2 processing 3: 57% across, 50% down (Quillmere.result)"),
                           }));
        QCOMPARE(g_provider.references, ULONG(0));
    }

    // Wine 8's uiautomationcore.dll, for one, has no UiaRaiseNotificationEvent.
    void whatTheSystemLacksIsNeverCalled()
    {
        const outside::UiaFunctions system = outside::UiaFunctions::ofSystem();
        qInfo("UiaHostProviderFromHwnd %s, UiaRaiseNotificationEvent %s, UiaClientsAreListening %s",
              system.hostProviderFromHwnd ? "found" : "missing", system.raiseNotificationEvent ? "found" : "missing",
              system.clientsAreListening ? "found" : "missing");
        QWidget window;
        window.show();
        outside::UiaAnnouncer announcer(system);
        announcer.attach(window);
        if (!system.raiseNotificationEvent || !system.hostProviderFromHwnd || !system.clientsAreListening)
            QVERIFY(!announcer.listening());
        announcer.say(QStringLiteral("Egypt placed. 1 of 48."), shell::Announcer::Urgency::AtOnce);
    }
};

QTEST_MAIN(UiaAnnouncerTest)
#include "UiaAnnouncerTest.moc"
