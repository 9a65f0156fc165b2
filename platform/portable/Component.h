// Components: named objects owned by another component, freed by their
// owner, told when a component they know of goes away, and told when the
// layout they were read from has been loaded completely.
//
// This layer needs no window system, so the layout reader and everything
// that only names, owns and links components is testable natively.
#pragma once

#include <functional>
#include <string>
#include <vector>

class TComponent;

// An event handler, called with the component that raised the event.
using TNotifyEvent = std::function<void(TComponent* Sender)>;

enum class TOperation { opInsert, opRemove };

// Bits of TComponent::GetComponentState().
enum TComponentStateFlag : unsigned {
    csLoading = 1u << 0,     // being read from a layout; Loaded() clears it
    csDestroying = 1u << 1,  // inside its destructor
};

class TComponent {
public:
    explicit TComponent(TComponent* AOwner);
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;
    virtual ~TComponent();

    TComponent* GetOwner() const { return FOwner; }  // not owned
    const std::string& GetName() const { return FName; }
    // Names are unique among the components of one owner, compared without
    // regard to case; a clash raises Exception.
    void SetName(const std::string& value);

    int GetComponentCount() const { return int(FComponents.size()); }
    TComponent* GetComponent(int index) const { return FComponents.at(std::size_t(index)); }
    // The owned component of that name (case-insensitive), or nullptr.
    TComponent* FindComponent(const std::string& name) const;

    unsigned GetComponentState() const { return FComponentState; }
    bool IsLoading() const { return (FComponentState & csLoading) != 0; }
    bool IsDestroying() const { return (FComponentState & csDestroying) != 0; }
    // Marks the start of reading from a layout; Loaded() ends it.
    void BeginLoading() { FComponentState |= csLoading; }

    // Called once after the whole layout has been read and every reference
    // resolved. Overrides call the base first.
    virtual void Loaded();

    // Told when AComponent is inserted into or removed from this component's
    // owner, or when a component this one asked about (FreeNotification) is
    // destroyed. Overrides drop their references to a removed component.
    virtual void Notification(TComponent* AComponent, TOperation Operation);
    // Asks to be notified when AComponent is destroyed, even when it has
    // another owner. Both sides forget each other on destruction.
    void FreeNotification(TComponent* AComponent);
    void RemoveFreeNotification(TComponent* AComponent);

    // Where a component read from a layout nested inside another one is
    // placed; controls override it to take the container as their parent.
    virtual void SetParentComponent(TComponent* value);

    // The handler a layout names for an event, looked up on the layout's
    // root component; an empty function when there is none by that name.
    virtual TNotifyEvent FindMethod(const std::string& name);

    // Moves AComponent into this component's ownership.
    void InsertComponent(TComponent* AComponent);
    void RemoveComponent(TComponent* AComponent);

protected:
    void SetComponentState(unsigned flags) { FComponentState = flags; }

private:
    void SendRemoveNotifications();

    TComponent* FOwner = nullptr;           // not owned
    std::vector<TComponent*> FComponents;   // owned, freed in reverse order
    std::vector<TComponent*> FFreeNotifies; // not owned
    std::string FName;
    unsigned FComponentState = 0;
};

// Case-insensitive equality of ASCII names, as names are compared.
bool SameName(const std::string& a, const std::string& b);
