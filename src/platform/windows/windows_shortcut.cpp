#include "platform/windows/windows_shortcut.h"

#include <QDir>
#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>

QString windowsStartupFolder()
{
    wchar_t* path = nullptr;
    QString folder;
    // Made when a new profile lacks it, as the start-up folder of other desktops is.
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_Startup, KF_FLAG_CREATE, nullptr, &path))) {
        folder = QDir::fromNativeSeparators(QString::fromWCharArray(path));
    }
    CoTaskMemFree(path);
    return folder;
}

bool createWindowsShortcut(const QString& shortcutPath, const QString& targetPath)
{
    const HRESULT init = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    bool saved = false;
    IShellLinkW* link = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                   reinterpret_cast<void**>(&link)))) {
        IPersistFile* file = nullptr;
        if (SUCCEEDED(link->SetPath(reinterpret_cast<const wchar_t*>(targetPath.utf16()))) &&
            SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
            saved = SUCCEEDED(file->Save(reinterpret_cast<const wchar_t*>(shortcutPath.utf16()), TRUE));
            file->Release();
        }
        link->Release();
    }
    if (SUCCEEDED(init)) {
        CoUninitialize();
    }
    return saved;
}
