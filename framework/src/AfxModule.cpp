// AfxModule.cpp - instance and resource handles, the application's name and
// the chain of extension libraries.
#include "AfxModule.h"

#include "CString.h"
#include "afxres.h"

namespace {
// The state of the one framework in the process.
struct ModuleState {
    HINSTANCE hInstance = nullptr;
    HINSTANCE hResource = nullptr;
    CDynLinkLibrary* pFirstDLL = nullptr;
    CString* pAppName = nullptr;  // made on first use, so it needs no static constructor order
};

ModuleState& State() {
    static ModuleState state;
    return state;
}

bool HasResource(HMODULE hModule, LPCSTR lpszName, LPCSTR lpszType) {
    return hModule && FindResourceA(hModule, lpszName, lpszType) != nullptr;
}
}  // namespace

IMPLEMENT_DYNAMIC(CDynLinkLibrary, CObject)

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem)
    : m_hModule(state.hModule), m_hResource(state.hResource), m_bSystem(bSystem) {
    Link();
}

CDynLinkLibrary::CDynLinkLibrary(HINSTANCE hModule, HINSTANCE hResource)
    : m_hModule(hModule), m_hResource(hResource), m_bSystem(FALSE) {
    Link();
}

void CDynLinkLibrary::Link() {
    m_pNextDLL = State().pFirstDLL;
    State().pFirstDLL = this;
}

CDynLinkLibrary::~CDynLinkLibrary() {
    for (CDynLinkLibrary** pp = &State().pFirstDLL; *pp; pp = &(*pp)->m_pNextDLL) {
        if (*pp == this) {
            *pp = m_pNextDLL;
            break;
        }
    }
}

CDynLinkLibrary* PASCAL CDynLinkLibrary::GetFirst() { return State().pFirstDLL; }

BOOL AFXAPI AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule) {
    if (state.bInitialized) return TRUE;
    state.hModule = hModule;
    state.hResource = hModule;
    state.bInitialized = TRUE;
    return TRUE;
}

void AFXAPI AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll) {
    (void)bAll;
    if (!state.bInitialized) return;
    for (CDynLinkLibrary* p = State().pFirstDLL; p;) {
        CDynLinkLibrary* next = p->GetNext();
        if (p->m_hModule == state.hModule) delete p;
        p = next;
    }
    state.bInitialized = FALSE;
}

HINSTANCE AFXAPI AfxGetInstanceHandle() {
    if (!State().hInstance) State().hInstance = GetModuleHandleA(nullptr);
    return State().hInstance;
}

void AFXAPI AfxSetInstanceHandle(HINSTANCE hInst) { State().hInstance = hInst; }

HINSTANCE AFXAPI AfxGetResourceHandle() {
    if (!State().hResource) return AfxGetInstanceHandle();
    return State().hResource;
}

void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource) { State().hResource = hInstResource; }

HINSTANCE AFXAPI AfxFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType) {
    HINSTANCE hApp = AfxGetResourceHandle();
    if (HasResource(hApp, lpszName, lpszType)) return hApp;
    for (CDynLinkLibrary* p = State().pFirstDLL; p; p = p->GetNext())
        if (HasResource(p->m_hResource, lpszName, lpszType)) return p->m_hResource;
    return hApp;
}

LPCSTR AFXAPI AfxGetAppName() {
    ModuleState& state = State();
    if (!state.pAppName) {
        state.pAppName = new CString;
        if (!state.pAppName->LoadString(AFX_IDS_APP_TITLE)) {
            char path[MAX_PATH] = {};
            GetModuleFileNameA(nullptr, path, MAX_PATH - 1);
            CString name(path);
            int slash = name.ReverseFind('\\');
            if (slash >= 0) name = name.Mid(slash + 1);
            int dot = name.ReverseFind('.');
            if (dot > 0) name = name.Left(dot);
            *state.pAppName = name;
        }
    }
    return *state.pAppName;
}

void AFXAPI AfxSetAppName(LPCSTR lpszName) {
    ModuleState& state = State();
    if (!state.pAppName) state.pAppName = new CString;
    *state.pAppName = lpszName;
}
