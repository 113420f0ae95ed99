#include "framework/events/EventClasses.h"

#include "classlib/TypInfo.h"
#include "framework/events/OfficeAppEvents.h"
#include "framework/events/OtherAppEvents.h"
#include "framework/events/Outlook2007Application.h"
#include "framework/events/OutlookEvents.h"
#include "framework/events/WordEvents.h"

namespace framework {

void RegisterHostEventClasses() {
    for (const classlib::TClassInfo *cls :
         {&TzidOutlookAppEvents::StaticClass(), &TzidOutlook2007Application::StaticClass(),
          &TzidWordAppEvents::StaticClass(), &TzidExcelAppEvents::StaticClass(),
          &TzidProjectAppEvents::StaticClass(), &TzidPowerPointAppEvents::StaticClass(),
          &TzidFrontPageAppEvents::StaticClass(), &TzidVisioAppEvents::StaticClass(),
          &TzidMapPointAppEvents::StaticClass(), &TzidPublisherAppEvents::StaticClass(),
          &TzidInfoPathAppEvents::StaticClass()})
        classlib::RegisterClass(*cls);
}

} // namespace framework
