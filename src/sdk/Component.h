// Components with owners: a component is destroyed together with its owner, and the owner's destruction
// frees its whole tree without recursing once per level (the chain of SDK clients grows by one per run).
#pragma once

#include <vector>

class TComponent {
public:
    explicit TComponent(TComponent* AOwner);
    virtual ~TComponent();
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    TComponent* Owner() const { return FOwner; }
    int ComponentCount() const { return static_cast<int>(FComponents.size()); }
    TComponent* Components(int index) const { return FComponents[static_cast<std::size_t>(index)]; }

private:
    void InsertComponent(TComponent* c) { FComponents.push_back(c); }
    void RemoveComponent(TComponent* c);

    TComponent* FOwner;
    std::vector<TComponent*> FComponents;
};
