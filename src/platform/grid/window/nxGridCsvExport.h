#pragma once

#include <QString>
#include <cstddef>
#include <vector>

class QWidget;
class nxGridManager;

// Writes the rows on screen, in display order, to a CSV file: the columns given
// (logical indexes, in the operator's order) under their headings. The rows are
// read a block at a time under the rows lock, so the caller keeps the grid from
// flushing meanwhile. A large export shows its progress and can be cancelled;
// the file appears only when complete (written beside it, then renamed), so a
// cancelled or failed export leaves any earlier file as it was.
class nxGridCsvExport
{
public:
    enum class Outcome
    {
        Written,
        Cancelled,
        Failed
    };
    // From this many rows on, the export shows its progress.
    static constexpr size_t ProgressRows = 10000;
    static constexpr size_t RowsPerBlock = 2000;

    nxGridCsvExport(const nxGridManager& manager, std::vector<size_t> columns);

    Outcome Write(const QString& path, QWidget* parent);
    QString GetError() const { return m_error; }
    size_t GetRowsWritten() const { return m_rowsWritten; }

private:
    std::string Headings() const;
    std::string Block(size_t first, size_t end) const;

    const nxGridManager& m_manager;
    std::vector<size_t> m_columns;
    QString m_error;
    size_t m_rowsWritten = 0;
};
