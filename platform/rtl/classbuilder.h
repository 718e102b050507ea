#pragma once
// Publishes the properties, methods and factory of a class in its class
// record; used inside LT_IMPLEMENT_CLASS through the parameter P:
//
//   LT_IMPLEMENT_CLASS(TTimer, TComponent)
//   {
//       P.Property("Interval", &TTimer::Interval, &TTimer::SetInterval).Default(1000);
//       P.Property("OnTimer", &TTimer::OnTimer, &TTimer::SetOnTimer);
//   }
#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <type_traits>
#include <utility>

#include "platform/rtl/component.h"
#include "platform/rtl/exceptions.h"

namespace classbuilder_detail {
template <class T>
struct IsStdFunction : std::false_type {};
template <class Sig>
struct IsStdFunction<std::function<Sig>> : std::true_type {};

template <class M>
struct MethodTraits;
template <class C, class R, class... A>
struct MethodTraits<R (C::*)(A...)> {
    using Signature = R(A...);
};
} // namespace classbuilder_detail

// Refines the property just published.
class TPropRef {
public:
    TPropRef(TClassInfo& info, std::size_t index) : FInfo(info), FIndex(index) {}
    TPropRef& Default(int64_t value);
    TPropRef& DefaultFloat(double value);
    TPropRef& Idents(const TIdentMap& map);
    TPropRef& StoredIf(std::function<bool(const TObject&)> stored);

private:
    TPropInfo& Info();
    TClassInfo& FInfo;
    std::size_t FIndex;
};

template <class C>
class TClassBuilder {
public:
    explicit TClassBuilder(TClassInfo& info) : FInfo(info)
    {
        if constexpr (std::is_base_of_v<TComponent, C> && !std::is_abstract_v<C> &&
                      std::is_constructible_v<C, TComponent*>)
            FInfo.SetFactory([](TComponent* owner) -> TComponent* { return new C(owner); });
    }

