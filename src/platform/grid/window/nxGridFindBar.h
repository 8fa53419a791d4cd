#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QToolButton;

// The find bar under a grid: the text to find, how many cells hold it and which
// of them is current ("3 of 41"), and buttons for the previous and next hit.
// Enter goes to the next hit, Shift+Enter to the previous one, Escape closes it.
class nxGridFindBar : public QWidget
{
    Q_OBJECT

public:
    explicit nxGridFindBar(QWidget* parent = nullptr);

    QLineEdit* GetEdit() const { return m_edit; }
    QString GetText() const;
    // The hit count; number 0 when no hit is current.
    void ShowCount(size_t number, size_t count);
    QString GetCountText() const;

signals:
    void TextEdited(const QString& text);
    void NextRequested();
    void PreviousRequested();
    void CloseRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* m_edit;
    QLabel* m_count;
    QToolButton* m_previous;
    QToolButton* m_next;
    QToolButton* m_close;
};
