// Enters the host event components in the class registry, so that module forms can hold them and the
// module can find them by name when it connects to a host. A library that uses them calls this once
// at load.
#pragma once

namespace framework {

void RegisterHostEventClasses();

} // namespace framework
