// What the module knows of the objects in its ribbon id list: each answers its exact Id. The ribbon
// model's nodes implement it, so the module can look them up without knowing the model.
#pragma once
#include <string>

namespace framework {

class IzidRibbonObject {
public:
    virtual std::wstring Id() const = 0;

protected:
    ~IzidRibbonObject() = default;
};

} // namespace framework
