// Include in a .cpp that defines class information with CLASSLIB_DEFINE_CLASS: it knows how to make
// the factories that let forms and collections create instances by class.
#pragma once
#include "classlib/Collection.h"
#include "classlib/Component.h"
#include "classlib/TypInfo.h"

namespace classlib::detail {

template <class T> void SetFactories(TClassInfo &info) {
    if constexpr (std::is_base_of_v<TComponent, T> && !std::is_abstract_v<T> &&
                  std::is_constructible_v<T, TComponent *>)
        info.CreateComponent = [](TComponent *owner) -> TComponent * { return classlib::Create<T>(owner); };
    if constexpr (std::is_base_of_v<TCollectionItem, T> && !std::is_abstract_v<T> &&
                  std::is_constructible_v<T, TCollection *>)
        info.CreateItem = [](TCollection *collection) -> TCollectionItem * { return new T(collection); };
}

} // namespace classlib::detail
