#pragma once

// The rows of the log store in the order they were filed, oldest first, linked
// through the rows themselves. A row leaves the order when it is destroyed. Not
// guarded: the store's lock is, under which rows are filed and deleted.
class nxLogFilingOrder
{
public:
    // Part of every row: its place in the order, if it has one.
    class Place
    {
    public:
        Place() = default;
        ~Place() { Leave(); }
        Place(const Place&) = delete;
        Place& operator=(const Place&) = delete;

        bool IsInOrder() const { return m_newer != nullptr; }

    private:
        friend class nxLogFilingOrder;
        void Leave();

        Place* m_older = nullptr;
        Place* m_newer = nullptr;
    };

    nxLogFilingOrder();
    // Rows still in the order leave it.
    ~nxLogFilingOrder();
    nxLogFilingOrder(const nxLogFilingOrder&) = delete;
    nxLogFilingOrder& operator=(const nxLogFilingOrder&) = delete;

    void Append(Place& newest);
    // Null when the order is empty.
    Place* GetOldest() const;
    bool IsEmpty() const { return m_end.m_newer == &m_end; }

private:
    // Both ends of a ring: its newer neighbour is the oldest row, its older the newest.
    Place m_end;
};
