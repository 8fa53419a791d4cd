#include "platform/messaging/nxLogMessage.h"

nxLogMessage::~nxLogMessage() = default;
