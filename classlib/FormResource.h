// Form resources: the text form of a class, stored as an RCDATA resource named after the class in
// capitals (class TAddInModule -> "TADDINMODULE"), read into a component of that class.
#pragma once
#include "classlib/Component.h"
#include "classlib/ModuleHandle.h"

#include <windows.h>

#include <cstddef>
#include <string>

namespace classlib {

// The module whose resources hold the forms: the DLL, once its start-up has set it; until then the
// program's own module.

// The text of a form resource: UTF-16 LE with BOM, or UTF-8 with or without BOM (trailing NULs, as
// resource compilers may pad, are dropped). Raises EReadError for bytes that are not valid UTF-8.
std::wstring DecodeFormText(const void *data, size_t size);

// The name of the resource that holds the form of a class.
std::wstring FormResourceName(const TClassInfo &cls);

// Reads into root the form resource of root's class, or of its nearest ancestor that has one,
// looking no further than the classes derived from stopAt. Returns false when none of them has a
// resource; a resource that cannot be read raises EReadError.
bool ReadFormResource(HMODULE module, TComponent *root, const TClassInfo &stopAt = TComponent::StaticClass());

// The same from HInstance(): what a component calls in its second construction phase.
bool InitInheritedComponent(TComponent *instance, const TClassInfo &rootAncestor);

} // namespace classlib
