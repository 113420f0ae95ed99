// TObject: the root of the class tree, with its class information (name, parent, published members).
#pragma once
#include "classlib/Exceptions.h"

#include <string>

namespace classlib {

class TClassInfo;

class TObject {
public:
    virtual ~TObject() = default;
    TObject() = default;
    TObject(const TObject &) = delete;
    TObject &operator=(const TObject &) = delete;

    static const TClassInfo &StaticClass();
    // The class information of the most derived class (CLASSLIB_CLASS overrides it).
    virtual const TClassInfo &ClassType() const { return StaticClass(); }
    const std::wstring &ClassName() const;
    bool InheritsFrom(const TClassInfo &cls) const;
    template <class T> bool Is() const { return dynamic_cast<const T *>(this) != nullptr; }
    // The checked cast: raises EInvalidCast when the object is not a T.
    template <class T> T *As() {
        if (auto *p = dynamic_cast<T *>(this))
            return p;
        InvalidCast();
    }
    template <class T> const T *As() const { return const_cast<TObject *>(this)->As<T>(); }

private:
    [[noreturn]] void InvalidCast() const;
};

CLASSLIB_EXCEPTION(EInvalidCast, Exception);

// Put in the public part of every class that has class information of its own.
#define CLASSLIB_CLASS(Name)                                                                               \
public:                                                                                                    \
    static const ::classlib::TClassInfo &StaticClass();                                                    \
    const ::classlib::TClassInfo &ClassType() const override { return StaticClass(); }

} // namespace classlib
