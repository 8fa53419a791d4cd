#include "platform/grid/data/nxGridDataObject.h"

#include "platform/grid/data/nxGridDataSubscription.h"

nxGridDataObject::~nxGridDataObject()
{
    if (nxGridDataSubscription* creator = GetCreatorSubscription())
        creator->RemoveDataObjectCreatedBySubscription(this);
}
