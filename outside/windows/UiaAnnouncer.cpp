#include "outside/windows/UiaAnnouncer.h"

#include <QLocale>

#include <uiautomationclient.h>
#include <uiautomationcore.h>

namespace outside {

namespace {

// One activity for every result, so that a new one replaces what is still queued.
const wchar_t kActivity[] = L"Quillmere.result";

template<class Function>
Function lookUp(HMODULE library, const char *name)
{
    return library ? reinterpret_cast<Function>(reinterpret_cast<void *>(GetProcAddress(library, name))) : nullptr;
}

// The window as the source of a notification, in the board's language: Qt's
// provider gives its elements no culture, so a client that asks the source's would
// otherwise read the board in the system's language. Every other property, and the
// element itself, come from the window's host provider.
class WindowInLanguage final : public IRawElementProviderSimple
{
public:
    WindowInLanguage(IRawElementProviderSimple *host, LCID culture) : m_host(host), m_culture(culture) {}

    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&m_references); }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const ULONG left = InterlockedDecrement(&m_references);
        if (!left)
            delete this;
        return left;
    }
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void **object) override
    {
        if (id != __uuidof(IUnknown) && id != __uuidof(IRawElementProviderSimple)) {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        *object = static_cast<IRawElementProviderSimple *>(this);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_ProviderOptions(ProviderOptions *options) override
    {
        // As Qt's own providers: called on the thread that made it, the window's.
        *options = ProviderOptions(ProviderOptions_ServerSideProvider | ProviderOptions_UseComThreading);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetPatternProvider(PATTERNID, IUnknown **pattern) override
    {
        *pattern = nullptr;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetPropertyValue(PROPERTYID property, VARIANT *value) override
    {
        VariantInit(value);
        if (property == UIA_CulturePropertyId && m_culture) {
            value->vt = VT_I4;
            value->lVal = LONG(m_culture);
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_HostRawElementProvider(IRawElementProviderSimple **host) override
    {
        m_host->AddRef();
        *host = m_host;
        return S_OK;
    }

private:
    ~WindowInLanguage() { m_host->Release(); }

    IRawElementProviderSimple *m_host; // owned: one reference
    const LCID m_culture;
    LONG m_references = 1;
};

// None where Windows knows no locale of that name.
LCID cultureOf(const QLocale &language)
{
    const QString name = language.bcp47Name();
    return LocaleNameToLCID(reinterpret_cast<const wchar_t *>(name.utf16()), 0);
}

} // namespace

UiaFunctions UiaFunctions::ofSystem()
{
    // Loaded once and kept, as Qt keeps it for its own provider.
    static const HMODULE library = LoadLibraryExW(L"uiautomationcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    return {lookUp<HostProviderFromHwnd>(library, "UiaHostProviderFromHwnd"),
            lookUp<RaiseNotificationEvent>(library, "UiaRaiseNotificationEvent"),
            lookUp<ClientsAreListening>(library, "UiaClientsAreListening")};
}

bool UiaAnnouncer::listening() const
{
    return m_window && m_uia.hostProviderFromHwnd && m_uia.raiseNotificationEvent && m_uia.clientsAreListening
        && m_uia.clientsAreListening();
}

void UiaAnnouncer::say(const QString &text, Urgency urgency)
{
    if (!listening() || !m_window->internalWinId())
        return;
    IRawElementProviderSimple *host = nullptr;
    if (FAILED(m_uia.hostProviderFromHwnd(reinterpret_cast<HWND>(m_window->internalWinId()), &host)) || !host)
        return;
    // The window's locale is the board's language.
    auto *source = new WindowInLanguage(host, cultureOf(m_window->locale()));
    BSTR displayString = SysAllocStringLen(reinterpret_cast<const OLECHAR *>(text.utf16()), UINT(text.size()));
    BSTR activityId = SysAllocString(kActivity);
    // Said at once, it cuts off what is being said; polite, it waits, and only the latest polite one is said.
    m_uia.raiseNotificationEvent(source, UiaFunctions::ActionCompleted,
                                 urgency == Urgency::AtOnce ? UiaFunctions::ImportantMostRecent
                                                            : UiaFunctions::MostRecent,
                                 displayString, activityId);
    SysFreeString(activityId);
    SysFreeString(displayString);
    source->Release();
}

} // namespace outside
