#include "BannerLink.h"

#include "Form1.h"
#include "Shell.h"

namespace lumeport {

BannerLink::BannerLink(Form1& form, Shell& shell)
    : form_(form)
    , shell_(shell) {
    form.Label59->setCaption(QStringLiteral("更多软件：") + HomePage);
    connect(form.Timer7, &QTimer::timeout, this, &BannerLink::Scroll);
    connect(form.Label59, &Control::clicked, this, &BannerLink::Open);
}

void BannerLink::PlaceAtStart() {
    form_.Label59->setLeft(form_.Picture31->width() + 500 * form_.state.ScaleRatio);
}

void BannerLink::Scroll() {
    Label& link = *form_.Label59;
    link.setLeft(link.left() - 15);
    if (link.left() + link.width() < 0) PlaceAtStart();
}

void BannerLink::Open() {
    shell_.Open(HomePage);
}

} // namespace lumeport
