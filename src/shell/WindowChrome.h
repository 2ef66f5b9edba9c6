#pragma once
// The window draws its own frame: the close and minimise buttons of its title bar, and the
// window background that puts the tip box away when the mouse moves over it.

#include <QObject>

namespace lumeport {

class Form1;

class WindowChrome : public QObject {
    Q_OBJECT
public:
    explicit WindowChrome(Form1& form);

    void CloseWindow();
    void MinimiseWindow();

private:
    Form1& form_;
};

} // namespace lumeport
