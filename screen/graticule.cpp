#include "graticule.h"

QImage Graticule::image()
{
    QImage image(Size, Size, QImage::Format_Indexed8);
    image.setColorTable({Navy.rgb(), LightCyan.rgb()});
    for (int y = 0; y < Size; ++y) {
        uchar *line = image.scanLine(y);
        const bool ruledRow = y % Division == 0 && y != 0;
        for (int x = 0; x < Size; ++x)
            line[x] = ruledRow || (x % Division == 0 && x != 0) ? 1 : 0;
    }
    return image;
}
