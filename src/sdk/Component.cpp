#include "sdk/Component.h"

#include <algorithm>

TComponent::TComponent(TComponent* AOwner) : FOwner(AOwner) {
    if (FOwner) FOwner->InsertComponent(this);
}

void TComponent::RemoveComponent(TComponent* c) {
    auto it = std::find(FComponents.rbegin(), FComponents.rend(), c);
    if (it != FComponents.rend()) FComponents.erase(std::next(it).base());
}

TComponent::~TComponent() {
    if (FOwner) FOwner->RemoveComponent(this);
    // Free the owned tree breadth-first from a local work list: each component hands its own children to
    // the list before it is deleted, so no destructor ever sees children and the stack stays flat.
    std::vector<TComponent*> pending;
    pending.swap(FComponents);
    while (!pending.empty()) {
        TComponent* c = pending.back();
        pending.pop_back();
        for (TComponent* child : c->FComponents) child->FOwner = nullptr;
        pending.insert(pending.end(), c->FComponents.begin(), c->FComponents.end());
        c->FComponents.clear();
        c->FOwner = nullptr;
        delete c;
    }
}
