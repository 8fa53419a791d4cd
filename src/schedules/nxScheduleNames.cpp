#include "schedules/nxScheduleNames.h"

#include "contracts/nxControlInterface.h"
#include "platform/base/nxLog.h"
#include "schedules/nxScheduleTexts.h"

bool nxScheduleNames::Fetch(nxWindowRef owner, const char* logSource, std::vector<std::string>& names)
{
    names.clear();
    const nxErrorEnum result = nxControlInterface::GetInstance()->GetApplicationScheduleInstanceList(names);
    if (result.IsOK())
        return true;
    names.clear();
    nxMessageBox(owner, nxScheduleTexts::ErrorPrefix + result.GetLongDescription(),
                 nxScheduleTexts::ListFailed, MB_OK | MB_ICONERROR);
    nxLog(nxLogLevelEnum(nxLogLevel::Error), logSource) << nxScheduleTexts::ListFailedLog << result;
    return false;
}
