// Results said through UI Automation, under Wine: each becomes one notification
// raised for the window, in the window's language, with the urgency the result
// asks for and its text, and every provider is let go; where the system lacks a
// function, nothing is said and nothing fails.
#include "outside/windows/UiaAnnouncer.h"

#include <QWidget>
#include <QtTest>

#include <uiautomationclient.h>
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

// The source's host and the language of its culture, as a client reads them.
HRESULT WINAPI raiseNotificationEvent(IRawElementProviderSimple *source, int kind, int processing, BSTR text,
                                      BSTR activity)
{
    IRawElementProviderSimple *host = nullptr;
    source->get_HostRawElementProvider(&host);
    VARIANT culture;
    source->GetPropertyValue(UIA_CulturePropertyId, &culture);
    wchar_t cultureName[LOCALE_NAME_MAX_LENGTH] = L"none";
    if (culture.vt == VT_I4)
        LCIDToLocaleName(LCID(culture.lVal), cultureName, LOCALE_NAME_MAX_LENGTH, 0);
    g_raised << QStringLiteral("%1 in %2 kind %3 processing %4: %5 (%6)")
                    .arg(host == &g_provider ? QStringLiteral("window") : QStringLiteral("elsewhere"),
                         QString::fromWCharArray(cultureName).section(u'-', 0, 0))
                    .arg(kind)
                    .arg(processing)
                    .arg(QString::fromWCharArray(text), QString::fromWCharArray(activity));
    if (host)
        host->Release();
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
        window.setLocale(QLocale(QLocale::French));
        window.show();
        outside::UiaAnnouncer announcer({hostProviderFromHwnd, raiseNotificationEvent, clientsAreListening});
        QVERIFY(!announcer.listening());
        announcer.attach(window);
        QVERIFY(announcer.listening());
        announcer.say(QStringLiteral("Égypte\u00a0: bonne réponse\u202f! 1 sur 48."), shell::Announcer::Urgency::AtOnce);
        announcer.say(QStringLiteral("à 56,9\u202f% de la gauche"), shell::Announcer::Urgency::Polite);
        QCOMPARE(g_hostWindow, reinterpret_cast<HWND>(window.internalWinId()));
        QCOMPARE(g_raised,
                 (QStringList{
                     QStringLiteral("window in fr kind 2 processing 1: Égypte\u00a0: bonne réponse\u202f! 1 sur 48. (Quillmere.result)"),
                     QStringLiteral("window in fr kind 2 processing 3: à 56,9\u202f% de la gauche (Quillmere.result)"),
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
