#pragma once
// SIGTERM and SIGINT (a desktop logout, Ctrl+C in a terminal) turned into an ordinary event of
// the user-interface thread, so the window can close the way its close button closes it.

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace lumeport {

class TerminationSignals : public QObject {
    Q_OBJECT
public:
    // Runs `onSignal` on the event loop after each SIGTERM or SIGINT.
    explicit TerminationSignals(std::function<void()> onSignal, QObject* parent = nullptr);
    ~TerminationSignals() override;

private:
    std::function<void()> onSignal_;
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace lumeport
