#pragma once

#include <QApplication>
#include <QImage>
#include <cstdio>
#include <string>
#include <vector>

#include "nxStatusGridWindowFixture.h"
#include "nxTestGridManager.h"
#include "platform/grid/CGridCell.h"
#include "platform/grid/CGridRow.h"
#include "platform/grid/data/CGridLockGuard.h"
#include "platform/grid/nxGridCell.h"

// A test grid window of server applications, shown offscreen, fed by a scripted service.
class nxGridWindowFixture : public nxStatusGridWindowFixture<nxTestGridManager>
{
protected:
    // Servers "N0001" and on, numbered from and to.
    static std::vector<nxApplicationStatus*> Numbered(int from, int to)
    {
        std::vector<nxApplicationStatus*> statuses;
        for (int number = from; number <= to; ++number)
        {
            char id[16];
            std::snprintf(id, sizeof id, "N%04d", number);
            statuses.push_back(MakeStatus({.id = id}));
        }
        return statuses;
    }

    int RowOf(const std::string& id)
    {
        for (int row = 0; row < Model().rowCount(); ++row)
            if (Model().index(row, 2).data().toString().toStdString() == id)
                return row;
        return -1;
    }

    // The colour painted in the middle of a cell's left part, away from its text.
    QColor PaintedColour(int row, int column)
    {
        const QImage image = View().viewport()->grab().toImage();
        const QRect cell = View().visualRect(Model().index(row, column));
        return image.pixelColor(cell.right() - 6, cell.center().y());
    }
};
