#include "clock/cat_designs.h"

namespace cat_designs {

QImage picture(int type)
{
    return QImage(QStringLiteral(":/designs/D_Pic%1.png").arg(type)).convertToFormat(QImage::Format_RGB32);
}

} // namespace cat_designs
