#include "outside/windows/UiaAnnouncer.h"

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
    IRawElementProviderSimple *provider = nullptr;
    if (FAILED(m_uia.hostProviderFromHwnd(reinterpret_cast<HWND>(m_window->internalWinId()), &provider)) || !provider)
        return;
    BSTR displayString = SysAllocStringLen(reinterpret_cast<const OLECHAR *>(text.utf16()), UINT(text.size()));
    BSTR activityId = SysAllocString(kActivity);
    // A result cuts off what is said before it; a drop point's step only replaces the last step.
    m_uia.raiseNotificationEvent(provider, UiaFunctions::ActionCompleted,
                                 urgency == Urgency::AtOnce ? UiaFunctions::ImportantMostRecent
                                                            : UiaFunctions::MostRecent,
                                 displayString, activityId);
    SysFreeString(activityId);
    SysFreeString(displayString);
    provider->Release();
}

} // namespace outside
