#include "framework/ribbon/RibbonEngine.h"

namespace framework {

namespace {

std::unique_ptr<IzidRibbonEngine> MakeRibbonEngine(TdivAzore &Owner) {
    return std::make_unique<TzidRibbonEngine>(Owner);
}

} // namespace

void InstallRibbonEngine() {
    TzidRibbonEngineMaker::Install(&MakeRibbonEngine);
}

} // namespace framework
