#include "platform/portable/Component.h"

#include <algorithm>
#include <cctype>

#include "platform/portable/Exception.h"

namespace {
constexpr const char* kDuplicateName = "A component named %s already exists";  // %s: the name

void Erase(std::vector<TComponent*>& list, TComponent* item) {
    list.erase(std::remove(list.begin(), list.end(), item), list.end());
}
}  // namespace

bool SameName(const std::string& a, const std::string& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

TComponent::TComponent(TComponent* AOwner) {
    if (AOwner) AOwner->InsertComponent(this);
}

TComponent::~TComponent() {
    FComponentState |= csDestroying;
    SendRemoveNotifications();
    // Owned components go last-created first, so a component never outlives
    // one it was created after and may refer to.
    while (!FComponents.empty()) {
        TComponent* child = FComponents.back();
        delete child;  // its destructor removes it from FComponents
    }
    if (FOwner) FOwner->RemoveComponent(this);
}

void TComponent::SendRemoveNotifications() {
    std::vector<TComponent*> notifies;
    notifies.swap(FFreeNotifies);
    for (TComponent* other : notifies) {
        Erase(other->FFreeNotifies, this);
        other->Notification(this, TOperation::opRemove);
    }
}

void TComponent::SetName(const std::string& value) {
    if (value == FName) return;
    if (FOwner && !value.empty()) {
        TComponent* same = FOwner->FindComponent(value);
        if (same && same != this) {
            std::string text = kDuplicateName;
            std::size_t at = text.find("%s");
            throw Exception(text.substr(0, at) + value + text.substr(at + 2));
        }
    }
    FName = value;
}

TComponent* TComponent::FindComponent(const std::string& name) const {
    if (name.empty()) return nullptr;
    for (TComponent* c : FComponents) {
        if (SameName(c->FName, name)) return c;
    }
    return nullptr;
}

void TComponent::Loaded() { FComponentState &= ~unsigned(csLoading); }

void TComponent::Notification(TComponent* AComponent, TOperation Operation) {
    // The owner relays to everything it owns, so siblings that refer to each
    // other learn of each other's removal.
    if (Operation == TOperation::opRemove && AComponent != this) {
        for (TComponent* c : FComponents) {
            if (c != AComponent) c->Notification(AComponent, Operation);
        }
    }
}

void TComponent::FreeNotification(TComponent* AComponent) {
    if (!AComponent || AComponent == this) return;
    if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), AComponent) == FFreeNotifies.end())
        FFreeNotifies.push_back(AComponent);
    if (std::find(AComponent->FFreeNotifies.begin(), AComponent->FFreeNotifies.end(), this) ==
        AComponent->FFreeNotifies.end())
        AComponent->FFreeNotifies.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* AComponent) {
    if (!AComponent) return;
    Erase(FFreeNotifies, AComponent);
    Erase(AComponent->FFreeNotifies, this);
}

void TComponent::SetParentComponent(TComponent*) {}

TNotifyEvent TComponent::FindMethod(const std::string&) { return {}; }

void TComponent::InsertComponent(TComponent* AComponent) {
    if (!AComponent || AComponent->FOwner == this) return;
    if (AComponent->FOwner) AComponent->FOwner->RemoveComponent(AComponent);
    if (!AComponent->FName.empty() && FindComponent(AComponent->FName)) {
        AComponent->FName.clear();  // keep names unique; the caller renames
    }
    FComponents.push_back(AComponent);
    AComponent->FOwner = this;
    Notification(AComponent, TOperation::opInsert);
}

void TComponent::RemoveComponent(TComponent* AComponent) {
    if (!AComponent || AComponent->FOwner != this) return;
    Notification(AComponent, TOperation::opRemove);
    Erase(FComponents, AComponent);
    AComponent->FOwner = nullptr;
}
