#include "ui/support/programfonts.h"

#include <QApplication>

namespace trayeko::ui {

namespace {

QFont family(const char* name, QFont::StyleHint hint)
{
    QFont font{QString::fromLatin1(name)};
    font.setStyleHint(hint);
    if (hint == QFont::TypeWriter)
        font.setFixedPitch(true);
    return font;
}

} // namespace

QFont programFont(int pixelSize)
{
    QFont font = family(kProgramFamily, QFont::SansSerif);
    font.setPixelSize(pixelSize);
    return font;
}

QFont listingFont(int pixelSize)
{
    QFont font = family(kListingFamily, QFont::TypeWriter);
    font.setPixelSize(pixelSize);
    return font;
}

QFont listingFontInPoints(qreal pointSize)
{
    QFont font = family(kListingFamily, QFont::TypeWriter);
    font.setPointSizeF(pointSize);
    return font;
}

void useProgramFont()
{
    QFont font = QApplication::font();
    font.setFamilies({QString::fromLatin1(kProgramFamily)});
    font.setStyleHint(QFont::SansSerif);
    QApplication::setFont(font);
}

} // namespace trayeko::ui
