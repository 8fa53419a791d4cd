#pragma once

#include "nxStatusGridFixture.h"
#include "nxTestGridManager.h"

// A test grid of server applications fed by a scripted service, flushed by hand.
using nxGridFixture = nxStatusGridFixture<nxTestGridManager>;
