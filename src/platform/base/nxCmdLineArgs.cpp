#include "platform/base/nxCmdLineArgs.h"

#include <cstdlib>

#include "platform/base/nxStringHelper.h"

nxCmdLineArgs& nxCmdLineArgs::GetInstance()
{
    static nxCmdLineArgs instance;
    return instance;
}

nxDoubleValueWrapper nxCmdLineArgs::GetEnvValueAsDoubleValue(const std::string& name) const
{
    const char* text = std::getenv(name.c_str());
    if (!text)
        return nxDoubleValueWrapper(nxDoubleValueWrapper::NullValue);
    std::string_view view(text);
    while (!view.empty() && (view.front() == ' ' || view.front() == '\t'))
        view.remove_prefix(1);
    while (!view.empty() && (view.back() == ' ' || view.back() == '\t' || view.back() == '\n'))
        view.remove_suffix(1);
    if (!view.empty() && view.front() == '+')
        view.remove_prefix(1);
    double value = 0;
    if (!nxStringHelper::SetFromString(view, value))
        return nxDoubleValueWrapper(nxDoubleValueWrapper::NoChangeValue);
    return nxDoubleValueWrapper(value);
}
