#include "gui/web/web_module.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace voltaris::gui::web {

QString webModuleFile() {
    const QString named = qEnvironmentVariable("VOLTARIS_WEB_MODULE");
    if (!named.isEmpty())
        return QFileInfo::exists(named) ? named : QString();
#ifdef VOLTARIS_WEB_MODULE_FILE
    // Built where the programs are built; installed in lib/voltaris beside the program's bin.
    const QDir programDirectory(QCoreApplication::applicationDirPath());
    for (const char* directory : {".", "../" VOLTARIS_INSTALL_LIBDIR "/voltaris"}) {
        const QString file = QDir::cleanPath(programDirectory.filePath(
            QString::fromUtf8(directory) + QStringLiteral("/" VOLTARIS_WEB_MODULE_FILE)));
        if (QFileInfo::exists(file))
            return file;
    }
#endif
    return {};
}

WebModule* loadWebModule(QString* error) {
    static WebModule* module = nullptr;
    if (module)
        return module;
    const QString file = webModuleFile();
    if (file.isEmpty()) {
        *error = QStringLiteral("libvoltaris_web.so");
        return nullptr;
    }
    // Never unloaded: its windows live until the program ends.
    static QLibrary library;
    library.setFileName(file);
    const auto entry = reinterpret_cast<ModuleEntry>(library.resolve(kModuleEntry));
    if (!entry) {
        *error = library.errorString();
        return nullptr;
    }
    module = entry();
    return module;
}

} // namespace voltaris::gui::web
