#pragma once
// The desktop shell: web pages and local pages in the default browser, other programs.

#include <QString>
#include <QStringList>

namespace lumeport {

class Shell {
public:
    virtual ~Shell() = default;
    // Opens a web address or a local file in the program that shows it (the "open" verb).
    virtual void Open(const QString& addressOrPath) = 0;
    // Starts another program, not waiting for it; `minimised` asks for a minimised window.
    virtual void Start(const QString& program, const QStringList& arguments, bool minimised) = 0;
};

// The real shell: QDesktopServices and a detached QProcess (no command shell in between).
class DesktopShell : public Shell {
public:
    void Open(const QString& addressOrPath) override;
    void Start(const QString& program, const QStringList& arguments, bool minimised) override;
};

} // namespace lumeport
