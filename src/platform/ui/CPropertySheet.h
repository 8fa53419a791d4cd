#pragma once

#include <QDialog>
#include <string>
#include <vector>

class CPropertyPage;
class QPushButton;
class QTabWidget;

// A dialog of pages with OK, Cancel and Apply. The sheet owns the pages added to
// it (they must be made with new). Apply is enabled while a page is modified.
class CPropertySheet : public QDialog
{
    Q_OBJECT

public:
    CPropertySheet(const std::string& caption, QWidget* parent);
    ~CPropertySheet() override;

    // Appends the page; it becomes the last one.
    void AddPage(CPropertyPage* page);
    int GetPageCount() const { return static_cast<int>(m_pages.size()); }
    CPropertyPage* GetPage(int index) const;
    void SetActivePage(int index);
    int GetActiveIndex() const;

    int DoModal();
    // Builds every page without a modal loop (tests, embedding).
    void Create(bool show = true);

    QPushButton* GetOKButton() const { return m_ok; }
    QPushButton* GetCancelButton() const { return m_cancel; }
    QPushButton* GetApplyButton() const { return m_apply; }

    void OnPageModified();

    void reject() override;
    void accept() override;

private:
    bool ApplyModifiedPages();

    std::vector<CPropertyPage*> m_pages;
    QTabWidget* m_tabs = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
    QPushButton* m_apply = nullptr;
};
