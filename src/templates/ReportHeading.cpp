#include "templates/ReportHeading.h"

#include "session/Session.h"

QString ReportHeading()
{
    return session::companyName();
}
