#include "platform/grid/window/nxGridPrinter.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

namespace
{
// Rows measured to size the columns; the rest are elided to fit.
constexpr size_t kMeasuredRows = 500;
constexpr int kColumnGap = 12;
} // namespace

nxGridPrinter::nxGridPrinter(const nxGridManager::TextTable& table, QString title)
    : m_table(table), m_title(std::move(title))
{
}

nxGridPrinter::Layout nxGridPrinter::MakeLayout(QPainter& painter, QPagedPaintDevice& device) const
{
    Layout layout;
    layout.page = QRect(0, 0, device.width(), device.height());
    const QFontMetrics metrics = painter.fontMetrics();
    layout.lineHeight = metrics.height() + 2;
    // Title, headings and the foot take three lines.
    layout.rowsPerPage = std::max(1, layout.page.height() / layout.lineHeight - 4);
    for (size_t column = 0; column < m_table.headings.size(); ++column)
    {
        int width = metrics.horizontalAdvance(QString::fromStdString(m_table.headings[column]));
        for (size_t row = 0; row < std::min(m_table.rows.size(), kMeasuredRows); ++row)
            width =
                std::max(width, metrics.horizontalAdvance(QString::fromStdString(m_table.rows[row][column])));
        layout.columnWidths.push_back(width + kColumnGap);
    }
    // Columns wider than the page together share it in proportion.
    int total = 0;
    for (int width : layout.columnWidths)
        total += width;
    if (total > layout.page.width())
        for (int& width : layout.columnWidths)
            width = width * layout.page.width() / total;
    return layout;
}

int nxGridPrinter::GetPageCount(QPagedPaintDevice& device) const
{
    QPainter painter(&device);
    const Layout layout = MakeLayout(painter, device);
    painter.end();
    return std::max<int>(
        1, static_cast<int>((m_table.rows.size() + layout.rowsPerPage - 1) / layout.rowsPerPage));
}

void nxGridPrinter::Print(QPagedPaintDevice& device) const
{
    QPainter painter(&device);
    const Layout layout = MakeLayout(painter, device);
    const int pages = std::max<int>(
        1, static_cast<int>((m_table.rows.size() + layout.rowsPerPage - 1) / layout.rowsPerPage));
    for (int page = 0; page < pages; ++page)
    {
        if (page > 0)
            device.newPage();
        PrintPage(painter, layout, page, pages);
    }
}

void nxGridPrinter::PrintPage(QPainter& painter, const Layout& layout, int page, int pages) const
{
    QFont bold = painter.font();
    bold.setBold(true);
    const QFont plain = painter.font();
    painter.setFont(bold);
    painter.drawText(QRect(0, 0, layout.page.width(), layout.lineHeight), Qt::AlignLeft | Qt::AlignVCenter,
                     m_title);
    PrintLine(painter, layout, layout.lineHeight * 2, m_table.headings);
    painter.drawLine(0, layout.lineHeight * 3 - 1, layout.page.width(), layout.lineHeight * 3 - 1);
    painter.setFont(plain);
    const size_t first = static_cast<size_t>(page) * static_cast<size_t>(layout.rowsPerPage);
    const size_t end = std::min(m_table.rows.size(), first + static_cast<size_t>(layout.rowsPerPage));
    int top = layout.lineHeight * 3;
    for (size_t row = first; row < end; ++row, top += layout.lineHeight)
        PrintLine(painter, layout, top, m_table.rows[row]);
    painter.drawText(
        QRect(0, layout.page.height() - layout.lineHeight, layout.page.width(), layout.lineHeight),
        Qt::AlignHCenter | Qt::AlignVCenter, QStringLiteral("Page %1 of %2").arg(page + 1).arg(pages));
}

void nxGridPrinter::PrintLine(QPainter& painter, const Layout& layout, int top,
                              const std::vector<std::string>& fields) const
{
    int left = 0;
    const QFontMetrics metrics = painter.fontMetrics();
    for (size_t column = 0; column < fields.size() && column < layout.columnWidths.size(); ++column)
    {
        const int width = layout.columnWidths[column];
        const QString text =
            metrics.elidedText(QString::fromStdString(fields[column]), Qt::ElideRight, width - kColumnGap);
        painter.drawText(QRect(left, top, width, layout.lineHeight), Qt::AlignLeft | Qt::AlignVCenter, text);
        left += width;
    }
}
