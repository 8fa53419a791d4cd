#pragma once

#include <QColor>

#include "platform/grid/nxGridTypes.h"

// The grid core's colours and alignments as Qt takes them.
inline QColor nxToQColor(COLORREF colour)
{
    return QColor(nxGetRValue(colour), nxGetGValue(colour), nxGetBValue(colour));
}

inline COLORREF nxFromQColor(const QColor& colour)
{
    return nxRGB(static_cast<uint8_t>(colour.red()), static_cast<uint8_t>(colour.green()),
                 static_cast<uint8_t>(colour.blue()));
}

inline Qt::Alignment nxToQtAlignment(uint32_t alignment)
{
    Qt::Alignment result = Qt::AlignLeft;
    if (alignment & DT_RIGHT)
        result = Qt::AlignRight;
    else if (alignment & DT_CENTER)
        result = Qt::AlignHCenter;
    if (alignment & DT_BOTTOM)
        return result | Qt::AlignBottom;
    return result | ((alignment & DT_VCENTER) ? Qt::AlignVCenter : Qt::AlignTop);
}
