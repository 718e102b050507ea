#include "platform/rtl/propinterceptors.h"

#include <algorithm>
#include <vector>

#include "platform/rtl/classbuilder.h"

LT_IMPLEMENT_CLASS(TStoragePropertyInterceptor, TPersistent) {}

namespace {

struct TInterceptorRegistration {
    const TClassInfo* Target;
    const TClassInfo* Interceptor;
    TInterceptorFactory Factory;
};

std::vector<TInterceptorRegistration>& Registrations()
{
    static std::vector<TInterceptorRegistration> registrations;
    return registrations;
}

} // namespace

void RegisterPropertyInterceptor(const TClassInfo& Target, const TClassInfo& Interceptor,
                                 TInterceptorFactory Factory)
{
    auto& registrations = Registrations();
    std::erase_if(registrations, [&](const TInterceptorRegistration& R) { return R.Target == &Target; });
    registrations.push_back({&Target, &Interceptor, std::move(Factory)});
}

void UnregisterPropertyInterceptor(const TClassInfo& Target, const TClassInfo& Interceptor)
{
    std::erase_if(Registrations(), [&](const TInterceptorRegistration& R) {
        return R.Target == &Target && R.Interceptor == &Interceptor;
    });
}

std::unique_ptr<TStoragePropertyInterceptor> CreatePropertyInterceptor(TPersistent* Target)
{
    for (const TClassInfo* cls = &Target->ClassType(); cls; cls = cls->Parent()) {
        const auto& registrations = Registrations();
        const auto it = std::find_if(registrations.begin(), registrations.end(),
                                     [&](const TInterceptorRegistration& R) { return R.Target == cls; });
        if (it != registrations.end())
            return it->Factory(Target);
    }
    return nullptr;
}
