// AfxModule.h - the process-wide state of the framework and the chain of
// extension libraries searched for resources.
//
// Classes:
//   AFX_EXTENSION_MODULE  what an extension library keeps about itself
//   CDynLinkLibrary       one link of the resource chain
//
// An extension library calls AfxInitExtensionModule and creates a
// CDynLinkLibrary when it is attached, and AfxTermExtensionModule when it is
// detached. AfxFindResourceHandle looks in the application's resource module
// first, then along the chain, newest library first.
#pragma once

#include "CObject.h"

class CDynLinkLibrary;

struct AFX_EXTENSION_MODULE {
    BOOL bInitialized;
    HMODULE hModule;
    HMODULE hResource;
};

class AFX_API CDynLinkLibrary : public CObject {
    DECLARE_DYNAMIC(CDynLinkLibrary)
public:
    explicit CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem = FALSE);
    CDynLinkLibrary(HINSTANCE hModule, HINSTANCE hResource);
    ~CDynLinkLibrary() override;
    CDynLinkLibrary(const CDynLinkLibrary&) = delete;
    CDynLinkLibrary& operator=(const CDynLinkLibrary&) = delete;

    // The first library of the chain, and the next one after this.
    static CDynLinkLibrary* PASCAL GetFirst();
    CDynLinkLibrary* GetNext() const { return m_pNextDLL; }

    HMODULE m_hModule;
    HMODULE m_hResource;
    BOOL m_bSystem;

private:
    void Link();
    CDynLinkLibrary* m_pNextDLL = nullptr;
};

AFX_API BOOL AFXAPI AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule);
// Removes the chain links of this library (all of them).
AFX_API void AFXAPI AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll = FALSE);

AFX_API HINSTANCE AFXAPI AfxGetInstanceHandle();
AFX_API void AFXAPI AfxSetInstanceHandle(HINSTANCE hInst);
AFX_API HINSTANCE AFXAPI AfxGetResourceHandle();
AFX_API void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource);
// The module holding resource lpszName of type lpszType: the application's
// resource module, then each library of the chain; the application's
// resource module when none has it.
AFX_API HINSTANCE AFXAPI AfxFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType);
// The application's name: string 57344 of the resources, else the program's
// file name without folder and extension. AfxSetAppName replaces it.
AFX_API LPCSTR AFXAPI AfxGetAppName();
AFX_API void AFXAPI AfxSetAppName(LPCSTR lpszName);
