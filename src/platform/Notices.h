#pragma once
// The program's few messages: information boxes with a title and one OK button.

#include <QString>

class QWidget;

namespace lumeport {

class Notices {
public:
    virtual ~Notices() = default;
    // Shows the message and returns once the learner has closed it.
    virtual void Inform(const QString& title, const QString& text) = 0;
};

// A modal message box over the window.
class MessageBoxNotices : public Notices {
public:
    explicit MessageBoxNotices(QWidget* window = nullptr)
        : window_(window) {}
    void setWindow(QWidget* window) { window_ = window; }
    void Inform(const QString& title, const QString& text) override;

private:
    QWidget* window_;
};

} // namespace lumeport
