#include "Notices.h"

#include <QMessageBox>

namespace lumeport {

void MessageBoxNotices::Inform(const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, window_);
    box.exec();
}

} // namespace lumeport
