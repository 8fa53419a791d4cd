#include "platform/grid/window/nxGridCsvExport.h"

#include <QProgressDialog>
#include <QSaveFile>
#include <memory>

#include "platform/base/nxCsvWriter.h"
#include "platform/grid/CGridCell.h"
#include "platform/grid/CGridRow.h"
#include "platform/grid/data/CGridLockGuard.h"
#include "platform/grid/nxGridColumn.h"
#include "platform/grid/nxGridManager.h"

nxGridCsvExport::nxGridCsvExport(const nxGridManager& manager, std::vector<size_t> columns)
    : m_manager(manager), m_columns(std::move(columns))
{
}

std::string nxGridCsvExport::Headings() const
{
    std::vector<std::string> headings;
    for (size_t column : m_columns)
    {
        const nxGridColumn* gridColumn = m_manager.GetColumn(column);
        headings.push_back(gridColumn ? gridColumn->GetHeading() : std::string());
    }
    std::string text;
    nxCsvWriter::AppendRecord(text, headings);
    return text;
}

std::string nxGridCsvExport::Block(size_t first, size_t end) const
{
    std::string text;
    std::vector<std::string> fields(m_columns.size());
    CGridLockGuard rows(m_manager.GetRowsLock());
    for (size_t index = first; index < end; ++index)
    {
        const CGridRow* row = m_manager.GetDisplayRow(index);
        if (!row)
            break;
        for (size_t place = 0; place < m_columns.size(); ++place)
        {
            const CGridCell* cell = row->Cell(m_columns[place]);
            fields[place] = cell ? cell->GetText() : std::string();
        }
        nxCsvWriter::AppendRecord(text, fields);
    }
    return text;
}

nxGridCsvExport::Outcome nxGridCsvExport::Write(const QString& path, QWidget* parent)
{
    m_rowsWritten = 0;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
    {
        m_error = file.errorString();
        return Outcome::Failed;
    }
    const size_t count = m_manager.GetDisplayRowCount();
    std::unique_ptr<QProgressDialog> progress;
    if (count >= ProgressRows)
    {
        progress =
            std::make_unique<QProgressDialog>(QObject::tr("Exporting %1 rows...").arg(count),
                                              QObject::tr("Cancel"), 0, static_cast<int>(count), parent);
        progress->setWindowTitle(QObject::tr("Export"));
        progress->setWindowModality(Qt::WindowModal);
        progress->setMinimumDuration(0);
        progress->setValue(0);
    }
    const std::string headings = Headings();
    file.write(headings.data(), static_cast<qint64>(headings.size()));
    for (size_t first = 0; first < count; first += RowsPerBlock)
    {
        const std::string block = Block(first, std::min(count, first + RowsPerBlock));
        if (file.write(block.data(), static_cast<qint64>(block.size())) != static_cast<qint64>(block.size()))
            break;
        m_rowsWritten = std::min(count, first + RowsPerBlock);
        if (progress)
        {
            progress->setValue(static_cast<int>(m_rowsWritten));
            if (progress->wasCanceled())
            {
                file.cancelWriting();
                return Outcome::Cancelled;
            }
        }
    }
    if (!file.commit())
    {
        m_error = file.errorString();
        return Outcome::Failed;
    }
    return Outcome::Written;
}
