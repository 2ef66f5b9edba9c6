#pragma once
// The window sees every key before the control with the focus does, and leaves the key to
// that control afterwards.

#include <QObject>

namespace lumeport {

class Form1;

class KeyPreview : public QObject {
    Q_OBJECT
public:
    explicit KeyPreview(Form1& form);
    ~KeyPreview() override;

signals:
    void keyDown(int key);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Form1& form_;
};

} // namespace lumeport
