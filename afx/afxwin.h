// The least of an application framework that the launcher needs: one
// application object, the entry that runs it, message boxes captioned with
// the application title, and the resource module.
#pragma once

#include "afx_string.h"
#include "platform.h"

struct AfxMessageMapEntry
{
    UINT message;
};

struct AfxMessageMap
{
    const AfxMessageMap* (*getBaseMap)();
    const AfxMessageMapEntry* entries; // ends with a zero message
};

// clang-format off
#define DECLARE_MESSAGE_MAP()                                                   \
protected:                                                                      \
    static const AfxMessageMap* GetThisMessageMap();                            \
    const AfxMessageMap* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                  \
    const AfxMessageMap* theClass::GetMessageMap() const                        \
    {                                                                           \
        return GetThisMessageMap();                                             \
    }                                                                           \
    const AfxMessageMap* theClass::GetThisMessageMap()                          \
    {                                                                           \
        typedef baseClass TheBaseClass;                                         \
        static const AfxMessageMapEntry entries[] = {

#define END_MESSAGE_MAP()                                                       \
            {0}};                                                               \
        static const AfxMessageMap map = {&TheBaseClass::GetThisMessageMap,     \
                                          entries};                             \
        return &map;                                                            \
    }
// clang-format on

class CWinApp
{
public:
    // A null name lets AfxWinMain derive the title at start-up.
    explicit CWinApp(const char* appName = nullptr);
    virtual ~CWinApp();

    virtual const AfxMessageMap* GetMessageMap() const;
    virtual BOOL InitInstance();
    virtual int ExitInstance();

    const char* GetAppTitle() const { return m_appTitle; }

protected:
    static const AfxMessageMap* GetThisMessageMap();

private:
    friend int AfxWinMain(HINSTANCE, HINSTANCE, LPSTR, int);

    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    const char* m_appName; // as given; null: derived from the module
    CStringA m_appTitle;
};

CWinApp* AfxGetApp();
HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();

int AfxWinMain(HINSTANCE instance, HINSTANCE previousInstance, LPSTR commandLine, int showCommand);

int AfxMessageBox(const char* text, UINT type = MB_OK, UINT helpId = 0);
int AfxMessageBox(UINT promptId, UINT type = MB_OK, UINT helpId = static_cast<UINT>(-1));

// The text of a string resource of the resource module; empty when absent.
CStringA AfxLoadString(UINT id);

// The application title: string 0xE000 if the module has one, else the
// module's file name without directory and extension.
CStringA AfxDeriveAppTitle(HINSTANCE module);
