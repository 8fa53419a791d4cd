#pragma once

class nxErrorEnum;
class nxGridDataInterest;
class nxGridDataObject;

// What a grid learns from its data interest. Called on whatever thread changed
// the data, with the data manager locked: a listener records what it must and
// returns, touching no window.
class nxGridDataInterestListener
{
public:
    virtual ~nxGridDataInterestListener() = default;

    // The interest accepted a new row; the listener must start observing it before returning.
    virtual void OnAddGridDataObject(nxGridDataInterest& interest, nxGridDataObject* object,
                                     bool snapshot) = 0;
    // The row leaves the data; the listener must stop observing it and forget it before returning.
    virtual void OnRemoveGridDataObject(nxGridDataInterest& interest, nxGridDataObject* object) = 0;
    // The filter changed: drop every row; the accepted ones are offered again right after.
    virtual void OnRemoveAllGridDataObjects(nxGridDataInterest& interest) = 0;
    virtual void OnGridDataObjectChanged(nxGridDataInterest&, nxGridDataObject*) {}
    // The data manager finished an update. With throttling the listener is told once
    // until it calls nxGridDataInterest::AcknowledgeDataUpdate.
    virtual void OnEndOfDataUpdate(nxGridDataInterest&) {}
    virtual void OnSnapshotCompleted(nxGridDataInterest&) {}
    virtual void OnSnapshotError(nxGridDataInterest&, const nxErrorEnum&) {}
};
