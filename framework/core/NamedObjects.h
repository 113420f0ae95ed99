// The module's named objects: parts of the application that a host document embeds by name (an OLE
// object on an Excel sheet, an embedded object in a Word document). When the host's windows or
// documents change, the module finds the embedded objects of the active document by their names
// and hands each to the entry of that name, then lets every entry refresh itself.
#pragma once
#include <windows.h>

#include <oaidl.h>

#include <string>
#include <vector>

namespace framework {

class TzidCOMAddInModule;

// One entry of the list; the application owns it and removes it before it goes.
class IzidNamedObject {
public:
    virtual ~IzidNamedObject() = default;
    virtual std::wstring ObjectName() const = 0;
    // The host's object of this name in the active document.
    virtual void AttachObject(IDispatch *Object) = 0;
    virtual void RefreshObject() = 0;
};

class TzidNamedObjects {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    // Null outside 0..Count-1.
    IzidNamedObject *Items(int Index) const;
    // The position of the entry named Name (letter case ignored); -1 when there is none, or when the
    // list or the name is empty.
    int IndexOf(const std::wstring &Name) const;
    IzidNamedObject *Find(const std::wstring &Name) const { return Items(IndexOf(Name)); }
    void Add(IzidNamedObject *Item) { items_.push_back(Item); }
    void Remove(IzidNamedObject *Item);
    // Every entry refreshes itself, in order; one that an earlier refresh removed is not called.
    void RefreshAll() const;

private:
    std::vector<IzidNamedObject *> items_;
};

// The refresh of the module's host: Word and Excel walk the active document's embedded objects;
// the other hosts have nothing to walk. Raises what the host's calls raise.
void RefreshHostObjects(TzidCOMAddInModule &Module);

} // namespace framework
