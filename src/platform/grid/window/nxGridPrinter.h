#pragma once

#include <QRect>
#include <QString>
#include <vector>

#include "platform/grid/nxGridManager.h"

class QPagedPaintDevice;
class QPainter;

// Prints a grid's text table: the headings on every page, the rows in display
// order, the page number at the foot.
class nxGridPrinter
{
public:
    nxGridPrinter(const nxGridManager::TextTable& table, QString title);

    void Print(QPagedPaintDevice& device) const;
    int GetPageCount(QPagedPaintDevice& device) const;

private:
    struct Layout
    {
        QRect page;
        int lineHeight = 0;
        int rowsPerPage = 0;
        std::vector<int> columnWidths;
    };

    Layout MakeLayout(QPainter& painter, QPagedPaintDevice& device) const;
    void PrintPage(QPainter& painter, const Layout& layout, int page, int pages) const;
    void PrintLine(QPainter& painter, const Layout& layout, int top,
                   const std::vector<std::string>& fields) const;

    const nxGridManager::TextTable& m_table;
    QString m_title;
};