    // A property read by get and written by set (a member function taking the
    // value, by value or by const reference); the value type picks the kind.
    template <class G, class S>
    TPropRef Property(const char* name, G get, S set)
    {
        using T = std::remove_cvref_t<std::invoke_result_t<G, const C&>>;
        TPropInfo p;
        p.Name = name;
        if constexpr (std::is_same_v<T, bool>) {
            p.Kind = TTypeKind::tkBoolean;
            p.GetOrd = [get](const TObject& o) -> int64_t { return (Self(o).*get)() ? 1 : 0; };
            p.SetOrd = [set](TObject& o, int64_t v) { (Self(o).*set)(v != 0); };
        } else if constexpr (std::is_enum_v<T>) {
            p.Kind = TTypeKind::tkEnumeration;
            p.EnumType = &EnumInfoOf<T>();
            p.GetOrd = [get](const TObject& o) -> int64_t { return static_cast<int64_t>((Self(o).*get)()); };
            p.SetOrd = [set](TObject& o, int64_t v) { (Self(o).*set)(static_cast<T>(v)); };
        } else if constexpr (IsTSet<T>::value) {
            p.Kind = TTypeKind::tkSet;
            p.EnumType = &EnumInfoOf<typename IsTSet<T>::Element>();
            p.GetOrd = [get](const TObject& o) -> int64_t { return static_cast<int64_t>((Self(o).*get)().Bits()); };
            p.SetOrd = [set](TObject& o, int64_t v) { (Self(o).*set)(T::FromBits(static_cast<uint64_t>(v))); };
        } else if constexpr (std::is_integral_v<T>) {
            // A type whose values a 32-bit integer cannot all hold (Int64,
            // Cardinal) makes an Int64 property, so that every value it
            // writes reads back; a value the type cannot hold is refused.
            p.Kind = std::in_range<int32_t>(std::numeric_limits<T>::min()) &&
                             std::in_range<int32_t>(std::numeric_limits<T>::max())
                         ? TTypeKind::tkInteger
                         : TTypeKind::tkInt64;
            p.GetOrd = [get](const TObject& o) -> int64_t { return static_cast<int64_t>((Self(o).*get)()); };
            p.SetOrd = [set](TObject& o, int64_t v) {
                if (!std::in_range<T>(v))
                    throw ERangeError(std::to_string(v) + " is out of range");
                (Self(o).*set)(static_cast<T>(v));
            };
        } else if constexpr (std::is_floating_point_v<T>) {
            p.Kind = TTypeKind::tkFloat;
            p.GetFloat = [get](const TObject& o) { return static_cast<double>((Self(o).*get)()); };
            p.SetFloat = [set](TObject& o, double v) { (Self(o).*set)(static_cast<T>(v)); };
        } else if constexpr (std::is_same_v<T, std::string>) {
            p.Kind = TTypeKind::tkString;
            p.GetStr = [get](const TObject& o) { return std::string((Self(o).*get)()); };
            p.SetStr = [set](TObject& o, const std::string& v) { (Self(o).*set)(v); };
        } else if constexpr (classbuilder_detail::IsStdFunction<T>::value) {
            p.Kind = TTypeKind::tkMethod;
            p.HasHandler = [get](const TObject& o) { return static_cast<bool>((Self(o).*get)()); };
            p.SetHandler = [set](TObject& o, const std::any& h) {
                const T* handler = std::any_cast<T>(&h);
                if (!handler)
                    return false;
                (Self(o).*set)(*handler);
                return true;
            };
        } else if constexpr (std::is_pointer_v<T> &&
                             std::is_base_of_v<TComponent, std::remove_cv_t<std::remove_pointer_t<T>>>) {
            using R = std::remove_cv_t<std::remove_pointer_t<T>>;
            p.Kind = TTypeKind::tkComponent;
            p.RefClass = [] { return &R::StaticClassInfo(); };
            p.GetComponent = [get](const TObject& o) -> TComponent* { return (Self(o).*get)(); };
            p.SetComponent = [set](TObject& o, TComponent* c) {
                R* typed = dynamic_cast<R*>(c);
                if (c && !typed)
                    return false;
                (Self(o).*set)(typed);
                return true;
            };
        } else if constexpr (std::is_pointer_v<T> &&
                             std::is_base_of_v<TPersistent, std::remove_cv_t<std::remove_pointer_t<T>>>) {
            p.Kind = TTypeKind::tkClass;
            p.GetObject = [get](const TObject& o) -> TPersistent* { return (Self(o).*get)(); };
        } else {
            static_assert(sizeof(T) == 0, "no published property kind for this type");
        }
        return Add(std::move(p));
    }

    // A nested object published by its getter alone (Font, Columns): its own
    // properties are written as "Font.Name", a collection as "< item ... >".
    template <class G>
    TPropRef Property(const char* name, G get)
    {
        using T = std::remove_cvref_t<std::invoke_result_t<G, const C&>>;
        static_assert(std::is_pointer_v<T> && std::is_base_of_v<TPersistent, std::remove_pointer_t<T>>,
                      "a property without a setter must be a nested persistent object");
        TPropInfo p;
        p.Name = name;
        p.Kind = TTypeKind::tkClass;
        p.GetObject = [get](const TObject& o) -> TPersistent* { return (Self(o).*get)(); };
        return Add(std::move(p));
    }

    // A handler a description may name in an event of a component it holds.
    template <class M>
    void Method(const char* name, M method)
    {
        using Handler = std::function<typename classbuilder_detail::MethodTraits<M>::Signature>;
        FInfo.AddMethod({name, [method](TObject& o) -> std::any {
                             C* self = &Self(o);
                             return Handler([self, method](auto&&... args) {
                                 return (self->*method)(std::forward<decltype(args)>(args)...);
                             });
                         }});
    }

private:
    static C& Self(TObject& o) { return static_cast<C&>(o); }
    static const C& Self(const TObject& o) { return static_cast<const C&>(o); }

    TPropRef Add(TPropInfo p)
    {
        FInfo.AddProperty(std::move(p));
        return TPropRef(FInfo, FInfo.OwnProperties().size() - 1);
    }

    TClassInfo& FInfo;
};
