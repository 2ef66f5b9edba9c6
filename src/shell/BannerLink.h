#pragma once
// The link that runs through the banner at the top right and opens the program's home page.

#include <QObject>
#include <QString>

namespace lumeport {

class Form1;
class Shell;

inline const QString HomePage = QStringLiteral("https://lumeport.example.org/");

class BannerLink : public QObject {
    Q_OBJECT
public:
    BannerLink(Form1& form, Shell& shell);

    // Just beyond the banner's right edge, where the link enters.
    void PlaceAtStart();
    // Timer7, every 50 ms: 15 twips to the left (whatever the scale), back to the start once
    // the link has left the banner on the left.
    void Scroll();
    void Open();

private:
    Form1& form_;
    Shell& shell_;
};

} // namespace lumeport
