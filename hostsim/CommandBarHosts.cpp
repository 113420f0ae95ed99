#include "hostsim/CommandBarHosts.h"

#include "hostsim/CommandBarCatalog.h"
#include "hostsim/CommandBarsObject.h"
#include "hostsim/OutlookHost.h"
#include "hostsim/WordHost.h"

namespace hostsim {

std::shared_ptr<CommandBarHost> AttachCommandBars(OutlookHost &outlook) {
    auto host = std::make_shared<CommandBarHost>(outlook.World());
    host->SetApplication(outlook.Application());
    outlook.SetCommandBarsFactory([&world = outlook.World(), host](SimOutlookWindow &window) {
        bool inspector = dynamic_cast<SimOutlookInspector *>(&window) != nullptr;
        auto *bars = world.Create<CommandBarsObject>(
            inspector ? catalogue::OutlookInspector() : catalogue::OutlookExplorer(), host);
        bars->Rename(window.Name() + L".CommandBars");
        bars->SetParent(&window);
        return classlib::ComPtr<IUnknown>::Copy(bars->Identity());
    });
    return host;
}

CommandBarsObject &AttachCommandBars(WordHost &word) {
    auto host = std::make_shared<CommandBarHost>(word.World());
    host->SetApplication(word.Application());
    auto *bars = word.World().Create<CommandBarsObject>(catalogue::Word(), host);
    bars->SetParent(word.Application());
    word.SetCommandBars(bars->Identity());
    return *bars;
}

} // namespace hostsim
