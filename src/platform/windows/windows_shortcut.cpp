#include "platform/windows/windows_shortcut.h"

#include <QDir>
#include <QFileInfo>
#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>

namespace {

const wchar_t* wide(const QString& text)
{
    return reinterpret_cast<const wchar_t*>(text.utf16());
}

} // namespace

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

bool createWindowsShortcut(const QString& shortcutPath, const QString& targetPath, const QString& description)
{
    const QString folder = QDir::toNativeSeparators(QFileInfo(targetPath).absolutePath());
    const HRESULT init = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    bool saved = false;
    IShellLinkW* link = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                   reinterpret_cast<void**>(&link)))) {
        IPersistFile* file = nullptr;
        if (SUCCEEDED(link->SetPath(wide(targetPath))) &&
            SUCCEEDED(link->SetWorkingDirectory(wide(folder))) &&
            SUCCEEDED(link->SetIconLocation(wide(targetPath), 0)) &&
            SUCCEEDED(link->SetDescription(wide(description))) &&
            SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
            saved = SUCCEEDED(file->Save(wide(shortcutPath), TRUE));
            file->Release();
        }
        link->Release();
    }
    if (SUCCEEDED(init)) {
        CoUninitialize();
    }
    return saved;
}
