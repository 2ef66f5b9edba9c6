#include "CheckImages.h"

#include "Form1.h"

#include <QPixmap>

namespace lumeport {

void ShowCheck(const Form1& form, Image& image, bool on) {
    const QString file =
        form.state.ProgramDir + (on ? "/Bitmap/check_1.jpg" : "/Bitmap/check_0.jpg");
    image.setPicture(QPixmap(file)); // a missing picture leaves the image empty
}

} // namespace lumeport
