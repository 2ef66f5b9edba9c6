#include "FontSubstitutes.h"

#include <QFont>
#include <QStringList>

namespace lumeport {

void InstallFontSubstitutes() {
    const QStringList chinese = {"Noto Serif CJK SC", "AR PL UMing CN", "WenQuanYi Zen Hei",
                                 "Noto Sans CJK SC", "Droid Sans Fallback"};
    const struct {
        const char* family;
        QStringList substitutes;
    } table[] = {
        {"新宋体", chinese},
        {"宋体", chinese},
        {"Times New Roman", QStringList{"Liberation Serif", "DejaVu Serif"} + chinese},
        {"pron", {"DejaVu Sans", "Doulos SIL", "Charis SIL", "Liberation Sans"}},
    };
    for (const auto& row : table)
        QFont::insertSubstitutions(QString::fromUtf8(row.family), row.substitutes);
}

} // namespace lumeport
