#include "platform/grid/data/nxAttribute.h"

std::string nxAttribute::GetSubscriptionCategoryLongName(nxSubscriptionCategory category)
{
    switch (category)
    {
    case nxSubscriptionCategories::ApplicationStatus:
        return "ApplicationStatus";
    case nxSubscriptionCategories::LogMessage:
        return "LogMessage";
    default:
        return "Category" + std::to_string(category);
    }
}
