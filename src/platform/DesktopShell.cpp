#include "Shell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace lumeport {

void DesktopShell::Open(const QString& addressOrPath) {
    const QUrl url =
        QFileInfo::exists(addressOrPath) ? QUrl::fromLocalFile(addressOrPath) : QUrl(addressOrPath);
    QDesktopServices::openUrl(url);
}

// The window-state request has no portable form; the program is simply started.
void DesktopShell::Start(const QString& program, const QStringList& arguments, bool) {
    QProcess::startDetached(program, arguments);
}

} // namespace lumeport
