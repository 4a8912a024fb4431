#include "Platform.h"

#include <QSettings>

#include <dlfcn.h>

namespace tqsl_platform {

const char* const kCompanionLibraries[] = {nullptr};
const char* const kGeneration1Library = "/libtqsllib.so";
const char* const kGeneration2Library = "/libtqsllib2.so";

std::string ReadInstallFolder() {
    // TrustedQSL/TQSLCert.conf in the XDG configuration folders.
    const QSettings settings(QSettings::SystemScope, QStringLiteral("TrustedQSL"),
                             QStringLiteral("TQSLCert"));
    const QByteArray folder =
        settings.value(QStringLiteral("InstallPath")).toString().toLocal8Bit();
    return folder.isEmpty() ? "/usr/lib/trustedqsl" : folder.toStdString();
}

void* OpenLibrary(const std::string& path) {
    return dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
}

void* FindFunction(void* library, const char* name) {
    return dlsym(library, name);
}

void CloseLibrary(void* library) {
    dlclose(library);
}

} // namespace tqsl_platform
